// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

// Program-wide state shared by the windows.
namespace Module1 {

// Full path of the chosen group folder, without a trailing separator.
inline QString GroupPath;
// Position of the chosen group in the group list.
inline qint16 GroupIndex = 0;
// First text of the report (line 7 of the language file).
inline QString ReportTitle;

} // namespace Module1
