// SPDX-License-Identifier: GPL-3.0-or-later
#include "checker/Finding.h"

QString SeverityWord(Severity severity) {
    return severity == Severity::Error ? QStringLiteral("ERROR") : QStringLiteral("AVISO");
}

void FindingList::add(Severity severity, const QString& code, int line, const QString& token,
                      const QString& effect, const QString& fix) {
    add(Finding{severity, code, file_, line, token, effect, fix});
}

void FindingList::add(Finding finding) {
    int kept = 0;
    for (const Finding& f : findings_)
        kept += f.code == finding.code ? 1 : 0;
    if (kept < MaxFindingsOfAKind) {
        findings_.append(std::move(finding));
        return;
    }
    for (auto& [code, count] : dropped_) {
        if (code == finding.code) {
            ++count;
            return;
        }
    }
    dropped_.append({finding.code, 1});
}

QList<Finding> FindingList::take() {
    for (const auto& [code, count] : dropped_) {
        Severity severity = Severity::Warning;
        for (const Finding& f : findings_) {
            if (f.code == code)
                severity = f.severity;
        }
        findings_.append(Finding{severity, code, file_, 0, QString(),
                                 QStringLiteral("y %1 más del mismo tipo en este fichero").arg(count),
                                 QStringLiteral("corrija los de arriba y vuelva a revisar"), count});
    }
    dropped_.clear();
    return std::exchange(findings_, {});
}
