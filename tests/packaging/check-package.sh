#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package as `make package` does (the package preset, build-package/), twice,
# unpacks it into a scratch root and checks what an administrator would get: the same bytes from
# both packagings, the files and their owners and modes, the control fields, the conffile, the
# maintainer scripts that make the site folder, hardened programs with no search path, the
# licence fields, the checker passing the shipped content as unpacked, and the program showing
# its first window.
#
#   check-package.sh <source dir> <with checker: 0|1>
set -uo pipefail

source=$1 with_checker=$2
work=$(mktemp -d)
trap 'kill "${pid:-}" 2>/dev/null; rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# The package build compiles the programs only, with Debian's flags; two jobs, as the test suite
# runs beside it.
build=$source/build-package
if ! (cd "$source" && cmake --preset package && cmake --build --preset package --parallel 2) \
  >"$work/build.log" 2>&1; then
  tail -n 40 "$work/build.log"
  echo "FAIL: the package build failed"
  exit 1
fi
version=$(dpkg-parsechangelog -l "$source/packaging/changelog" -S Version)
for out in out out2; do
  if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/$out" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    echo "FAIL: cpack could not build the package"
    exit 1
  fi
done
deb=$work/out/kotira_${version}_amd64.deb
if [ ! -f "$deb" ]; then
  ls "$work/out"
  echo "FAIL: no $(basename "$deb")"
  exit 1
fi
# Reproducible: file times come from the changelog, so packing the same build again gives the
# same bytes.
cmp "$deb" "$work/out2/$(basename "$deb")" || fail "two packagings of the same build differ"
# The same from another checkout, whose files have other times: one resource touched now (rcc
# writes file times into the program) rebuilds to the same bytes. Its time is put back after.
resource=$source/resources/kotira.svg
touch -r "$resource" "$work/resource-time"
touch "$resource"
if (cd "$source" && cmake --build --preset package --parallel 2) >"$work/build.log" 2>&1 &&
  cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out3" >"$work/cpack.log" 2>&1; then
  cmp "$deb" "$work/out3/$(basename "$deb")" || fail "a file time in the checkout changes the package"
else
  fail "the package could not be built again after touching $resource"
fi
touch -r "$work/resource-time" "$resource"

# Control fields.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = kotira ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', not $version"
[[ "$version" == *-* ]] || fail "version $version has no Debian revision"
[ "$(field Architecture)" = amd64 ] || fail "Architecture is '$(field Architecture)'"
[ "$(field Section)" = education ] || fail "Section is '$(field Section)'"
for wanted in libqt6widgets6 libqt6multimedia6 adduser; do
  field Depends | grep -q "$wanted" || fail "Depends lacks $wanted: '$(field Depends)'"
done
for wanted in fonts-liberation2 qt6-translations-l10n pulseaudio; do
  field Recommends | grep -q "$wanted" || fail "Recommends lacks $wanted: '$(field Recommends)'"
done

# Owners and modes as Debian wants them: root:root, folders and programs 0755, files 0644. The
# site folder is not in the package: postinst makes it, so removal never meets it holding work.
dpkg-deb -c "$deb" >"$work/list"
awk '$2 != "root/root" { print "FAIL: not owned by root: " $0; bad = 1 }
     $1 ~ /^d/ && $1 != "drwxr-xr-x" { print "FAIL: folder mode: " $0; bad = 1 }
     $1 ~ /^-/ && $1 != "-rw-r--r--" && $1 != "-rwxr-xr-x" { print "FAIL: file mode: " $0; bad = 1 }
     $6 ~ /^\.\/var\// { print "FAIL: shipped under /var: " $0; bad = 1 }
     $6 ~ /^\.\/opt\// { print "FAIL: shipped under /opt, which no Debian package may own: " $0; bad = 1 }
     END { exit bad }' "$work/list" || failures=$((failures + 1))

# The file list: the application folder holds the programs and exactly the shipped content, the
# language file being a link to the conffile.
dpkg-deb -x "$deb" "$work/root"
dpkg-deb -e "$deb" "$work/control"
app=$work/root/usr/lib/kotira
programs=(kotira)
[ "$with_checker" = 1 ] && programs+=(kotira-revisar)
for program in "${programs[@]}"; do
  [ -x "$app/$program" ] || fail "no program $program in /usr/lib/kotira"
  # Relative, as Debian wants a link within /usr.
  [ "$(readlink "$work/root/usr/bin/$program")" = "../lib/kotira/$program" ] ||
    fail "/usr/bin/$program does not point to ../lib/kotira/$program"
done
# Beside the programs may lie libraries they load at run time (*.so).
diff <(cd "$source/content" && find . -type f | sort) \
  <(cd "$app" && find . -type f -o -type l | grep -v -x -e ./kotira -e ./kotira-revisar -e '\./[^/]*\.so' | sort) \
  >"$work/diff" ||
  { cat "$work/diff"; fail "/usr/lib/kotira does not hold exactly the shipped content and the programs"; }
expected=(
  usr/share/applications/kotira.desktop
  usr/share/icons/hicolor/scalable/apps/kotira.svg
  usr/share/metainfo/org.example.kotira.metainfo.xml
  usr/share/doc/kotira/copyright
  usr/share/doc/kotira/changelog.Debian.gz
  usr/share/doc/kotira/guia-del-profesor.html
  usr/share/doc-base/kotira-guia-del-profesor
)
icons=(kotira)
if [ "$with_checker" = 1 ]; then
  expected+=(usr/share/applications/kotira-revisar.desktop
    usr/share/icons/hicolor/scalable/apps/kotira-revisar.svg)
  icons+=(kotira-revisar)
