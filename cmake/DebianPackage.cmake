# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: the app component in /usr/lib/kotira, the conffile in /etc/kotira and the system
# component under /usr, which is what lies around the application folder so that the menu, the
# shell and software centres find KOTIRA. Included only in the package build (the package preset);
# the system and etc components are installed only when named, so an install into a folder stays
# one folder.
set(KOTIRA_PACKAGE_STAGE ${PROJECT_BINARY_DIR}/packaging)
set(KOTIRA_PACKAGING ${PROJECT_SOURCE_DIR}/packaging)

# The packaging changelog is the one place of the release history. Its first entry gives the
# package version (the project's version and a Debian revision, 1.1-1) and the release time,
# which is every file time in the package (SOURCE_DATE_EPOCH) and the AppStream release date.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${KOTIRA_PACKAGING}/changelog)
foreach(field IN ITEMS Version Timestamp)
  execute_process(COMMAND dpkg-parsechangelog -l ${KOTIRA_PACKAGING}/changelog -S ${field}
    OUTPUT_VARIABLE KOTIRA_CHANGELOG_${field} OUTPUT_STRIP_TRAILING_WHITESPACE
    COMMAND_ERROR_IS_FATAL ANY)
endforeach()
if(NOT KOTIRA_CHANGELOG_Version MATCHES "^([^-]+)-([^-]+)$")
  message(FATAL_ERROR "packaging/changelog starts at version '${KOTIRA_CHANGELOG_Version}': "
    "a package version is the project's version and a Debian revision (${PROJECT_VERSION}-1)")
endif()
set(KOTIRA_RELEASE_VERSION ${CMAKE_MATCH_1})
set(KOTIRA_DEBIAN_REVISION ${CMAKE_MATCH_2})
if(NOT KOTIRA_RELEASE_VERSION STREQUAL PROJECT_VERSION)
  message(WARNING "packaging/changelog starts at version '${KOTIRA_CHANGELOG_Version}', the project "
    "is ${PROJECT_VERSION}: add an entry for this version at its top")
endif()
set(KOTIRA_SOURCE_DATE_EPOCH ${KOTIRA_CHANGELOG_Timestamp})
set(ENV{SOURCE_DATE_EPOCH} ${KOTIRA_SOURCE_DATE_EPOCH})
# The tools the build runs read it too: rcc writes each resource's file time into the program, so
# two checkouts made at different times would otherwise build different bytes.
set_property(GLOBAL PROPERTY RULE_LAUNCH_CUSTOM
  "${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${KOTIRA_SOURCE_DATE_EPOCH}")
string(TIMESTAMP KOTIRA_RELEASE_DATE "%Y-%m-%d" UTC)

# Stripped as Debian strips programs and libraries (dh_strip): no symbols, no .comment or .note
# section. Libraries the programs load from the application folder (*.so, installed by the rules
# of their own folders, which run before these) lose their unneeded symbols too.
foreach(program IN LISTS KOTIRA_PROGRAMS)
  install(CODE "execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment
      --remove-section=.note \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${program}\"
      COMMAND_ERROR_IS_FATAL ANY)"
    COMPONENT app)
endforeach()
install(CODE "file(GLOB modules \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/*.so\")
    foreach(module IN LISTS modules)
      execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
        --strip-unneeded \"\${module}\" COMMAND_ERROR_IS_FATAL ANY)
    endforeach()"
  COMPONENT app)

# The language file is a conffile, so that dpkg keeps a school's edit (or asks about it) on
# upgrade; the application folder reaches it through a link, where the program looks for it.
install(FILES ${PROJECT_SOURCE_DIR}/content/configuracion/idioma.txt
  DESTINATION . COMPONENT etc EXCLUDE_FROM_ALL)
file(MAKE_DIRECTORY ${KOTIRA_PACKAGE_STAGE}/configuracion)
file(CREATE_LINK /etc/kotira/idioma.txt ${KOTIRA_PACKAGE_STAGE}/configuracion/idioma.txt SYMBOLIC)
install(FILES ${KOTIRA_PACKAGE_STAGE}/configuracion/idioma.txt DESTINATION configuracion
  COMPONENT app)

# Commands on the path, pointing into the application folder: the program finds its folder from
# its own file (/proc/self/exe), so it reads /usr/lib/kotira however it was started. Relative
# links, as Debian wants them within one top-level folder.
file(MAKE_DIRECTORY ${KOTIRA_PACKAGE_STAGE}/bin)
foreach(program IN LISTS KOTIRA_PROGRAMS)
  file(RELATIVE_PATH target /usr/bin ${KOTIRA_PACKAGE_APP_DIR}/${program})
  file(CREATE_LINK ${target} ${KOTIRA_PACKAGE_STAGE}/bin/${program} SYMBOLIC)
  install(FILES ${KOTIRA_PACKAGE_STAGE}/bin/${program} DESTINATION bin
    COMPONENT system EXCLUDE_FROM_ALL)
