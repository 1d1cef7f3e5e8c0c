#include "exercise/Board.h"

#include "exercise/BoardEvents.h"
#include "exercise/WidgetBoard.h"
#include "exercise/Workspace.h"

Board::Board(ExerciseState& state, Form1Ui& ui)
    : view_(std::make_unique<WidgetBoard>(ui)), workspace_(std::make_unique<Workspace>(state, *view_)),
      events_(std::make_unique<BoardEvents>(ui, *view_, *workspace_)) {}

// The router goes first: once it is gone no event reaches the workspace.
Board::~Board() {
    events_.reset();
}

void Board::ClearBoard() {
    workspace_->ClearBoard();
}
