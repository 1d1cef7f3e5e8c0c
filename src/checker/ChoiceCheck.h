// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "checker/Finding.h"

#include <QStringList>

// The choices of a choice template (lines 4 onward): the right one is marked by a trailing space.
void CheckChoices(const QStringList& lines, FindingList& findings);
