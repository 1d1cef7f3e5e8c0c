// SPDX-License-Identifier: GPL-3.0-or-later
#include "checker/TextReport.h"

#include "app/NumericValue.h"
#include "checker/ResultDraws.h"

#include <cmath>

namespace {

QString percentOf(int part, int whole) {
    return QString::number(whole > 0 ? 100.0 * part / whole : 0, 'f', 0) + QStringLiteral(" %");
}

void appendFindings(QString& out, const QList<Finding>& findings, const QString& indent) {
    for (const Finding& finding : findings)
        out += indent + FindingLine(finding) + u'\n';
}

QString groupTitle(const GroupReport& group) {
    return QStringLiteral("Grupo «%1» (%2)").arg(group.name, GroupPlace(group));
}

QString groupCounts(const GroupReport& group) {
    const QString counts = CountsText(group.count(Severity::Error), group.count(Severity::Warning));
    return counts.isEmpty() ? QStringLiteral("usa una lista con un ERROR") : counts;
}

QString fileCounts(const FileFindings& file) {
    int errors = 0;
    int warnings = 0;
    for (const Finding& finding : file.findings)
        (finding.severity == Severity::Error ? errors : warnings) += finding.times;
    return CountsText(errors, warnings);
}

void appendTemplate(QString& out, const TemplateReport& problem) {
    out += QStringLiteral("  %1 · %2").arg(problem.file, TemplateKind(problem));
    if (problem.estimate.attempts > 0)
        out += QStringLiteral(" · ") + EstimateLine(problem.estimate);
    out += u'\n';
    appendFindings(out, problem.findings, QStringLiteral("    "));
    for (const QString& list : UnnamedFaultyLists(problem))
        out += QStringLiteral("    Usa %1, que tiene un ERROR (véalo en su apartado).\n").arg(list);
    if (!problem.hasFindings())
        out += QStringLiteral("    Sin fallos.\n");
    for (qsizetype i = 0; i < problem.samples.size(); ++i)
        out += QStringLiteral("    Muestra %1: %2\n").arg(i + 1).arg(SampleLine(problem.samples[i]));
}

void appendGroup(QString& out, const GroupReport& group, bool everything) {
    out += u'\n' + groupTitle(group) + u'\n';
    appendFindings(out, group.findings, QStringLiteral("  "));
    int clean = 0;
    for (const TemplateReport& problem : group.templates) {
        if (everything || problem.hasFindings())
            appendTemplate(out, problem);
        else
            ++clean;
    }
    if (clean > 0)
        out += QStringLiteral("  Y %1 sin fallos.\n").arg(Counted(clean, u"plantilla", u"plantillas"));
}

} // namespace

QList<FileFindings> FindingsByFile(const QList<Finding>& findings) {
    QList<FileFindings> files;
    for (const Finding& finding : findings) {
        const qsizetype slash = finding.file.indexOf(u'/');
        const bool ownPlace = slash <= 0 || finding.file.startsWith(u"datos/", Qt::CaseInsensitive);
        const QString place = ownPlace ? finding.file : finding.file.left(slash);
        auto it = std::find_if(files.begin(), files.end(),
                               [&](const FileFindings& file) { return file.file == place; });
        if (it == files.end())
            files << FileFindings{place, {finding}};
        else
            it->findings << finding;
    }
    return files;
}

QString GroupPlace(const GroupReport& group) {
    if (!group.site)
        return group.folder;
    return group.folder +
           (group.replaces ? QStringLiteral(", del centro, en lugar del grupo del programa del mismo nombre")
                           : QStringLiteral(", del centro"));
}

QStringList HeaderNotes(const ContentReport& report) {
    QStringList notes;
    if (!report.group.isEmpty())
        notes << QStringLiteral("Solo el grupo «%1» y las listas que usa.").arg(report.group);
    if (!report.siteFolder.isEmpty()) {
        notes << QStringLiteral("Con la carpeta del centro, %1: sus grupos y listas se nombran con la ruta "
                                "completa; los del programa, desde su carpeta.")
                     .arg(report.siteFolder);
    }
    return notes + report.notes;
}

QString TemplateKind(const TemplateReport& problem) {
    if (!problem.readable)
        return QStringLiteral("no se puede leer");
    return problem.choiceProblem ? QStringLiteral("problema de elegir") : QStringLiteral("problema numérico");
}

QString CountsText(int errors, int warnings) {
    QStringList parts;
    if (errors > 0)
        parts << Counted(errors, u"error", u"errores");
    if (warnings > 0)
        parts << Counted(warnings, u"aviso", u"avisos");
    return parts.join(QStringLiteral(", "));
}

QString Counted(int count, const char16_t* one, const char16_t* many) {
    return SpanishNumber(count) + u' ' + QString::fromUtf16(count == 1 ? one : many);
}

QString ResultShown(double result) {
    return std::isfinite(result) ? SpanishNumber(result) : ResultText(result);
}

