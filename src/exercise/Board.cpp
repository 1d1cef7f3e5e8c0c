// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/Board.h"

#include "exercise/BoardEvents.h"
#include "exercise/WidgetBoard.h"
#include "exercise/Workspace.h"
#include "windows/BoardWidget.h"
#include "windows/Form1Ui.h"

Board::Board(ExerciseState& state, Form1Ui& ui)
    : ui_(ui), view_(std::make_unique<WidgetBoard>(ui)),
      workspace_(std::make_unique<Workspace>(state, *view_)),
      events_(std::make_unique<BoardEvents>(ui, *view_, *workspace_)) {}

// The router goes first: once it is gone no event reaches the workspace.
Board::~Board() {
    events_.reset();
}

// Each element taken off a showing board would add its rectangle to the board's dirty region,
// a cost that grows with the region; with updates off the board is repainted once, whole.
void Board::ClearBoard() {
    const bool updating = ui_.Picture2 && ui_.Picture2->updatesEnabled();
    if (updating)
        ui_.Picture2->setUpdatesEnabled(false);
    workspace_->ClearBoard();
    if (updating)
        ui_.Picture2->setUpdatesEnabled(true);
}
