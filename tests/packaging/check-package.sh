#!/usr/bin/env bash
# Builds the Debian package from a finished build, unpacks it into a scratch root and checks
# what an administrator would get: the files and their owners and modes, the control fields, the
# checker passing the shipped content as unpacked, and the program showing its first window.
#
#   check-package.sh <build dir> <source dir> <version> <with checker: 0|1>
set -uo pipefail

build=$1 source=$2 version=$3 with_checker=$4
work=$(mktemp -d)
trap 'kill "${pid:-}" 2>/dev/null; rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log"
  echo "FAIL: cpack could not build the package"
  exit 1
fi
deb=$work/out/kotira_${version}_amd64.deb
if [ ! -f "$deb" ]; then
  ls "$work/out"
  echo "FAIL: no $(basename "$deb")"
  exit 1
fi

# Control fields.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = kotira ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', not $version"
[ "$(field Architecture)" = amd64 ] || fail "Architecture is '$(field Architecture)'"
[ "$(field Section)" = education ] || fail "Section is '$(field Section)'"
field Depends | grep -q 'libqt6widgets6' || fail "Depends lacks Qt: '$(field Depends)'"
field Depends | grep -q 'libqt6multimedia6' || fail "Depends lacks Qt Multimedia: '$(field Depends)'"
for wanted in fonts-liberation2 qt6-translations-l10n pulseaudio; do
  field Recommends | grep -q "$wanted" || fail "Recommends lacks $wanted: '$(field Recommends)'"
done

# Owners and modes as Debian wants them: root:root, folders and programs 0755, files 0644.
dpkg-deb -c "$deb" >"$work/list"
awk '$2 != "root/root" { print "FAIL: not owned by root: " $0; bad = 1 }
     $1 ~ /^d/ && $1 != "drwxr-xr-x" { print "FAIL: folder mode: " $0; bad = 1 }
     $1 ~ /^-/ && $1 != "-rw-r--r--" && $1 != "-rwxr-xr-x" { print "FAIL: file mode: " $0; bad = 1 }
     END { exit bad }' "$work/list" || failures=$((failures + 1))

# The file list: the application folder holds the programs and exactly the shipped content.
dpkg-deb -x "$deb" "$work/root"
app=$work/root/opt/kotira
programs=(kotira)
[ "$with_checker" = 1 ] && programs+=(kotira-revisar)
for program in "${programs[@]}"; do
  [ -x "$app/$program" ] || fail "no program $program in /opt/kotira"
  [ "$(readlink "$work/root/usr/bin/$program")" = "/opt/kotira/$program" ] ||
    fail "/usr/bin/$program does not point to /opt/kotira/$program"
done
diff <(cd "$source/content" && find . -type f | sort) \
  <(cd "$app" && find . -type f | grep -v -x -F -e ./kotira -e ./kotira-revisar -e ./kotira-revisar-aviso.so | sort) >"$work/diff" ||
  { cat "$work/diff"; fail "/opt/kotira does not hold exactly the shipped content and the programs"; }
expected=(
  usr/share/applications/kotira.desktop
  usr/share/icons/hicolor/scalable/apps/kotira.svg
  usr/share/metainfo/org.example.kotira.metainfo.xml
  usr/share/doc/kotira/copyright
  usr/share/doc/kotira/changelog.gz
)
[ "$with_checker" = 1 ] && expected+=(usr/share/applications/kotira-revisar.desktop)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("usr/share/icons/hicolor/${size}x${size}/apps/kotira.png")
done
for path in "${expected[@]}"; do
  [ -s "$work/root/$path" ] || fail "missing or empty: /$path"
done

export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/kotira-runtime}
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
mkdir -p "$work/bin"

# The checker on the unpacked content, once by name and once started through a link with no
# argument: it then checks the folder of its own file, which it must find behind the link.
if [ "$with_checker" = 1 ]; then
  "$app/kotira-revisar" "$app" >"$work/check.txt" 2>&1
  status=$?
  if [ $status -ne 0 ] || grep -q 'ERROR' "$work/check.txt"; then
    cat "$work/check.txt"
    fail "the checker finds errors in the unpacked content (exit $status)"
  fi
  # Through the link only where it looks matters: one draw per template is enough to count the
  # groups, templates and lists it finds, which must be those it found by name.
  ln -s "$app/kotira-revisar" "$work/bin/kotira-revisar"
  "$work/bin/kotira-revisar" --muestras 0 --sorteos 1 >"$work/check-link.txt" 2>&1
  found() { grep -o '^Resumen: [0-9]* grupos, [0-9]* plantillas, [0-9]* listas' "$1"; }
  if [ -z "$(found "$work/check.txt")" ] || [ "$(found "$work/check.txt")" != "$(found "$work/check-link.txt")" ]; then
    cat "$work/check-link.txt"
    fail "the checker started through a link does not find its folder"
  fi
fi

# The program, started through a link as /usr/bin/kotira is, must get as far as painting its
# first window (the start-up window, Form4) and still be running then, with nothing else said on
# its error output. Qt's own painting log tells when the window reaches the screen; the program
# has no switch for that.
ln -s "$app/kotira" "$work/bin/kotira"
: >"$work/err"
QT_LOGGING_RULES="qt.multimedia*=false;qt.widgets.painting=true" \
  "$work/bin/kotira" 2>"$work/err" &
pid=$!
while kill -0 "$pid" 2>/dev/null && ! grep -q 'Flushing QRegion.* of Form4' "$work/err"; do
  sleep 0.2
done
if kill -0 "$pid" 2>/dev/null; then
  kill "$pid"
  wait "$pid" 2>/dev/null
  if grep -v 'qt\.widgets\.painting' "$work/err" | grep -q .; then
    cat "$work/err"
    fail "the program wrote to its error output"
  fi
else
  wait "$pid"
  cat "$work/err"
  fail "the program ended (exit $?) before painting its first window"
fi
pid=

if [ $failures -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "kotira_${version}_amd64.deb: control fields, $(wc -l <"$work/list") entries, programs started"
