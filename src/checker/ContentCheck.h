// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "checker/CheckOptions.h"
#include "checker/ContentReport.h"

#include <QStringList>
#include <functional>

class CaptionMeter;

// Told after each template is checked: how many are done out of how many.
using CheckProgress = std::function<void(int done, int total)>;

// Checks the content beneath the application folder (AppFolder(); set it first) the way the
// program reads it: groups and templates, data lists, the language file, sounds and animations.
// With options.group set, only that group and the lists it uses.
ContentReport CheckContent(const CheckOptions& options, const CaptionMeter* meter = nullptr,
                           const CheckProgress& progress = {});

// The names of the groups the program lists, in its order.
QStringList GroupNames();

// The group a teacher asked for with --grupo: the one of that name (letter case ignored), or else
// the only one whose name starts with it. Empty, with `error` in Spanish, when none or several do.
QString ChooseGroup(const QStringList& names, const QString& asked, QString& error);
