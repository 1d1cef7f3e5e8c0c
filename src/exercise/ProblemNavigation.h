// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// The template number after a press of an arrow: Index 0 previous, 1 next, wrapping by equality
// against the number of files in the group folder, so a number beyond it keeps counting.
qint16 MoveProblemNumber(qint16 number, int Index, int fileCount);
