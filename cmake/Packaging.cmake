# SPDX-License-Identifier: GPL-3.0-or-later
# Installation and packaging.
#
# The program finds everything it reads beside its own file, so an installation is one folder
# holding the program and its content, which can be moved or unpacked anywhere. The install rules
# come in three components:
#
#   app      the programs (kotira, kotira-revisar) and the content (Problemas, datos,
#            configuracion, sonidos, gifs): the application folder itself
#   folder   what only a relocatable folder carries: the icon, a desktop entry and
#            install-desktop-entry, which puts that entry, with the folder's path, in the menu
#   system   what a Debian package adds around /usr/lib/kotira: the links in /usr/bin, the menu
#            entries, the icons, the AppStream metadata and the Debian documents; installed only
#            when asked for by name, so that an install into a folder stays one folder
#   etc      the package's conffile, /etc/kotira/idioma.txt (also by name only)
#
# The last two exist only in the package build (KOTIRA_DEBIAN_BUILD, the package preset).
#
#   cmake --install build --prefix /somewhere/kotira            (app and folder)
#   cpack -G TGZ --config build/CPackConfig.cmake               (kotira-1.1-Linux.tar.gz)
#   make package   (the package preset, build-package/)         (kotira_1.1-1_amd64.deb)
#
# The package (cmake/CPackGenerators.cmake) puts the app component in /usr/lib/kotira and the system
# component under /usr. On Linux Qt comes from the system (Debian 12: libqt6widgets6,
# libqt6multimedia6, which carries its own media plugins, libqt6svg6). On Windows the same build
# installs kotira.exe at the top of the folder and, when windeployqt is found, runs it on the
# installed program so the Qt libraries and plugins land beside it; the content names keep their
# letters as shipped and the program matches them without regard to case, as Windows does.

set(KOTIRA_INSTALL_DIR .)
# Folders made by the install are 0755 whatever the umask, as a package's must be.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# Where the package puts the application folder; the links in /usr/bin point there. A folder of
# the program's own under /usr/lib, as Debian keeps a program's private files: /opt is left to
# software from outside the distribution's packages, and dpkg, owning /opt for no other package,
# would try to remove it on purge.
set(KOTIRA_PACKAGE_APP_DIR /usr/lib/kotira)

# The contact the start-up window gives (kotira@example.org) and its domain stand for KOTIRA's own
# until it has them.
set(KOTIRA_HOMEPAGE "https://kotira.example.org" CACHE STRING
  "KOTIRA's home page, named by the package, its copyright file and its AppStream metadata")
set(KOTIRA_SCREENSHOTS_URL "${KOTIRA_HOMEPAGE}/screenshots" CACHE STRING
  "Where docs/screenshots is published, for the AppStream metadata")
set(KOTIRA_MAINTAINER "Equipo KOTIRA <kotira@example.org>")
set(KOTIRA_APPSTREAM_ID org.example.kotira)

set(KOTIRA_PROGRAMS kotira)
if(TARGET kotira-revisar)
  list(APPEND KOTIRA_PROGRAMS kotira-revisar)
endif()

install(TARGETS ${KOTIRA_PROGRAMS}
  RUNTIME DESTINATION ${KOTIRA_INSTALL_DIR} COMPONENT app
  BUNDLE DESTINATION ${KOTIRA_INSTALL_DIR} COMPONENT app)

# content/ holds the folders themselves (Problemas, datos, ...); the trailing slash installs
# what is in it rather than a folder named content. Fixed permissions rather than the checkout's,
# which follow whatever umask the sources were cloned with.
# In the Debian package the language file is a conffile in /etc/kotira (cmake/DebianPackage.cmake),
# which the application folder reaches through a link, so it is left out here.
set(KOTIRA_CONTENT_EXCLUDE "^$")
if(KOTIRA_DEBIAN_BUILD)
  set(KOTIRA_CONTENT_EXCLUDE "/configuracion/idioma\\.txt$")
endif()
install(DIRECTORY ${PROJECT_SOURCE_DIR}/content/
  DESTINATION ${KOTIRA_INSTALL_DIR}
  COMPONENT app
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
  DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                        WORLD_READ WORLD_EXECUTE
  REGEX "${KOTIRA_CONTENT_EXCLUDE}" EXCLUDE)

install(FILES ${PROJECT_SOURCE_DIR}/resources/kotira.svg DESTINATION ${KOTIRA_INSTALL_DIR}
  COMPONENT folder OPTIONAL)

if(UNIX AND NOT APPLE)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/kotira.desktop DESTINATION ${KOTIRA_INSTALL_DIR}
    COMPONENT folder)
  install(PROGRAMS ${PROJECT_SOURCE_DIR}/packaging/install-desktop-entry
    DESTINATION ${KOTIRA_INSTALL_DIR} COMPONENT folder)
  if(KOTIRA_DEBIAN_BUILD)
    include(${CMAKE_CURRENT_LIST_DIR}/DebianPackage.cmake)
  endif()
endif()

if(WIN32)
  get_target_property(KOTIRA_QMAKE Qt6::qmake IMPORTED_LOCATION)
  get_filename_component(KOTIRA_QT_BIN "${KOTIRA_QMAKE}" DIRECTORY)
  find_program(KOTIRA_WINDEPLOYQT windeployqt HINTS "${KOTIRA_QT_BIN}")
  if(KOTIRA_WINDEPLOYQT)
    install(CODE "
      execute_process(
        COMMAND \"${KOTIRA_WINDEPLOYQT}\" --no-translations --no-system-d3d-compiler
                \"\${CMAKE_INSTALL_PREFIX}/${KOTIRA_INSTALL_DIR}/kotira.exe\"
        COMMAND_ERROR_IS_FATAL ANY)"
      COMPONENT app)
  else()
    message(WARNING "windeployqt not found: the installed folder will need the Qt DLLs beside kotira.exe")
  endif()
endif()

set(CPACK_PACKAGE_NAME kotira)
set(CPACK_PACKAGE_VENDOR "KOTIRA")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_INSTALL_DIRECTORY kotira)
set(CPACK_PACKAGE_CONTACT "${KOTIRA_MAINTAINER}")
set(CPACK_PACKAGE_HOMEPAGE_URL "${KOTIRA_HOMEPAGE}")
if(WIN32)
  set(CPACK_GENERATOR ZIP)
elseif(KOTIRA_DEBIAN_BUILD)
  # The package is what `make package` gives (the package preset, build-package/).
  set(CPACK_GENERATOR DEB)
else()
  set(CPACK_GENERATOR TGZ)
endif()
set(CPACK_SOURCE_GENERATOR TGZ)
# One top folder, kotira-1.1-<system>, that is the application folder.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build[^/]*/" "/docs/screenshots/")
# Settings that differ between the package and the folder archives, read by cpack per generator.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/CPackGenerators.cmake)
set(CPACK_KOTIRA_BUILD_DIR ${PROJECT_BINARY_DIR})
set(CPACK_KOTIRA_APP_DIR ${KOTIRA_PACKAGE_APP_DIR})
set(CPACK_KOTIRA_DEBIAN_BUILD ${KOTIRA_DEBIAN_BUILD})
include(CPack)
