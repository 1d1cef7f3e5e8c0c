// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>

// The language file "\configuracion\idioma.txt": interface texts, one per line, by position.
// Line 1 confirm button and line 2 heading of the group window; line 3 the check button's caption,
// lines 4 and 5 its captions after a right and a wrong answer; line 6 the exit question; line 7
// the report title. Lines after the seventh are ignored.

struct GroupWindowTexts {
    QString buttonCaption; // line 1
    QString heading;       // line 2
};

// The group window's reading. Both texts are taken from one working value that keeps the last
// line read, so a missing file leaves both empty, a one-line file gives line 1 to both, and an
// empty line 2 gives an empty heading.
GroupWindowTexts ReadGroupWindowTexts();

// The exercise window's reading: lines 3 to 7 into langText[0..2], exitQuestion and reportTitle.
// A line the file does not have leaves its target as it was; a missing file leaves all of them.
void ReadExerciseWindowTexts(std::array<QString, 3>& langText, QString& exitQuestion, QString& reportTitle);
