// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The controls whose captions come from the language file, as the windows lay them out: place and
// size in twips, and the Arial font they show the caption in. The windows build the controls from
// these, and the teachers' checker measures the teacher's captions against them.
struct CaptionBox {
    double left;
    double top;
    double width;
    double height;
    double points;
    bool bold;
};

// Group window: the confirm button (language line 1) and the heading above the list (line 2).
inline constexpr CaptionBox Form2Command1Box{120, 5400, 6495, 1095, 27.75, true};
inline constexpr CaptionBox Form2Label2Box{240, 120, 4215, 375, 12, true};
// The group list itself, whose entries are the group folders' names.
inline constexpr CaptionBox Form2List1Box{120, 480, 6495, 4845, 18, true};
// Exercise window: the check button (lines 3, 4 and 5).
inline constexpr CaptionBox Form1Command8Box{9240, 7800, 2415, 495, 14.25, true};

// A picture button paints its caption inside a bevel this many pixels wide on every side.
inline constexpr int ButtonBevelPx = 2;
