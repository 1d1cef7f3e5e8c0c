# The system component of the Debian package: what lies around the application folder
# /opt/kotira so that the menu, the shell and software centres find KOTIRA. Every destination
# here is relative to /usr (cmake/CPackGenerators.cmake); nothing of it is installed unless the
# component is named, so `cmake --install build --prefix DIR` still gives one folder.
set(KOTIRA_PACKAGE_STAGE ${PROJECT_BINARY_DIR}/packaging)

# The packaging changelog is the one place of the release history: its first entry must be this
# version, and its date is the release date the AppStream metadata gives.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/packaging/changelog)
file(STRINGS ${PROJECT_SOURCE_DIR}/packaging/changelog KOTIRA_CHANGELOG_LINES)
list(GET KOTIRA_CHANGELOG_LINES 0 KOTIRA_CHANGELOG_HEAD)
string(REGEX MATCH "^kotira \\(([^)]+)\\)" KOTIRA_CHANGELOG_HEAD "${KOTIRA_CHANGELOG_HEAD}")
set(KOTIRA_RELEASE_VERSION "${CMAKE_MATCH_1}")
if(NOT KOTIRA_RELEASE_VERSION STREQUAL PROJECT_VERSION)
  message(WARNING "packaging/changelog starts at version '${KOTIRA_RELEASE_VERSION}', the project "
    "is ${PROJECT_VERSION}: add an entry for this version at its top")
endif()
foreach(line IN LISTS KOTIRA_CHANGELOG_LINES)
  if(line MATCHES "^ -- .*  [A-Za-z]+, ([0-9]+) ([A-Za-z]+) ([0-9]+) ")
    set(KOTIRA_RELEASE_DAY ${CMAKE_MATCH_1})
    set(KOTIRA_RELEASE_YEAR ${CMAKE_MATCH_3})
    set(KOTIRA_MONTHS Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    list(FIND KOTIRA_MONTHS ${CMAKE_MATCH_2} KOTIRA_RELEASE_MONTH)
    math(EXPR KOTIRA_RELEASE_MONTH "${KOTIRA_RELEASE_MONTH} + 1")
    string(LENGTH "${KOTIRA_RELEASE_DAY}" day_digits)
    if(day_digits EQUAL 1)
      set(KOTIRA_RELEASE_DAY 0${KOTIRA_RELEASE_DAY})
    endif()
    if(KOTIRA_RELEASE_MONTH LESS 10)
      set(KOTIRA_RELEASE_MONTH 0${KOTIRA_RELEASE_MONTH})
    endif()
    set(KOTIRA_RELEASE_DATE "${KOTIRA_RELEASE_YEAR}-${KOTIRA_RELEASE_MONTH}-${KOTIRA_RELEASE_DAY}")
    break()
  endif()
endforeach()

# Commands on the path, pointing into the application folder: the program finds its folder from
# its own file (/proc/self/exe), so it reads /opt/kotira however it was started.
file(MAKE_DIRECTORY ${KOTIRA_PACKAGE_STAGE}/bin)
foreach(program IN LISTS KOTIRA_PROGRAMS)
  file(CREATE_LINK ${KOTIRA_PACKAGE_APP_DIR}/${program} ${KOTIRA_PACKAGE_STAGE}/bin/${program}
    SYMBOLIC)
  install(FILES ${KOTIRA_PACKAGE_STAGE}/bin/${program} DESTINATION bin
    COMPONENT system EXCLUDE_FROM_ALL)
endforeach()

# Bound at load with read-only relocations (relro, bindnow), as lintian asks of hardened programs.
foreach(program IN LISTS KOTIRA_PROGRAMS)
  target_link_options(${program} PRIVATE LINKER:-z,relro,-z,now)
endforeach()

# Menu entries: the trainer for pupils and, for teachers, the content check that opens its report
# in the browser.
set(KOTIRA_DESKTOP_ENTRIES ${PROJECT_SOURCE_DIR}/packaging/kotira.desktop)
if(TARGET kotira-revisar)
  list(APPEND KOTIRA_DESKTOP_ENTRIES ${PROJECT_SOURCE_DIR}/packaging/kotira-revisar.desktop)
endif()
install(FILES ${KOTIRA_DESKTOP_ENTRIES} DESTINATION share/applications
  COMPONENT system EXCLUDE_FROM_ALL)

# The icon in the hicolor theme: the SVG, and PNG files drawn from it at build time for desktops
# that want bitmaps.
set(KOTIRA_ICON_SIZES 16 22 24 32 48 64 128 256)
qt_add_executable(kotira_icon_png ${PROJECT_SOURCE_DIR}/tools/icon_png.cpp)
target_link_libraries(kotira_icon_png PRIVATE Qt6::Gui Qt6::Svg)
set(KOTIRA_ICON_PNGS)
foreach(size IN LISTS KOTIRA_ICON_SIZES)
  list(APPEND KOTIRA_ICON_PNGS ${KOTIRA_PACKAGE_STAGE}/icons/${size}x${size}/apps/kotira.png)
endforeach()
add_custom_command(OUTPUT ${KOTIRA_ICON_PNGS}
  COMMAND kotira_icon_png ${PROJECT_SOURCE_DIR}/resources/kotira.svg
          ${KOTIRA_PACKAGE_STAGE}/icons kotira ${KOTIRA_ICON_SIZES}
  DEPENDS kotira_icon_png ${PROJECT_SOURCE_DIR}/resources/kotira.svg
  COMMENT "Drawing the icon at ${KOTIRA_ICON_SIZES} pixels"
  VERBATIM)
foreach(size IN LISTS KOTIRA_ICON_SIZES)
  install(FILES ${KOTIRA_PACKAGE_STAGE}/icons/${size}x${size}/apps/kotira.png
    DESTINATION share/icons/hicolor/${size}x${size}/apps COMPONENT system EXCLUDE_FROM_ALL)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/resources/kotira.svg
  DESTINATION share/icons/hicolor/scalable/apps COMPONENT system EXCLUDE_FROM_ALL)

