# SPDX-License-Identifier: GPL-3.0-or-later
# The screenshot driver used by tools/screenshots; built only when asked for.
qt_add_executable(kotira_screenshots EXCLUDE_FROM_ALL ${PROJECT_SOURCE_DIR}/tools/screenshots.cpp)
target_link_libraries(kotira_screenshots PRIVATE kotira_ui)
# Beside the program and its content, since it finds the content as the program does.
set_target_properties(kotira_screenshots PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR})
add_dependencies(kotira_screenshots kotira_content)
