// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

struct ExerciseState;
class BoardView;

// The board's handlers: symbol labels from the keypad, their size, bars, the pen colour and the
// clearing of the board. Pointer positions are twips: the board frame for Picture2_*, the offset
// inside the element for Label1_* and Picture3_*, the palette frame for Picture4_*. Button is the
// set of buttons (1 left, 2 right, 4 middle); Shift is never used.
class Workspace {
public:
    Workspace(ExerciseState& state, BoardView& view);

    void Command2_Click(int Index);
    void Command3_Click();
    void Command4_Click();

    void Label1_Click(int Index);
    void Label1_DblClick(int Index);
    void Label1_MouseMove(int Index, int Button, int Shift, double X, double Y);

    void Picture2_MouseDown(int Button, int Shift, double X, double Y);
    void Picture2_MouseMove(int Button, int Shift, double X, double Y);
    void Picture2_MouseUp(int Button, int Shift, double X, double Y);

    void Picture3_MouseMove(int Index, int Button, int Shift, double X, double Y);
    void Picture4_MouseDown(int Button, int Shift, double X, double Y);

    // Removes labels 1..LastLabel and bars 1..LastBar, hides both elements 0, zeroes the counters.
    void ClearBoard();

    // s rounded to the nearest whole number (a half to the even neighbour), then halved with the
    // remainder dropped: the offset that centres an element of size s on the pointer.
    static int half(double s);

    // red + 256 * green + 65536 * blue, as a colour.
    QColor PenColor() const;

    ExerciseState& state() { return state_; }
    BoardView& view() { return view_; }

private:
    void MoveLabelCentred(int i, double X, double Y);
    void StretchBar(double X);

    ExerciseState& state_;
    BoardView& view_;
};
