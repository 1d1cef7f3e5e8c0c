// SPDX-License-Identifier: GPL-3.0-or-later
#include "checker/ContentCheck.h"

#include "app/AppFolder.h"
#include "checker/GroupCheck.h"
#include "checker/LanguageCheck.h"
#include "checker/ListCheck.h"
#include "checker/MediaCheck.h"
#include "checker/TemplateCheck.h"

#include <QSet>

ContentReport CheckContent(const CheckOptions& options, const CaptionMeter* meter) {
    ContentReport report;
    report.appFolder = AppFolder();
    QSet<QString> usedLists;
    for (GroupLayout& layout : CheckGroups(report.findings)) {
        for (const QString& path : layout.templates) {
            layout.report.templates << CheckTemplate(path, options);
            for (const QString& list : std::as_const(layout.report.templates.last().lists))
                usedLists.insert(list);
        }
        report.groups << layout.report;
    }
    report.findings += CheckLanguageFile(meter);
    report.findings += CheckLists(usedLists, report.listCount);
    report.findings += CheckMedia();
    return report;
}