endforeach()

# Bound at load with read-only relocations (relro, bindnow), as lintian asks of hardened programs.
foreach(program IN LISTS KOTIRA_PROGRAMS)
  target_link_options(${program} PRIVATE LINKER:-z,relro,-z,now)
endforeach()

# Menu entries, each with its own icon: the trainer for pupils and, for teachers, the content
# check that opens its report in the browser (the program's board with a teacher's red tick).
set(KOTIRA_DESKTOP_ENTRIES ${KOTIRA_PACKAGING}/kotira.desktop)
set(KOTIRA_ICONS kotira=${PROJECT_SOURCE_DIR}/resources/kotira.svg)
if(TARGET kotira-revisar)
  list(APPEND KOTIRA_DESKTOP_ENTRIES ${KOTIRA_PACKAGING}/kotira-revisar.desktop)
  list(APPEND KOTIRA_ICONS kotira-revisar=${KOTIRA_PACKAGING}/kotira-revisar.svg)
endif()
install(FILES ${KOTIRA_DESKTOP_ENTRIES} DESTINATION share/applications
  COMPONENT system EXCLUDE_FROM_ALL)

# The icons in the hicolor theme: the SVG, and PNG files drawn from it at build time for desktops
# that want bitmaps.
set(KOTIRA_ICON_SIZES 16 22 24 32 48 64 128 256)
qt_add_executable(kotira_icon_png ${PROJECT_SOURCE_DIR}/tools/icon_png.cpp)
target_link_libraries(kotira_icon_png PRIVATE Qt6::Gui Qt6::Svg)
set(KOTIRA_ICON_PNGS)
foreach(icon IN LISTS KOTIRA_ICONS)
  string(REGEX MATCH "^([^=]+)=(.+)$" icon "${icon}")
  set(name ${CMAKE_MATCH_1})
  set(svg ${CMAKE_MATCH_2})
  set(pngs)
  foreach(size IN LISTS KOTIRA_ICON_SIZES)
    set(png ${KOTIRA_PACKAGE_STAGE}/icons/${size}x${size}/apps/${name}.png)
    list(APPEND pngs ${png})
    install(FILES ${png} DESTINATION share/icons/hicolor/${size}x${size}/apps
      COMPONENT system EXCLUDE_FROM_ALL)
  endforeach()
  add_custom_command(OUTPUT ${pngs}
    COMMAND kotira_icon_png ${svg} ${KOTIRA_PACKAGE_STAGE}/icons ${name} ${KOTIRA_ICON_SIZES}
    DEPENDS kotira_icon_png ${svg}
    COMMENT "Drawing the icon ${name} at ${KOTIRA_ICON_SIZES} pixels"
    VERBATIM)
  list(APPEND KOTIRA_ICON_PNGS ${pngs})
  install(FILES ${svg} DESTINATION share/icons/hicolor/scalable/apps RENAME ${name}.svg
    COMPONENT system EXCLUDE_FROM_ALL)
endforeach()

# AppStream metadata, so that software centres list the program.
set(KOTIRA_DEVELOPER "Equipo KOTIRA")
list(TRANSFORM KOTIRA_PROGRAMS REPLACE "(.+)" "    <binary>\\1</binary>" OUTPUT_VARIABLE KOTIRA_PROVIDES)
list(JOIN KOTIRA_PROVIDES "\n" KOTIRA_PROVIDES)
configure_file(${KOTIRA_PACKAGING}/kotira.metainfo.xml.in
  ${KOTIRA_PACKAGE_STAGE}/${KOTIRA_APPSTREAM_ID}.metainfo.xml @ONLY)
install(FILES ${KOTIRA_PACKAGE_STAGE}/${KOTIRA_APPSTREAM_ID}.metainfo.xml
  DESTINATION share/metainfo COMPONENT system EXCLUDE_FROM_ALL)

