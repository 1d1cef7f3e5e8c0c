// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "checker/Finding.h"

#include <QList>
#include <QSet>
#include <QString>

struct TemplateReading;

// The data lists of the "datos" folder: unreadable, empty, blank lines, more lines than are ever
// drawn, bytes that are not text, names the system cannot read. `used` holds the full paths of the
// lists some template draws from. Sets `listCount` to the number of lists found.
QList<Finding> CheckLists(const QSet<QString>& used, int& listCount);

// For a template: every list its statement draws from that has an ERROR gets one finding in the
// template that points at the list's own finding, so that the template is not called faultless.
void ReportListsWithErrors(const TemplateReading& reading, FindingList& findings);
