# Installation and packaging.
#
# The program finds everything it reads beside its own file, so an installation is one folder
# holding the program and its content, which can be moved or unpacked anywhere:
#
#   <prefix>/kotira                    the program (kotira.exe on Windows)
#   <prefix>/Problemas, datos, configuracion, sonidos, gifs   the content
#   <prefix>/kotira.svg                the icon
#   <prefix>/kotira.desktop            desktop entry (Linux)
#   <prefix>/install-desktop-entry     puts that entry, with this folder's path, in the menu
#
#   cmake --install build --prefix /opt/kotira
#   cpack --config build/CPackConfig.cmake      (kotira-1.1-Linux.tar.gz, one top folder)
#
# On Linux Qt comes from the system (Debian: libqt6widgets6, libqt6multimedia6, libqt6svg6 and a
# multimedia backend such as qt6-multimedia's ffmpeg plugin). On Windows the same build installs
# kotira.exe at the top of the folder and, when windeployqt is found, runs it on the installed
# program so the Qt libraries and plugins land beside it; the content names keep their letters
# as shipped and the program matches them without regard to case, as Windows does.

set(KOTIRA_INSTALL_DIR .)

install(TARGETS kotira
  RUNTIME DESTINATION ${KOTIRA_INSTALL_DIR}
  BUNDLE DESTINATION ${KOTIRA_INSTALL_DIR})

# content/ holds the folders themselves (Problemas, datos, ...); the trailing slash installs
# what is in it rather than a folder named content.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/content/
  DESTINATION ${KOTIRA_INSTALL_DIR}
  USE_SOURCE_PERMISSIONS)

install(FILES ${PROJECT_SOURCE_DIR}/resources/kotira.svg DESTINATION ${KOTIRA_INSTALL_DIR} OPTIONAL)

if(UNIX AND NOT APPLE)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/kotira.desktop DESTINATION ${KOTIRA_INSTALL_DIR})
  install(PROGRAMS ${PROJECT_SOURCE_DIR}/packaging/install-desktop-entry DESTINATION ${KOTIRA_INSTALL_DIR})
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
        COMMAND_ERROR_IS_FATAL ANY)")
  else()
    message(WARNING "windeployqt not found: the installed folder will need the Qt DLLs beside kotira.exe")
  endif()
endif()

set(CPACK_PACKAGE_NAME kotira)
set(CPACK_PACKAGE_VENDOR "KOTIRA")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_INSTALL_DIRECTORY kotira)
if(WIN32)
  set(CPACK_GENERATOR ZIP)
else()
  set(CPACK_GENERATOR TGZ)
endif()
set(CPACK_SOURCE_GENERATOR TGZ)
# One top folder, kotira-1.1-<system>, that is the application folder.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build[^/]*/" "/docs/screenshots/")
include(CPack)
