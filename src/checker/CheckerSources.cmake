# SPDX-License-Identifier: GPL-3.0-or-later
# The checker's analysis of content, on Qt Core alone (no caption measuring, no reports): shared by
# kotira_checker and the fuzz targets. Sets KOTIRA_CHECKER_CORE_SOURCES to their full paths.
set(KOTIRA_CHECKER_CORE_SOURCES
  ChoiceCheck.cpp ChoiceCheck.h
  CheckOptions.h
  ContentCheck.cpp ContentCheck.h
  ContentPaths.cpp ContentPaths.h
  ContentReport.cpp ContentReport.h
  ExpressionCheck.cpp ExpressionCheck.h
  Finding.cpp Finding.h
  GroupCheck.cpp GroupCheck.h
  LanguageCheck.cpp LanguageCheck.h
  ListCheck.cpp ListCheck.h
  MediaCheck.cpp MediaCheck.h
  RecordingView.h
  ResultDraws.cpp ResultDraws.h
  Samples.cpp Samples.h
  StatementCheck.cpp StatementCheck.h
  TemplateCheck.cpp TemplateCheck.h
  TextCheck.cpp TextCheck.h)
list(TRANSFORM KOTIRA_CHECKER_CORE_SOURCES PREPEND ${CMAKE_CURRENT_LIST_DIR}/)
