# SPDX-License-Identifier: GPL-3.0-or-later
# Read by cpack once per generator (CPACK_PROJECT_CONFIG_FILE). The Debian package lays the
# application folder out in /usr/lib/kotira and adds the system component under /usr; the archives
# keep the relocatable folder (the app and folder components, the default install).
if(CPACK_GENERATOR STREQUAL "DEB")
  if(NOT CPACK_KOTIRA_DEBIAN_BUILD)
    message(FATAL_ERROR "The Debian package comes from the package build: run `make package` "
      "(cmake --preset package; cmake --build build-package; cpack --config build-package/CPackConfig.cmake)")
  endif()
  set(CPACK_PACKAGING_INSTALL_PREFIX /)
  set(CPACK_INSTALL_CMAKE_PROJECTS
    "${CPACK_KOTIRA_BUILD_DIR};kotira;app;${CPACK_KOTIRA_APP_DIR}"
    "${CPACK_KOTIRA_BUILD_DIR};kotira;etc;/etc/kotira"
    "${CPACK_KOTIRA_BUILD_DIR};kotira;system;/usr")
  # The programs are stripped by their install rule as Debian strips them (cmake/DebianPackage.cmake).
  set(CPACK_STRIP_FILES OFF)
  # Every file time in the package is the release's, so the same sources give the same package.
  set(ENV{SOURCE_DATE_EPOCH} "${CPACK_KOTIRA_SOURCE_DATE_EPOCH}")
  set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/DebianInstalledSize.cmake)
endif()
