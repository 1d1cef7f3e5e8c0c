// SPDX-License-Identifier: GPL-3.0-or-later
#include "checker/ContentReport.h"

int ContentReport::templateCount() const {
    int templates = 0;
    for (const GroupReport& group : groups)
        templates += int(group.templates.size());
    return templates;
}

int ContentReport::count(Severity severity) const {
    int total = 0;
    const auto countIn = [&](const QList<Finding>& findings) {
        for (const Finding& finding : findings)
            total += finding.severity == severity ? finding.times : 0;
    };
    countIn(findings);
    for (const GroupReport& group : groups) {
        countIn(group.findings);
        for (const TemplateReport& report : group.templates)
            countIn(report.findings);
    }
    return total;
}
