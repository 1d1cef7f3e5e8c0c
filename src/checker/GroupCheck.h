// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "checker/ContentReport.h"

#include <QStringList>

class CaptionMeter;

// The "Problemas" folder and its groups as the program lists and walks them. Returns one report per
// group, with the group's own findings (empty or unreadable group, numbering gaps, stray files, a
// name too wide for the group list) and, in `templates`, the full path of every template file
// found, in number order; the templates are not read here. Findings about "Problemas" itself go to
// `findings`. Without a meter, group names are not measured.
struct GroupLayout {
    GroupReport report;
    QStringList templates;
};
QList<GroupLayout> CheckGroups(QList<Finding>& findings, const CaptionMeter* meter = nullptr);
// One group folder, as CheckGroups checks each.
GroupLayout CheckGroup(const QString& folder, const CaptionMeter* meter = nullptr);

// A folder that exists but cannot be listed (permissions): one finding saying so and what the
// program does then (`effect`). True when the folder could not be listed.
bool ReportUnreadableFolder(const QString& folder, const QString& effect, FindingList& findings);
// Entries of `folder` whose names are not valid in the system's encoding (Windows-1252 bytes left
// by unzipping a Windows archive on a UTF-8 system): neither the program nor this checker sees
// them. One finding each, naming the entry as the teacher wrote it, what is lost (`lost`) and how to
// rename it. Returns how many there were.
int ReportUndecodableNames(const QString& folder, const QString& lost, FindingList& findings);
