// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "checker/Finding.h"

#include <QList>
#include <QSet>
#include <QString>

// The data lists of the "datos" folder: unreadable, empty, blank lines, more lines than are ever
// drawn, bytes that are not text. `used` holds the full paths of the lists some template draws
// from. Sets `listCount` to the number of lists found.
QList<Finding> CheckLists(const QSet<QString>& used, int& listCount);