fi
for icon in "${icons[@]}"; do
  for size in 16 22 24 32 48 64 128 256; do
    expected+=("usr/share/icons/hicolor/${size}x${size}/apps/$icon.png")
  done
done
for path in "${expected[@]}"; do
  [ -s "$work/root/$path" ] || fail "missing or empty: /$path"
done

# The conffile: the language file lives in /etc/kotira, as shipped, and the application folder
# reaches it by a link.
[ "$(cat "$work/control/conffiles" 2>/dev/null)" = /etc/kotira/idioma.txt ] ||
  fail "conffiles is '$(cat "$work/control/conffiles" 2>/dev/null)', not /etc/kotira/idioma.txt"
cmp -s "$source/content/configuracion/idioma.txt" "$work/root/etc/kotira/idioma.txt" ||
  fail "/etc/kotira/idioma.txt is not the shipped language file"
[ "$(readlink "$app/configuracion/idioma.txt")" = /etc/kotira/idioma.txt ] ||
  fail "/usr/lib/kotira/configuracion/idioma.txt does not point to /etc/kotira/idioma.txt"

# The maintainer scripts: postinst makes the group kotira and the site folders, root:kotira,
# 2775; postrm deletes on purge only what is empty.
postinst=$work/control/postinst postrm=$work/control/postrm
for script in "$postinst" "$postrm"; do
  [ -x "$script" ] && sh -n "$script" || fail "$(basename "$script") missing or not a shell script"
done
grep -q 'addgroup --system .*kotira' "$postinst" || fail "postinst makes no system group kotira"
grep -q '^site=/var/lib/kotira$' "$postinst" || fail "postinst does not name /var/lib/kotira"
for wanted in '"$site/Problemas"' '"$site/datos"' 'chown root:kotira' 'chmod 2775' \
  'dpkg-statoverride --list'; do
  grep -q -F -- "$wanted" "$postinst" || fail "postinst lacks $wanted"
done
grep -q -E '^[[:space:]]*rm -[a-z]*r' "$postrm" && fail "postrm deletes folders with their content"
grep -q -F 'rmdir "$folder"' "$postrm" || fail "postrm does not remove the empty site folders on purge"

# Hardened programs, stripped as Debian strips them, with no search path of their own.
modules=()
for module in "$app"/*.so; do
  [ -e "$module" ] && modules+=("$(basename "$module")")
done
for program in "${programs[@]}" "${modules[@]}"; do
  elf=$app/$program
  # Into files: grep -q ends the pipe early, which pipefail would count as a failure.
  readelf -d "$elf" >"$work/dynamic"
  readelf -W -l -S --dyn-syms "$elf" >"$work/elf"
  grep -q -e RUNPATH -e RPATH "$work/dynamic" && fail "$program has a search path: $(grep PATH "$work/dynamic")"
  grep -q BIND_NOW "$work/dynamic" || fail "$program is not bound at load (bind-now)"
  grep -q GNU_RELRO "$work/elf" || fail "$program has no read-only relocations"
  # A small library may hold no function the protector guards; the programs always do.
  if [[ "$program" != *.so ]]; then
    grep -q __stack_chk_fail "$work/elf" || fail "$program has no stack protector"
  fi
  grep -q -e '\.comment' -e '\.symtab' "$work/elf" && fail "$program is not stripped as Debian strips"
done

# The licence: DEP-5 copyright with the code under the GPL and the content under CC-BY-SA-4.0
# (its full text inside), and the same in the AppStream data.
copyright=$work/root/usr/share/doc/kotira/copyright
head -n 1 "$copyright" | grep -q copyright-format/1.0 || fail "copyright is not in the DEP-5 format"
for wanted in 'License: GPL-3+' 'License: CC-BY-SA-4.0' '/usr/share/common-licenses/GPL-3' \
  ' Creative Commons Attribution-ShareAlike 4.0 International Public License' 'Files: content/*'; do
  grep -q -F -- "$wanted" "$copyright" || fail "copyright lacks '$wanted'"
done
grep -q -i 'ask the authors' "$copyright" && fail "copyright still restricts copying"
metainfo=$work/root/usr/share/metainfo/org.example.kotira.metainfo.xml
grep -q '<project_license>GPL-3.0-or-later AND CC-BY-SA-4.0</project_license>' "$metainfo" ||
  fail "AppStream data lacks project_license"
grep -q '<metadata_license>' "$metainfo" || fail "AppStream data lacks metadata_license"

# Menu entries in the languages of Spain's schools and in English.
for entry in "$work"/root/usr/share/applications/*.desktop; do
  for key in Name GenericName Comment Keywords; do
    for lang in ca gl eu en; do
      grep -q "^$key\[$lang\]=" "$entry" || fail "$(basename "$entry") lacks $key[$lang]"
    done
  done
  grep -q '^StartupNotify=' "$entry" || fail "$(basename "$entry") lacks StartupNotify"
  if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$entry" || fail "$(basename "$entry") is not a valid desktop entry"
  fi
done

export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/kotira-runtime}
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
mkdir -p "$work/bin"
# Installed, the link reaches /etc/kotira/idioma.txt; in the scratch root it must reach the
# unpacked one.
ln -sfn "$work/root/etc/kotira/idioma.txt" "$app/configuracion/idioma.txt"

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
echo "kotira_${version}_amd64.deb: reproducible, control fields, conffile, site folder scripts," \
  "hardened programs, licences, $(wc -l <"$work/list") entries, programs started"
