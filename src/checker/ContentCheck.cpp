// SPDX-License-Identifier: GPL-3.0-or-later
#include "checker/ContentCheck.h"

#include "app/AppFolder.h"
#include "app/TextFile.h"
#include "checker/ContentPaths.h"
#include "checker/GroupCheck.h"
#include "checker/LanguageCheck.h"
#include "checker/ListCheck.h"
#include "checker/MediaCheck.h"
#include "checker/TemplateCheck.h"
#include "problems/GenerateProblem.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <map>

namespace {

// How many template names a finding quotes before it only counts the rest.
constexpr int NamesQuoted = 5;

// Whether a list turns a word into a placeholder where the teacher did not mean one: a word not in
// capitals (as placeholders are written; the list's letter case does not count), or a word of a
// shipped template that only a list of the school's folder names (the template was written
// without that list).
bool changesWord(const QString& word, const QString& list, bool shippedTemplate, const QString& site) {
    if (word != word.toUpper())
        return true;
    return shippedTemplate && !site.isEmpty() && list.startsWith(site + u'/') &&
           !IsOrdinaryFile(ResolvePath(AppFolder(),
                                       QString(QStringLiteral("\\datos\\") + word + QStringLiteral(".txt"))));
}

// One finding at each list that changes words where no placeholder was meant, with the templates
// it changes, so that a teacher who adds a list sees every template elsewhere that it changes, also
// when only the teacher's own group is checked. The templates carry their own warning too.
void reportChangedWords(const QList<GroupLayout>& layouts, const QString& site, QList<Finding>& findings) {
    std::map<QString, QStringList> changed; // list path -> templates, in a fixed order
    QHash<QString, QString> asWritten;      // list path -> one word it replaces
    for (const GroupLayout& layout : layouts) {
        for (const QString& path : layout.templates) {
            const std::optional<QStringList> lines = ReadTextLines(path, 1);
            if (!lines || lines->isEmpty())
                continue;
            for (const QString& word : CutWords(lines->first())) {
                const QString list = word.isEmpty() ? QString() : DataListPath(word);
                if (list.isEmpty() || !changesWord(word, list, !layout.report.site, site))
                    continue;
                QStringList& files = changed[list];
                const QString file = RelativeName(path);
                if (!files.contains(file))
                    files << file;
                asWritten.insert(list, word);
            }
        }
    }
    for (auto it = changed.cbegin(); it != changed.cend(); ++it) {
        const QStringList& files = it->second;
        QString names = files.mid(0, NamesQuoted).join(QStringLiteral(", "));
        if (files.size() > NamesQuoted)
            names += QStringLiteral(" y %1 más").arg(files.size() - NamesQuoted);
        const QString& list = it->first;
        // Through a FindingList, which writes out the control characters a folder's name may hold.
        FindingList one(RelativeName(list));
        one.add(Finding{
            Severity::Warning, QStringLiteral("lista-cambia-palabras"), RelativeName(list), 0,
            asWritten.value(list),
            QStringLiteral("esta lista cambia la palabra «%1» por uno de sus elementos en %2 (%3): allí el "
                           "alumno no lee la palabra que se escribió")
                .arg(Shown(asWritten.value(list)),
                     files.size() == 1 ? QStringLiteral("1 plantilla")
                                       : QStringLiteral("%1 plantillas").arg(files.size()),
                     names),
            QStringLiteral(
                "dé a la lista un nombre que no sea una palabra de los enunciados (y escríbalo igual, en "
                "mayúsculas, en sus plantillas)")});
        findings += one.take();
    }
}

// Lists that have an ERROR, by full path, for the templates that draw from them.
void markFaultyLists(ContentReport& report) {
    QSet<QString> faulty;
    for (const Finding& finding : std::as_const(report.findings)) {
        if (finding.severity == Severity::Error)
            faulty.insert(finding.file);
    }
    for (GroupReport& group : report.groups) {
        for (TemplateReport& problem : group.templates) {
            for (const QString& list : std::as_const(problem.lists)) {
                const QString name = RelativeName(list);
                if (faulty.contains(name))
                    problem.faultyLists << name;
            }
        }
    }
}

// The group and list checks walk the "Problemas" and "datos" folders of the application folder;
// pointed at the school's folder for the while this object lives, they walk the school's.
class SiteAsAppFolder {
public:
    explicit SiteAsAppFolder(const QString& site) : appFolder_(AppFolder()) { SetAppFolder(site); }
    ~SiteAsAppFolder() { SetAppFolder(appFolder_); }
    SiteAsAppFolder(const SiteAsAppFolder&) = delete;
    SiteAsAppFolder& operator=(const SiteAsAppFolder&) = delete;

private:
    QString appFolder_;
};

bool namesNoGroups(const Finding& finding) {
    return finding.code == u"sin-grupos" || finding.code == u"sin-problemas";
}

// The groups the program lists: the shipped ones and, when the school has a folder of its own, its
// groups, each replacing a shipped group of the same name (letter case ignored).
QList<GroupLayout> checkGroupFolders(ContentReport& report, const CaptionMeter* meter) {
    QList<GroupLayout> layouts = CheckGroups(report.findings, meter);
    if (report.siteFolder.isEmpty())
        return layouts;
    const QString problems = ResolvePath(report.siteFolder, u"\\Problemas");
    if (!QFileInfo(problems).isDir())
        return layouts;
    QList<Finding> siteFindings;
    QList<GroupLayout> site;
    {
        const SiteAsAppFolder walking(report.siteFolder);
        site = CheckGroups(siteFindings, meter);
    }
    QSet<QString> siteNames;
    for (GroupLayout& layout : site) {
        layout.report.site = true;
        siteNames.insert(layout.report.name.toCaseFolded());
    }
    const qsizetype shipped = layouts.size();
    layouts.removeIf([&](const GroupLayout& layout) {
        const bool replaced = siteNames.contains(layout.report.name.toCaseFolded());
        if (replaced) {
            for (GroupLayout& own : site)
                own.report.replaces = own.report.replaces ||
                                      own.report.name.compare(layout.report.name, Qt::CaseInsensitive) == 0;
        }
        return replaced;
    });
    // "No groups" stands only when neither folder has any.
    if (!site.isEmpty())
        report.findings.removeIf(namesNoGroups);
    if (shipped > 0)
        siteFindings.removeIf(namesNoGroups);
    report.findings += siteFindings;
    layouts += site;
    // As the group list sorts them.
    std::stable_sort(layouts.begin(), layouts.end(), [](const GroupLayout& a, const GroupLayout& b) {
        const int byName = a.report.name.toLower().compare(b.report.name.toLower());
        return byName != 0 ? byName < 0 : a.report.name < b.report.name;
    });
    return layouts;
}

QStringList listNames(const QString& folder) {
    QStringList names;
    for (const QString& name : QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot,
                                                      QDir::Name | QDir::IgnoreCase)) {
        if (name.endsWith(u".txt", Qt::CaseInsensitive))
            names << name;
    }
    return names;
}

