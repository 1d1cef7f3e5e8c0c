// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "checker/ContentReport.h"

#include <QStringList>

// The "Problemas" folder and its groups as the program lists and walks them. Returns one report per
// group, with the group's own findings (empty group, numbering gaps, stray files) and, in
// `templates`, the full path of every template file found, in number order; the templates are not
// read here. Findings about "Problemas" itself go to `findings`.
struct GroupLayout {
    GroupReport report;
    QStringList templates;
};
QList<GroupLayout> CheckGroups(QList<Finding>& findings);
