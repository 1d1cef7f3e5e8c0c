// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercise/Board.h"
#include "problems/ExerciseState.h"
#include "windows/Form1Ui.h"

#include <QWidget>

#include <memory>

// The exercise window's controls and board on a plain shown widget, without the window's own
// start: what the board tests drive.
struct BoardWindow {
    QWidget form;
    Form1Ui ui;
    ExerciseState state;
    std::unique_ptr<Board> board;

    BoardWindow() {
        ui.setupUi(&form);
        board = std::make_unique<Board>(state, ui);
        form.move(0, 0);
        form.show();
    }
};
