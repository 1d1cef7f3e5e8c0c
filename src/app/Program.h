// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

#include <functional>

// The four windows register themselves here when they are created, so that the program can tell
// its own windows from other applications' and close them all when it ends.
// A window that passes onActivate has it called whenever it becomes the program's active window
// coming from another of the program's windows (not when the pupil switches back from another
// application, which changes nothing for the program).
void RegisterProgramWindow(QWidget* window, std::function<void()> onActivate = {});
QList<QWidget*> ProgramWindows();
bool IsProgramWindow(const QWidget* window);

// The program's own notion of its active window, kept apart from the desktop's focus: the program
// changes it when it shows one of its windows, and the pupil changes it by clicking another of
// the program's windows. MakeActiveProgramWindow returns true when the window was not already
// the active one (the window's onActivate is not called by it; the caller decides).
bool MakeActiveProgramWindow(QWidget* window);
QWidget* ActiveProgramWindow();

// Shows a window, brings it to the front and asks the desktop to activate it.
void BringToFront(QWidget* window);

// Ends the program at once: every window is hidden, every cue released, and the event loop is
// told to quit; main() then deletes the windows. No further handler of any window runs.
void EndProgram();

// Tests replace the ending (they keep their own event loop) and see that it was asked for.
void SetEndProgramHook(std::function<void()> hook);
