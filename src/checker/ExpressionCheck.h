// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "checker/Finding.h"

#include <QStringList>

struct TemplateReading;

// Line 2 of a numeric template, token by token, as the generator reads it: operands that give no
// value or a surprising one, operators out of place or unknown, more operands than are kept, a
// division that can be by zero.
void CheckExpression(const QStringList& lines, const TemplateReading& reading, FindingList& findings);
