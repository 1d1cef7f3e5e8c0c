// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where --abrir keeps the page: the user's cache folder for this program (made when missing).
QString OpenedReportPath();

// Hands the page to the desktop's browser without waiting for it; false when nothing could be
// started. Works without a terminal (from a menu entry).
bool OpenInBrowser(const QString& path);
