# SPDX-License-Identifier: GPL-3.0-or-later
# The flags of a Debian package build, from dpkg-buildflags: optimisation, the hardening options
# (stack protector, fortified functions, relro, bind-now, PIE) and the reproducible-build ones,
# which map the source folder (the working folder given here) to "." in what the compiler writes.
# DEB_BUILD_MAINT_OPTIONS and DEB_BUILD_OPTIONS from the environment are honoured as dpkg reads
# them; bind-now, off in Debian's defaults, is asked for unless the environment says otherwise.
if(NOT DEFINED ENV{DEB_BUILD_MAINT_OPTIONS})
  set(ENV{DEB_BUILD_MAINT_OPTIONS} "hardening=+all")
endif()
foreach(kind IN ITEMS CPPFLAGS CXXFLAGS LDFLAGS)
  execute_process(COMMAND dpkg-buildflags --get ${kind}
    WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}
    OUTPUT_VARIABLE KOTIRA_DPKG_${kind}
    OUTPUT_STRIP_TRAILING_WHITESPACE
    COMMAND_ERROR_IS_FATAL ANY)
endforeach()
# Without -g: the package is stripped and has no debug-symbols companion, so the debug information
# would only cost build time.
string(REGEX REPLACE "(^| )-g( |$)" "\\1" KOTIRA_DPKG_CXXFLAGS "${KOTIRA_DPKG_CXXFLAGS}")
set(CMAKE_CXX_FLAGS_INIT "${KOTIRA_DPKG_CPPFLAGS} ${KOTIRA_DPKG_CXXFLAGS}")
set(CMAKE_EXE_LINKER_FLAGS_INIT "${KOTIRA_DPKG_LDFLAGS}")
# Also for a library the programs load at run time from the application folder.
set(CMAKE_SHARED_LINKER_FLAGS_INIT "${KOTIRA_DPKG_LDFLAGS}")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "${KOTIRA_DPKG_LDFLAGS}")