// The lists of both folders; a shipped list that a site list of the same name replaces is never
// read by the program, so it is named in a note and not checked.
QList<Finding> checkAllLists(const QSet<QString>& used, ContentReport& report) {
    QList<Finding> findings = CheckLists(used, report.listCount);
    if (report.siteFolder.isEmpty())
        return findings;
    const QString siteDatos = ResolvePath(report.siteFolder, u"\\datos");
    if (!QFileInfo(siteDatos).isDir())
        return findings;
    int siteCount = 0;
    QList<Finding> site;
    {
        const SiteAsAppFolder walking(report.siteFolder);
        site = CheckLists(used, siteCount);
    }
    QSet<QString> siteNames;
    for (const QString& name : listNames(siteDatos))
        siteNames.insert(name.toCaseFolded());
    const QString shippedDatos = AppPath(u"\\datos");
    QStringList replaced;
    for (const QString& name : listNames(shippedDatos)) {
        if (!siteNames.contains(name.toCaseFolded()))
            continue;
        const QString file = RelativeName(shippedDatos + u'/' + name);
        replaced << file;
        findings.removeIf([&](const Finding& finding) { return finding.file == file; });
    }
    report.listCount += siteCount - int(replaced.size());
    if (!replaced.isEmpty()) {
        report.notes << QStringLiteral(
                            "Listas del programa que no se usan porque %1 tiene una del mismo nombre: %2.")
                            .arg(siteDatos, replaced.join(QStringLiteral(", ")));
    }
    return site + findings;
}

} // namespace

