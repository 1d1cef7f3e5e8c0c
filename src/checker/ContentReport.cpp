// SPDX-License-Identifier: GPL-3.0-or-later
#include "checker/ContentReport.h"

namespace {

int countIn(const QList<Finding>& findings, Severity severity) {
    int total = 0;
    for (const Finding& finding : findings)
        total += finding.severity == severity ? finding.times : 0;
    return total;
}

} // namespace

bool GroupReport::hasFindings() const {
    if (!findings.isEmpty())
        return true;
    for (const TemplateReport& problem : templates) {
        if (problem.hasFindings())
            return true;
    }
    return false;
}

int GroupReport::count(Severity severity) const {
    int total = countIn(findings, severity);
    for (const TemplateReport& problem : templates)
        total += countIn(problem.findings, severity);
    return total;
}

int ContentReport::templateCount() const {
    int templates = 0;
    for (const GroupReport& group : groups)
        templates += int(group.templates.size());
    return templates;
}

int ContentReport::count(Severity severity) const {
    int total = countIn(findings, severity);
    for (const GroupReport& group : groups)
        total += group.count(severity);
    return total;
}
