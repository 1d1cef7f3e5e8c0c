// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/Workspace.h"

#include "app/Cue.h"
#include "exercise/BoardView.h"
#include "problems/ExerciseState.h"

#include <cfenv>
#include <cmath>

Workspace::Workspace(ExerciseState& state, BoardView& view) : state_(state), view_(view) {}

int Workspace::half(double s) {
    // nearbyint in the default rounding mode: to nearest, halves to the even neighbour.
    return static_cast<int>(static_cast<long long>(std::nearbyint(s)) / 2);
}

QColor Workspace::PenColor() const {
    const long color = static_cast<long>(state_.PenRed) + 256L * state_.PenGreen + 65536L * state_.PenBlue;
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

// Keypad: a new symbol label hangs on the pointer; it stays hidden until the pointer crosses the
// bare board.
void Workspace::Command2_Click(int Index) {
    PlayCue(u"\\sonidos\\num.WAV");
    state_.BarMode = false;
    if (state_.FirstLabelUsed) {
        state_.LastLabel = state_.LastLabel + 1;
        view_.CreateLabel(state_.LastLabel);
    } else {
        state_.FirstLabelUsed = true;
    }
    view_.SetLabelText(state_.LastLabel, view_.KeyCaption(Index));
    view_.RepaintBoard();
    state_.CarryingLabel = true;
    state_.DragAllowed = false;
}

// Symbol size. Each step stands on its own: a step that cannot be done (the view leaves a missing
// label alone and reports size 0 for it) does not stop the next one.
void Workspace::Command3_Click() {
    PlayCue(u"\\sonidos\\operacion.WAV");
    double size = view_.LabelFontSize(0) + 4;
    if (size > 60)
        size = 18;
    for (int i = 0; i <= state_.LastLabel; ++i)
        view_.SetLabelFontSize(i, size);
    view_.RepaintBoard();
}

// Bar button: arms a bar. Element 0 serves the first time of the window's life; afterwards each
// arming from the unarmed state makes a new element.
void Workspace::Command4_Click() {
    PlayCue(u"\\sonidos\\operacion.WAV");
    if (!state_.FirstBarUsed) {
        state_.FirstBarUsed = true;
    } else if (!state_.BarMode) {
        state_.LastBar = state_.LastBar + 1;
        view_.CreateBar(state_.LastBar);
    }
    state_.BarMode = true;
}

void Workspace::Label1_Click(int Index) {
    Q_UNUSED(Index);
    if (state_.BarMode)
        return;
    state_.CarryingLabel = false;
    state_.DragAllowed = true;
}

void Workspace::Label1_DblClick(int Index) {
    view_.SetAnswerText(view_.AnswerText() + view_.LabelText(Index));
}

void Workspace::Label1_MouseMove(int Index, int Button, int Shift, double X, double Y) {
    Q_UNUSED(Shift);
    if (state_.BarMode)
        return;
    if (state_.CarryingLabel)
        MoveLabelCentred(state_.LastLabel, X, Y); // the carried label, whichever label reported
    else if (state_.DragAllowed && Button != 0)
        MoveLabelCentred(Index, X, Y);
}

void Workspace::MoveLabelCentred(int i, double X, double Y) {
    view_.SetLabelColor(i, PenColor());
    view_.SetLabelTop(i, view_.LabelTop(i) + Y - half(view_.LabelHeight(i)));
    view_.SetLabelLeft(i, view_.LabelLeft(i) + X - half(view_.LabelWidth(i)));
}

void Workspace::Picture2_MouseDown(int Button, int Shift, double X, double Y) {
    Q_UNUSED(Button);
    Q_UNUSED(Shift);
    // A press on the bare board drops a carried label without allowing dragging.
    state_.CarryingLabel = false;
    if (!state_.BarMode)
        return;
    state_.BarStartX = X;
    state_.BarStartY = Y;
    view_.SetBarVisible(state_.LastBar, true);
    view_.SetBarTop(state_.LastBar, Y);
    view_.SetBarLeft(state_.LastBar, X);
}

void Workspace::Picture2_MouseMove(int Button, int Shift, double X, double Y) {
    Q_UNUSED(Shift);
    if (!state_.BarMode) {
        if (state_.CarryingLabel) {
            view_.SetLabelVisible(state_.LastLabel, true);
            view_.SetLabelTop(state_.LastLabel, Y);
            view_.SetLabelLeft(state_.LastLabel, X);
        }
        return;
    }
    if (Button == 0)
        return;
    view_.SetBarColor(state_.LastBar, PenColor());
    StretchBar(X);
}

void Workspace::Picture2_MouseUp(int Button, int Shift, double X, double Y) {
    Q_UNUSED(Button);
    Q_UNUSED(Shift);
    Q_UNUSED(Y);
    if (!state_.BarMode)
        return;
    view_.SetBarTop(state_.LastBar, state_.BarStartY);
    StretchBar(X);
    state_.BarMode = false;
}

// The armed bar spans from the start point to X, whichever side X lies on.
void Workspace::StretchBar(double X) {
    const int b = state_.LastBar;
    if (state_.BarStartX < X) {
        view_.SetBarLeft(b, state_.BarStartX);
        view_.SetBarWidth(b, X - state_.BarStartX);
    } else {
        view_.SetBarLeft(b, X);
        view_.SetBarWidth(b, state_.BarStartX - X);
    }
}

void Workspace::Picture3_MouseMove(int Index, int Button, int Shift, double X, double Y) {
    Q_UNUSED(Shift);
    if (state_.BarMode || Button == 0)
        return;
    view_.SetBarColor(Index, PenColor());
    view_.SetBarTop(Index, view_.BarTop(Index) + Y - half(view_.BarHeight(Index)));
    view_.SetBarLeft(Index, view_.BarLeft(Index) + X - half(view_.BarWidth(Index)));
}

void Workspace::Picture4_MouseDown(int Button, int Shift, double X, double Y) {
    Q_UNUSED(Button);
    Q_UNUSED(Shift);
    const QColor c = view_.PaletteColorAt(X, Y);
    state_.PenRed = c.red();
    state_.PenGreen = c.green();
    state_.PenBlue = c.blue();
}

void Workspace::ClearBoard() {
    for (int i = 1; i <= state_.LastLabel; ++i)
        view_.DestroyLabel(i);
    for (int i = 1; i <= state_.LastBar; ++i)
        view_.DestroyBar(i);
    view_.SetLabelVisible(0, false);
    view_.SetBarVisible(0, false);
    state_.LastLabel = 0;
    state_.LastBar = 0;
}
