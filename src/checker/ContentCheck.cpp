#include "checker/ContentCheck.h"

#include "app/AppFolder.h"
#include "app/TextFile.h"
#include "checker/GroupCheck.h"
#include "checker/LanguageCheck.h"
#include "checker/ListCheck.h"
#include "checker/MediaCheck.h"
#include "checker/TemplateCheck.h"
#include "problems/GenerateProblem.h"

#include <QSet>

namespace {

// The lists a template draws from, as the generator finds them.
void addListsOf(const QString& templatePath, QSet<QString>& used) {
    const std::optional<QStringList> lines = ReadTextLines(templatePath, 1);
    if (!lines || lines->isEmpty())
        return;
    for (const QString& word : CutWords(lines->first())) {
        const QString list = DataListPath(word);
        if (!list.isEmpty())
            used.insert(list);
    }
}

} // namespace

ContentReport CheckContent(const CheckOptions& options, const CaptionMeter* meter) {
    ContentReport report;
    report.appFolder = AppFolder();
    QSet<QString> usedLists;
    for (GroupLayout& layout : CheckGroups(report.findings)) {
        for (const QString& path : layout.templates) {
            layout.report.templates << CheckTemplate(path, options);
            addListsOf(path, usedLists);
        }
        report.groups << layout.report;
    }
    report.findings += CheckLanguageFile(meter);
    report.findings += CheckLists(usedLists, report.listCount);
    report.findings += CheckMedia();
    return report;
}
