// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Where --abrir keeps the page: "revision-kotira.html" in the user's own cache folder for this
// program, made readable by the user alone when missing. When there is no usable cache folder, a
// new file of a name no one can foresee in the temporary folder. Empty when neither can be made.
QString OpenedReportPath();

// Writes the page at `path` without following a link planted in its place: the old file, or a link
// of that name, is replaced, never written through.
bool WritePage(const QString& path, const QByteArray& bytes);

// Hands the page to the desktop's browser and watches the opener for at most `waitMs`: xdg-open
// ends with a non-zero status when nothing could open the page, and then the next opener is tried.
// An opener still running after that is taken to be a browser showing the page (some run in the
// foreground) and is left running. False when no opener opened it. Works without a terminal.
bool OpenInBrowser(const QString& path, int waitMs = 10000);

// Tells the teacher, in a window, what `text` says: for a program started from a menu, where
// nobody reads what it prints. Starts this program again on the desktop's own display to show a
// message box from a small library of its own, so Qt Widgets is loaded only then. False when there
// is no display or the message cannot be shown.
bool ShowNoticeWindow(const QString& text, const QByteArray& platform);

// The other half of ShowNoticeWindow, in the process started for it: shows the message box and
// returns its exit status. `argv[0]` is this program's full path.
int RunNoticeWindow(int argc, char* argv[]);
inline constexpr char NoticeOption[] = "--aviso-en-ventana";
