// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "windows/Form4Ui.h"

#include <QPoint>
#include <QSize>
#include <QWidget>

// The start-up window: the title picture, frameless and centred. A click anywhere on it opens the
// group-selection window, plays its cue and unloads this window for good.
class Form4 : public QWidget {
    Q_OBJECT

public:
    // The instance, created and loaded (Form_Load) on first use.
    static Form4& Instance();
    // The instance while it is loaded, else nullptr. Right after its click it is already nullptr.
    static Form4* Existing();
    // Destroys the instance at once; for tests and the program's end.
    static void Unload();

    Form4Ui ui;

    // Handlers, named after their control and event.
    void Form_Load();
    void Form_Click();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Form4();
    ~Form4() override;

    bool pressed_ = false;
};

// Where a window of the given outer size goes to be centred on a screen of the given size, both
// in pixels: left = (screen width - window width) \ 2 and top likewise, worked in twips with the
// halving truncated toward zero, as the windows' load handlers place themselves.
QPoint CentredPosition(QSize screen, QSize window);
// Moves a top-level window to that place on the primary screen, by the size of its whole frame; its
// size is left as it is. A window with a title bar that is not shown yet is centred again when it
// is first shown and the window system has given it its frame.
void CentreOnScreen(QWidget* window);

// The program's start: names the application, gives it its icon and shows the start-up window.
void StartProgram();
// The program's end, after the event loop has returned: destroys every window that is still
// loaded and releases the cues, while the application object still exists.
void UnloadProgramWindows();
