// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

class BoardEvents;
class QObject;
class WidgetBoard;
class Workspace;
struct ExerciseState;
struct Form1Ui;

// The exercise window's working board, made once after Form1Ui::setupUi(): the workspace
// handlers over the real widgets, with the board's, labels', bars' and palette's pointer events
// and the keypad, size and bar buttons routed to them. The eraser, the navigation buttons and the
// window's activation call ClearBoard().
class Board {
public:
    Board(ExerciseState& state, Form1Ui& ui);
    ~Board();
    Board(const Board&) = delete;
    Board& operator=(const Board&) = delete;

    Workspace& workspace() { return *workspace_; }
    WidgetBoard& view() { return *view_; }
    void ClearBoard();

private:
    Form1Ui& ui_;
    std::unique_ptr<WidgetBoard> view_;
    std::unique_ptr<Workspace> workspace_;
    std::unique_ptr<BoardEvents> events_;
};
