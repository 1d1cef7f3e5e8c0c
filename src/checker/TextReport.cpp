// SPDX-License-Identifier: GPL-3.0-or-later
#include "checker/TextReport.h"

#include "checker/ResultDraws.h"

namespace {

QString counted(int count, const char16_t* one, const char16_t* many) {
    return QString::number(count) + u' ' + QString::fromUtf16(count == 1 ? one : many);
}

QString percentOf(int part, int whole) {
    return QString::number(whole > 0 ? 100.0 * part / whole : 0, 'f', 0) + QStringLiteral(" %");
}

void appendFindings(QString& out, const QList<Finding>& findings, const QString& indent) {
    for (const Finding& finding : findings)
        out += indent + FindingLine(finding) + u'\n';
}

} // namespace

QString FindingLine(const Finding& finding) {
    QString line = SeverityWord(finding.severity) + u' ' + finding.file;
    if (finding.line > 0)
        line += QStringLiteral(", línea %1").arg(finding.line);
    if (!finding.token.isEmpty())
        line += QStringLiteral(", «%1»").arg(finding.token);
    line += QStringLiteral(": %1. Cómo arreglarlo: %2.").arg(finding.effect, finding.fix);
    return line;
}

QString SampleLine(const Sample& sample) {
    QString line = u'«' + sample.statement + u'»';
    if (!sample.choiceProblem)
        return line + QStringLiteral(" → resultado: %1").arg(ResultText(sample.result));
    QStringList choices;
    for (qsizetype i = 0; i < sample.choices.size(); ++i)
        choices << u'«' + sample.choices[i] + u'»' +
                       (sample.right.value(i) ? QStringLiteral(" (correcta)") : QString());
    return line + QStringLiteral(" → opciones: ") +
           (choices.isEmpty() ? QStringLiteral("ninguna") : choices.join(QStringLiteral(" | ")));
}

QString EstimateLine(const ResultEstimate& estimate) {
    return QStringLiteral("%1: %2 repetidos por dar -1 o menos, %3 de resultados con decimales")
        .arg(counted(estimate.attempts, u"sorteo", u"sorteos"),
             percentOf(estimate.attempts - estimate.accepted, estimate.attempts),
             percentOf(estimate.withDecimals + estimate.notTypeable, estimate.accepted));
}

QString SummaryLine(const ContentReport& report) {
    return QStringLiteral("Resumen: %1, %2, %3, %4, %5.")
        .arg(counted(int(report.groups.size()), u"grupo", u"grupos"),
             counted(report.templateCount(), u"plantilla", u"plantillas"),
             counted(report.listCount, u"lista", u"listas"),
             counted(report.count(Severity::Error), u"error", u"errores"),
             counted(report.count(Severity::Warning), u"aviso", u"avisos"));
}

QString TextReport(const ContentReport& report) {
    QString out = QStringLiteral("Revisión del contenido de KOTIRA en %1\n").arg(report.appFolder);
    if (!report.findings.isEmpty()) {
        out += QStringLiteral("\nCarpeta, idioma, listas, sonidos y animaciones\n");
        appendFindings(out, report.findings, QStringLiteral("  "));
    }
    for (const GroupReport& group : report.groups) {
        out += QStringLiteral("\nGrupo «%1» (%2)\n").arg(group.name, group.folder);
        appendFindings(out, group.findings, QStringLiteral("  "));
        for (const TemplateReport& problem : group.templates) {
            out += QStringLiteral("  %1 · %2")
                       .arg(problem.file, problem.choiceProblem ? QStringLiteral("problema de elegir")
                                                                : QStringLiteral("problema numérico"));
            if (problem.estimate.attempts > 0)
                out += QStringLiteral(" · ") + EstimateLine(problem.estimate);
            out += u'\n';
            appendFindings(out, problem.findings, QStringLiteral("    "));
            for (qsizetype i = 0; i < problem.samples.size(); ++i)
                out += QStringLiteral("    Muestra %1: %2\n").arg(i + 1).arg(SampleLine(problem.samples[i]));
        }
    }
    out += u'\n' + SummaryLine(report) + u'\n';
    return out;
}
