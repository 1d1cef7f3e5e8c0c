# Read by cpack once per generator (CPACK_PROJECT_CONFIG_FILE). The Debian package lays the
# application folder out in /opt/kotira and adds the system component under /usr; the archives
# keep the relocatable folder (the app and folder components, the default install).
if(CPACK_GENERATOR STREQUAL "DEB")
  set(CPACK_PACKAGING_INSTALL_PREFIX /)
  set(CPACK_INSTALL_CMAKE_PROJECTS
    "${CPACK_KOTIRA_BUILD_DIR};kotira;app;${CPACK_KOTIRA_APP_DIR}"
    "${CPACK_KOTIRA_BUILD_DIR};kotira;system;/usr")
  set(CPACK_STRIP_FILES ON)
endif()