QString WithoutControls(const QString& text) {
    QString shown;
    shown.reserve(text.size());
    for (QChar c : text) {
        if (c.category() == QChar::Other_Control && c != u'\n')
            shown +=
                QStringLiteral("U+") + QString::number(c.unicode(), 16).toUpper().rightJustified(4, u'0');
        else
            shown += c;
    }
    return shown;
}

QString ShortWord(const QString& word) {
    constexpr qsizetype Longest = 40;
    if (word.size() <= Longest)
        return word;
    return word.left(Longest) + QStringLiteral("… (%1 caracteres)").arg(SpanishNumber(double(word.size())));
}

QString ShortWords(const QString& text) {
    QStringList words = text.split(u' ');
    for (QString& word : words)
        word = ShortWord(word);
    return words.join(u' ');
}

QString FindingLine(const Finding& finding) {
    QString line = SeverityWord(finding.severity) + u' ' + finding.file;
    if (finding.line > 0)
        line += QStringLiteral(", línea %1").arg(SpanishNumber(finding.line));
    if (!finding.token.isEmpty())
        line += QStringLiteral(", «%1»").arg(ShortWord(finding.token));
    line += QStringLiteral(": %1. Cómo arreglarlo: %2.").arg(finding.effect, finding.fix);
    return line;
}

QString SampleLine(const Sample& sample) {
    QString line = u'«' + ShortWords(sample.statement) + u'»';
    if (!sample.choiceProblem)
        return line + QStringLiteral(" → resultado: %1").arg(ResultShown(sample.result));
    QStringList choices;
    for (qsizetype i = 0; i < sample.choices.size(); ++i)
        choices << u'«' + ShortWords(sample.choices[i]) + u'»' +
                       (sample.right.value(i) ? QStringLiteral(" (correcta)") : QString());
    return line + QStringLiteral(" → opciones: ") +
           (choices.isEmpty() ? QStringLiteral("ninguna") : choices.join(QStringLiteral(" | ")));
}

QString EstimateLine(const ResultEstimate& estimate) {
    return QStringLiteral("%1: %2 repetidos por dar -1 o menos, %3 de resultados con decimales")
        .arg(Counted(estimate.attempts, u"sorteo", u"sorteos"),
             percentOf(estimate.attempts - estimate.accepted, estimate.attempts),
             percentOf(estimate.withDecimals + estimate.notTypeable, estimate.accepted));
}

QString SummaryLine(const ContentReport& report) {
    return QStringLiteral("Resumen: %1, %2, %3, %4, %5.")
        .arg(Counted(int(report.groups.size()), u"grupo", u"grupos"),
             Counted(report.templateCount(), u"plantilla", u"plantillas"),
             Counted(report.listCount, u"lista", u"listas"),
             Counted(report.count(Severity::Error), u"error", u"errores"),
             Counted(report.count(Severity::Warning), u"aviso", u"avisos"));
}

QStringList UnnamedFaultyLists(const TemplateReport& problem) {
    QStringList notes;
    for (const QString& list : problem.faultyLists) {
        const bool named =
            std::any_of(problem.findings.cbegin(), problem.findings.cend(),
                        [&](const Finding& f) { return f.effect.contains(list) || f.fix.contains(list); });
        if (!named)
            notes << list;
    }
    return notes;
}

QString TextReport(const ContentReport& report, bool everything) {
    QString out = QStringLiteral("Revisión del contenido de KOTIRA en %1\n").arg(report.appFolder);
    for (const QString& note : HeaderNotes(report))
        out += note + u'\n';
    out += u'\n' + SummaryLine(report) + u'\n';

    const QList<FileFindings> files = FindingsByFile(report.findings);
    QStringList faulty;
    QStringList clean;
    for (const GroupReport& group : report.groups) {
        if (group.hasFindings())
            faulty << QStringLiteral("  %1: %2").arg(groupTitle(group), groupCounts(group));
        else
            clean << group.name;
    }
    for (const FileFindings& file : files)
        faulty << QStringLiteral("  %1: %2").arg(file.file, fileCounts(file));
    if (faulty.isEmpty())
        out += QStringLiteral("Ningún fallo: ni errores ni avisos.\n");
    else
        out += QStringLiteral("Con fallos:\n") + faulty.join(u'\n') + u'\n';
    if (!clean.isEmpty()) {
        out += QStringLiteral("Sin fallos: %1 (%2).\n")
                   .arg(Counted(int(clean.size()), u"grupo", u"grupos"), clean.join(QStringLiteral(", ")));
    }

    for (const GroupReport& group : report.groups) {
        if (group.hasFindings())
            appendGroup(out, group, everything);
    }
    for (const FileFindings& file : files) {
        out += u'\n' + file.file + u'\n';
        appendFindings(out, file.findings, QStringLiteral("  "));
    }
    if (everything) {
        for (const GroupReport& group : report.groups) {
            if (!group.hasFindings())
                appendGroup(out, group, everything);
        }
    }
    out += u'\n' + SummaryLine(report) + u'\n';
    return WithoutControls(out);
}
