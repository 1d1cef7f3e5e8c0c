# SPDX-License-Identifier: GPL-3.0-or-later
# The outline tool used by tools/outline-artwork; built only when asked for.
qt_add_executable(kotira_svg_outline EXCLUDE_FROM_ALL ${PROJECT_SOURCE_DIR}/tools/svg_outline.cpp)
target_link_libraries(kotira_svg_outline PRIVATE Qt6::Gui)
set_target_properties(kotira_svg_outline PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR})
