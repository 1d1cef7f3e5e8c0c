# SPDX-License-Identifier: GPL-3.0-or-later
# The sources of kotira_core, the Qt Core-only library that the program, the checker and the fuzz
# targets share. Sets KOTIRA_CORE_SOURCES to their full paths.
set(KOTIRA_CORE_SOURCES
  app/AppFolder.cpp app/AppFolder.h
  app/LanguageFile.cpp app/LanguageFile.h
  app/NumericValue.cpp app/NumericValue.h
  app/TextFile.cpp app/TextFile.h
  problems/ExerciseState.h
  problems/GenerateProblem.cpp problems/GenerateProblem.h
  problems/ProblemView.h
  problems/RandomSource.cpp problems/RandomSource.h
  exercise/ProblemNavigation.cpp exercise/ProblemNavigation.h
  exercise/Verdict.cpp exercise/Verdict.h
  report/ReportFile.cpp report/ReportFile.h)
list(TRANSFORM KOTIRA_CORE_SOURCES PREPEND ${CMAKE_CURRENT_LIST_DIR}/)