# AppStream metadata, so that software centres list the program.
set(KOTIRA_DEVELOPER "Equipo KOTIRA")
list(TRANSFORM KOTIRA_PROGRAMS REPLACE "(.+)" "    <binary>\\1</binary>" OUTPUT_VARIABLE KOTIRA_PROVIDES)
list(JOIN KOTIRA_PROVIDES "\n" KOTIRA_PROVIDES)
configure_file(${PROJECT_SOURCE_DIR}/packaging/kotira.metainfo.xml.in
  ${KOTIRA_PACKAGE_STAGE}/${KOTIRA_APPSTREAM_ID}.metainfo.xml @ONLY)
install(FILES ${KOTIRA_PACKAGE_STAGE}/${KOTIRA_APPSTREAM_ID}.metainfo.xml
  DESTINATION share/metainfo COMPONENT system EXCLUDE_FROM_ALL)

# The Debian documents: the copyright file, the changelog and the manual pages, compressed with
# gzip -9n (no name or time stamp inside, so the same sources give the same package). The version
# has no Debian revision, so the package is a native one, whose changelog Debian names
# changelog.gz (lintian: wrong-name-for-changelog-of-native-package for changelog.Debian.gz).
configure_file(${PROJECT_SOURCE_DIR}/packaging/copyright.in ${KOTIRA_PACKAGE_STAGE}/copyright @ONLY)
set(KOTIRA_GZIPPED)
foreach(document IN ITEMS changelog ${KOTIRA_PROGRAMS})
  set(source ${PROJECT_SOURCE_DIR}/packaging/${document})
  set(staged ${KOTIRA_PACKAGE_STAGE}/${document})
  if(NOT document STREQUAL "changelog")
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
install(FILES ${KOTIRA_PACKAGE_STAGE}/copyright ${KOTIRA_PACKAGE_STAGE}/changelog.gz
  DESTINATION share/doc/kotira COMPONENT system EXCLUDE_FROM_ALL)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/lintian-overrides
  DESTINATION share/lintian/overrides RENAME kotira COMPONENT system EXCLUDE_FROM_ALL)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Depends: the libraries the stripped programs link, as dpkg-shlibdeps finds them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the program uses at run time without linking it: the fonts its windows are drawn with,
# Qt's Spanish translations of standard buttons, a sound server for the cues (Qt Multimedia talks
# to PulseAudio; Debian 12's libqt6multimedia6 carries its media plugins itself) and xdg-open,
# which opens the report in the text editor and the checker's page in the browser.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
  "fonts-liberation2, qt6-translations-l10n, pulseaudio | pipewire-pulse, xdg-utils, speech-dispatcher, speech-dispatcher-espeak-ng")
# The statement read aloud: Qt's text-to-speech loads its speech-dispatcher plugin at run time, so
# dpkg-shlibdeps does not see it; speech-dispatcher and its Spanish voice are recommended above.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-speech-speechd-plugin")
# Lines of at most 80 characters, as Debian wants; cpack indents them.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [[
KOTIRA sets arithmetic word problems worded in Spanish for primary-school
pupils. Every problem is made afresh from a template, with names, objects and
numbers drawn from word lists. The pupil works it out on a green board, enters
the answer and checks it; KOTIRA judges it with a sound, an animation and a
coloured verdict, and keeps a report that can be saved and opened in a text
editor.

Teachers write their own groups of problems as plain text files;
kotira-revisar, in the menu as Revisar problemas de KOTIRA, checks them and
points out mistakes before class.

The program and its content live in /opt/kotira.]])
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
