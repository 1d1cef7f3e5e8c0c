// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>

class QMouseEvent;
class Workspace;
class WidgetBoard;
struct Form1Ui;

// Routes the pointer events of the board, its labels and bars and the palette to the workspace
// handlers, with positions in twips (the board's frame for the board, the offset inside the
// element for labels and bars, the palette's frame for the palette) and Button as the set
// 1 left, 2 right, 4 middle. Also connects the keypad, the size button and the bar button.
//
// A label's click is a release inside the label after a press on it, and comes before the
// double click: Qt sends press, release, double click, release, and the click runs at the first
// release. The widgets keep Qt's implicit grab: while a button is held, moves go on reaching the
// element that was pressed.
class BoardEvents : public QObject {
    Q_OBJECT

public:
    BoardEvents(Form1Ui& ui, WidgetBoard& board, Workspace& workspace, QObject* parent = nullptr);

    // Set of held buttons, or the one button of a press or release, as 1 left, 2 right, 4 middle.
    static int ButtonSet(Qt::MouseButtons buttons);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool BoardEvent(QMouseEvent* event);
    bool LabelEvent(int index, QObject* label, QMouseEvent* event);
    bool BarEvent(int index, QMouseEvent* event);
    bool PaletteEvent(QMouseEvent* event);

    Form1Ui& ui_;
    WidgetBoard& board_;
    Workspace& workspace_;
    QPointer<QObject> pressedLabel_; // the label a click may still complete on
    QPointer<QObject> lastPressed_;  // where the last press went, to tell double clicks apart
};