QStringList GroupNames() {
    QStringList names;
    for (const GroupFolder& group : GroupFolders())
        names << group.name;
    return names;
}

QString ChooseGroup(const QStringList& names, const QString& asked, QString& error) {
    QStringList starting;
    for (const QString& name : names) {
        if (name.compare(asked, Qt::CaseInsensitive) == 0)
            return name;
        if (name.startsWith(asked, Qt::CaseInsensitive))
            starting << name;
    }
    if (starting.size() == 1)
        return starting.first();
    const auto quoted = [](const QStringList& list) {
        return u'«' + list.join(QStringLiteral("», «")) + u'»';
    };
    if (starting.isEmpty()) {
        error =
            names.isEmpty()
                ? QStringLiteral("no hay ningún grupo «%1»: no hay grupos").arg(asked)
                : QStringLiteral("no hay ningún grupo «%1»; los grupos son: %2").arg(asked, quoted(names));
    } else {
        error = QStringLiteral("hay varios grupos que empiezan por «%1»: %2; escriba más del nombre")
                    .arg(asked, quoted(starting));
    }
    return QString();
}

ContentReport CheckContent(const CheckOptions& options, const CaptionMeter* meter,
                           const CheckProgress& progress) {
    ContentReport report;
    report.appFolder = AppFolder();
    report.group = options.group;
    if (const QString site = SiteFolder(); !site.isEmpty() && QFileInfo(site).isDir())
        report.siteFolder = site;
    QList<GroupLayout> layouts = checkGroupFolders(report, meter);
    QList<Finding> changedWords;
    reportChangedWords(layouts, report.siteFolder, changedWords);
    if (!options.group.isEmpty()) {
        layouts.removeIf([&](const GroupLayout& layout) { return layout.report.name != options.group; });
        report.findings.clear(); // the Problemas folder is not what was asked about
    }
    int total = 0;
    for (const GroupLayout& layout : std::as_const(layouts))
        total += int(layout.templates.size());
    int done = 0;
    QSet<QString> usedLists;
    for (GroupLayout& layout : layouts) {
        for (const QString& path : std::as_const(layout.templates)) {
            layout.report.templates << CheckTemplate(path, options);
            for (const QString& list : std::as_const(layout.report.templates.last().lists))
                usedLists.insert(list);
            if (progress)
                progress(++done, total);
        }
        report.groups << layout.report;
    }
    QList<Finding> lists = checkAllLists(usedLists, report);
    lists += changedWords;
    if (options.group.isEmpty()) {
        report.findings += CheckLanguageFile(meter);
        report.findings += lists;
        report.findings += CheckMedia();
    } else {
        // The lists this group draws from, and nothing else of the folder.
        QSet<QString> used;
        for (const QString& list : std::as_const(usedLists))
            used.insert(RelativeName(list));
        report.listCount = int(used.size());
        for (const Finding& finding : std::as_const(lists)) {
            if (used.contains(finding.file))
                report.findings << finding;
        }
    }
    markFaultyLists(report);
    return report;
}