# The copyright file in Debian's machine-readable format, with the full text of the content's
# licence (the code's, the GPL, is in /usr/share/common-licenses): every line indented, blank
# lines as " .".
file(READ ${PROJECT_SOURCE_DIR}/LICENSE.CC-BY-SA-4.0 KOTIRA_CC_BY_SA)
string(STRIP "${KOTIRA_CC_BY_SA}" KOTIRA_CC_BY_SA)
string(REPLACE "\n" "\n " KOTIRA_CC_BY_SA " ${KOTIRA_CC_BY_SA}")
string(REGEX REPLACE "\n \n" "\n .\n" KOTIRA_CC_BY_SA "${KOTIRA_CC_BY_SA}")
string(REGEX REPLACE "\n \n" "\n .\n" KOTIRA_CC_BY_SA "${KOTIRA_CC_BY_SA}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/LICENSE.CC-BY-SA-4.0)
configure_file(${KOTIRA_PACKAGING}/copyright.in ${KOTIRA_PACKAGE_STAGE}/copyright @ONLY)

# The Debian documents: the changelog (changelog.Debian.gz: the version has a Debian revision) and
# the manual pages, compressed with gzip -9n (no name or time stamp inside, so the same sources
# give the same package), and the teachers' guide, HTML left uncompressed for the browser.
set(KOTIRA_GZIPPED)
foreach(document IN ITEMS changelog ${KOTIRA_PROGRAMS})
  set(source ${KOTIRA_PACKAGING}/${document})
  set(staged ${KOTIRA_PACKAGE_STAGE}/${document})
  if(document STREQUAL "changelog")
    set(staged ${KOTIRA_PACKAGE_STAGE}/changelog.Debian)
  else()
    string(APPEND source .1)
    string(APPEND staged .1)
  endif()
  add_custom_command(OUTPUT ${staged}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${staged}
    COMMAND gzip -9nf ${staged}
    DEPENDS ${source}
    VERBATIM)
  list(APPEND KOTIRA_GZIPPED ${staged}.gz)
endforeach()
add_custom_target(kotira_package_files ALL DEPENDS ${KOTIRA_ICON_PNGS} ${KOTIRA_GZIPPED})
foreach(program IN LISTS KOTIRA_PROGRAMS)
  install(FILES ${KOTIRA_PACKAGE_STAGE}/${program}.1.gz DESTINATION share/man/man1
    COMPONENT system EXCLUDE_FROM_ALL)
endforeach()
install(FILES ${KOTIRA_PACKAGE_STAGE}/copyright ${KOTIRA_PACKAGE_STAGE}/changelog.Debian.gz
  ${PROJECT_SOURCE_DIR}/docs/guia-del-profesor.html
  DESTINATION share/doc/kotira COMPONENT system EXCLUDE_FROM_ALL)
# The guide is registered with doc-base, so documentation browsers list it.
install(FILES ${KOTIRA_PACKAGING}/kotira-guia-del-profesor.doc-base
  DESTINATION share/doc-base RENAME kotira-guia-del-profesor COMPONENT system EXCLUDE_FROM_ALL)
install(FILES ${KOTIRA_PACKAGING}/lintian-overrides
  DESTINATION share/lintian/overrides RENAME kotira COMPONENT system EXCLUDE_FROM_ALL)

# The maintainer scripts make the site folder (/var/lib/kotira, group kotira) and clean up on
# purge; the conffile list names the language file.
foreach(script IN ITEMS postinst postrm)
  configure_file(${KOTIRA_PACKAGING}/${script} ${KOTIRA_PACKAGE_STAGE}/control/${script} COPYONLY)
endforeach()
file(WRITE ${KOTIRA_PACKAGE_STAGE}/control/conffiles "/etc/kotira/idioma.txt\n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
  ${KOTIRA_PACKAGE_STAGE}/control/conffiles
  ${KOTIRA_PACKAGE_STAGE}/control/postinst
  ${KOTIRA_PACKAGE_STAGE}/control/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${KOTIRA_DEBIAN_REVISION})
set(CPACK_KOTIRA_SOURCE_DATE_EPOCH ${KOTIRA_SOURCE_DATE_EPOCH})
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Depends: the libraries the stripped programs link, as dpkg-shlibdeps finds them, adduser, with
# which postinst makes the group kotira, and the speech plugin (below).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the program uses at run time without linking it: the fonts its windows are drawn with,
# Qt's Spanish translations of standard buttons, a sound server for the cues (Qt Multimedia talks
# to PulseAudio; Debian 12's libqt6multimedia6 carries its media plugins itself) and xdg-open,
# which opens the report in the text editor and the checker's page in the browser.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
  "fonts-liberation2, qt6-translations-l10n, pulseaudio | pipewire-pulse, xdg-utils, speech-dispatcher, speech-dispatcher-espeak-ng")
# The statement read aloud: Qt's text-to-speech loads its speech-dispatcher plugin at run time, so
# dpkg-shlibdeps does not see it; speech-dispatcher and its Spanish voice are recommended above.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "adduser, qt6-speech-speechd-plugin")
# Lines of at most 80 characters, as Debian wants; cpack indents them.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [[
KOTIRA sets arithmetic word problems worded in Spanish for primary-school
pupils. Every problem is made afresh from a template, with names, objects and
numbers drawn from word lists. The pupil works it out on a green board, enters
the answer and checks it; KOTIRA judges it with a sound, an animation and a
coloured verdict, and keeps a report that can be saved and opened in a text
editor.

Teachers write their own groups of problems as plain text files and put them
in /var/lib/kotira, where every pupil sees them: members of the group kotira
may write there without administrator rights. kotira-revisar, in the menu as
Revisar problemas de KOTIRA, checks them and points out mistakes before class.
The teachers' guide is /usr/share/doc/kotira/guia-del-profesor.html.

The program and its shipped content live in /usr/lib/kotira.]])
