#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

#include <functional>

// The four windows register themselves here when they are created, so that the program can tell
// its own windows from other applications' and close them all when it ends.
void RegisterProgramWindow(QWidget* window);
QList<QWidget*> ProgramWindows();
bool IsProgramWindow(const QWidget* window);

// Ends the program at once: every window is hidden and deleted, every cue and animation stopped,
// and the event loop is told to quit. No further handler of any window runs.
void EndProgram();

// Tests replace the ending (they keep their own event loop) and see that it was asked for.
void SetEndProgramHook(std::function<void()> hook);
