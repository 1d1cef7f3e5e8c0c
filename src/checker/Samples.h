// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "checker/ContentReport.h"

// `count` problems made from the template by the program's own generator, starting from `seed`.
QList<Sample> MakeSamples(const QString& templatePath, int count, quint32 seed);
