# SPDX-License-Identifier: GPL-3.0-or-later
# Run by cpack on the package it has just made (CPACK_POST_BUILD_SCRIPTS). cpack sizes the package
# by following its links, and /usr/bin/kotira -> ../lib/kotira/kotira leads to the build machine's
# own files, so a machine with KOTIRA installed wrote a different Installed-Size. This counts the
# staged files as dpkg-gencontrol does (each file in KiB rounded up, each folder and link 1) and
# writes that into the control archive, which is packed again with fixed owners and times.
set(stage ${CPACK_TEMPORARY_INSTALL_DIRECTORY})
set(size 0)
# The folders the package installs into (etc, usr), and what they hold.
file(GLOB_RECURSE entries LIST_DIRECTORIES true "${stage}/etc/*" "${stage}/usr/*")
list(APPEND entries ${stage}/etc ${stage}/usr)
foreach(entry IN LISTS entries)
  if(IS_SYMLINK "${entry}" OR IS_DIRECTORY "${entry}")
    math(EXPR size "${size} + 1")
  elseif(EXISTS "${entry}")
    file(SIZE "${entry}" bytes)
    math(EXPR size "${size} + (${bytes} + 1023) / 1024")
  endif()
endforeach()

foreach(deb IN LISTS CPACK_PACKAGE_FILES)
  set(work ${CPACK_TOPLEVEL_DIRECTORY}/installed-size)
  file(REMOVE_RECURSE ${work})
  file(MAKE_DIRECTORY ${work}/control)
  execute_process(COMMAND ar x ${deb} WORKING_DIRECTORY ${work} COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND tar -xzf ../control.tar.gz WORKING_DIRECTORY ${work}/control
    COMMAND_ERROR_IS_FATAL ANY)
  file(READ ${work}/control/control control)
  string(REGEX REPLACE "\nInstalled-Size: [0-9]+\n" "\nInstalled-Size: ${size}\n" control "${control}")
  file(WRITE ${work}/control/control "${control}")
  file(REMOVE ${work}/control.tar.gz ${deb})
  execute_process(
    COMMAND tar --sort=name --mtime=@$ENV{SOURCE_DATE_EPOCH} --owner=0 --group=0 --numeric-owner
            -cf ../control.tar .
    WORKING_DIRECTORY ${work}/control COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND gzip -9n control.tar WORKING_DIRECTORY ${work} COMMAND_ERROR_IS_FATAL ANY)
  # D: no time stamps or owners in the archive's headers; the order is the one dpkg wants.
  execute_process(COMMAND ar rcD ${deb} debian-binary control.tar.gz data.tar.gz
    WORKING_DIRECTORY ${work} COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE_RECURSE ${work})
endforeach()
