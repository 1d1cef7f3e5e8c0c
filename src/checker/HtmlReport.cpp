// SPDX-License-Identifier: GPL-3.0-or-later
#include "checker/HtmlReport.h"

#include "app/NumericValue.h"
#include "checker/TextReport.h"

#include <QHash>
#include <QUrl>

namespace {

QString esc(const QString& text) {
    return text.toHtmlEscaped();
}

// Narrow screens get narrow margins, and long words (paths, quoted tokens) wrap instead of widening
// the page.
const char Style[] = R"(
body { font-family: Arial, "Liberation Sans", sans-serif; margin: 2em; color: #222; line-height: 1.35; overflow-wrap: anywhere; }
@media (max-width: 40em) { body { margin: .6em; } td, th { padding: .2em .3em; } }
h1 { font-size: 1.5em; } h2 { font-size: 1.2em; margin-top: 1.5em; border-bottom: 2px solid #c8c; }
h3 { font-size: 1em; margin: 1em 0 .3em; }
.finding { padding: .3em .6em; margin: .2em 0; border-left: 6px solid; }
.ERROR { background: #fde2e2; border-color: #c00; } .AVISO { background: #fff4cc; border-color: #d90; }
.sev { font-weight: bold; } .ERROR .sev { color: #c00; } .AVISO .sev { color: #a60; }
table { border-collapse: collapse; margin: .3em 0 1em; max-width: 100%; } td, th { border: 1px solid #ccc; padding: .3em .6em; text-align: left; vertical-align: top; }
td { white-space: pre-wrap; } th { background: #eee; } .right { font-weight: bold; color: #070; } .note { color: #555; font-size: .9em; }
.summary { font-size: 1.1em; font-weight: bold; }
.ok { color: #070; }
details { margin: .5em 0; } summary { cursor: pointer; font-weight: bold; }
)";

QString findingsHtml(const QList<Finding>& findings) {
    QString html;
    for (const Finding& f : findings) {
        const QString word = SeverityWord(f.severity);
        html += QStringLiteral("<div class=\"finding %1\"><span class=\"sev\">%1</span> %2")
                    .arg(word, esc(f.file));
        if (f.line > 0)
            html += QStringLiteral(", línea %1").arg(SpanishNumber(f.line));
        if (!f.token.isEmpty())
            html += QStringLiteral(", «<code>%1</code>»").arg(esc(ShortWord(f.token)));
        html += QStringLiteral(": %1.<br><b>Cómo arreglarlo:</b> %2.</div>\n").arg(esc(f.effect), esc(f.fix));
    }
    return html;
}

QString samplesHtml(const QList<Sample>& samples) {
    if (samples.isEmpty())
        return QString();
    const bool choice = samples.first().choiceProblem;
    QString html = QStringLiteral("<table><tr><th>Enunciado de muestra</th><th>%1</th></tr>\n")
                       .arg(choice ? QStringLiteral("Opciones") : QStringLiteral("Resultado"));
    for (const Sample& sample : samples) {
        QString answer;
        if (!sample.choiceProblem) {
            answer = esc(ResultShown(sample.result));
        } else {
            for (qsizetype i = 0; i < sample.choices.size(); ++i) {
                answer += sample.right.value(i) ? QStringLiteral("<span class=\"right\">%1 ✔</span><br>")
                                                      .arg(esc(ShortWords(sample.choices[i])))
                                                : esc(ShortWords(sample.choices[i])) + QStringLiteral("<br>");
            }
        }
        html += QStringLiteral("<tr><td>%1</td><td>%2</td></tr>\n")
                    .arg(esc(ShortWords(sample.statement)), answer);
    }
    return html + QStringLiteral("</table>\n");
}

// The anchor of each place with findings other than a group ("f0", "f1"...), by its name.
using Anchors = QHash<QString, QString>;

QString templateHtml(const TemplateReport& problem, const Anchors& anchors) {
    QString html = QStringLiteral("<h3>%1 <span class=\"note\">· %2</span></h3>\n")
                       .arg(esc(problem.file), TemplateKind(problem));
    if (problem.estimate.attempts > 0)
        html += QStringLiteral("<p class=\"note\">%1</p>\n").arg(esc(EstimateLine(problem.estimate)));
    html += findingsHtml(problem.findings);
    for (const QString& list : UnnamedFaultyLists(problem)) {
        html += QStringLiteral(
                    "<div class=\"finding ERROR\">Usa <a href=\"#%1\">%2</a>, que tiene un ERROR.</div>\n")
                    .arg(anchors.value(list), esc(list));
    }
    if (!problem.hasFindings())
        html += QStringLiteral("<p class=\"ok\">Sin fallos.</p>\n");
    return html + samplesHtml(problem.samples);
}

QString groupTitle(const GroupReport& group) {
    return QStringLiteral("Grupo «%1»").arg(esc(group.name));
}

// The group's findings and its templates: those with findings, or all of them.
QString groupBody(const GroupReport& group, bool everything, const Anchors& anchors) {
    QString html = QStringLiteral("<p class=\"note\">%1</p>\n").arg(esc(GroupPlace(group)));
    html += findingsHtml(group.findings);
    int clean = 0;
    for (const TemplateReport& problem : group.templates) {
        if (everything || problem.hasFindings())
            html += templateHtml(problem, anchors);
        else
            ++clean;
    }
    if (clean > 0) {
        html += QStringLiteral("<p class=\"ok\">Y %1 sin fallos.</p>\n")
                    .arg(Counted(clean, u"plantilla", u"plantillas"));
    }
    return html;
}

QString countsOf(const QList<Finding>& findings) {
    int errors = 0;
    int warnings = 0;
    for (const Finding& finding : findings)
        (finding.severity == Severity::Error ? errors : warnings) += finding.times;
    return CountsText(errors, warnings);
}

} // namespace

QString HtmlReport(const ContentReport& report, bool everything, const QString& guide) {
    QString html = QStringLiteral("<!DOCTYPE html>\n<html lang=\"es\"><head><meta charset=\"utf-8\">"
                                  "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"
                                  "<title>Revisión del contenido de KOTIRA</title><style>") +
                   QString::fromUtf8(Style) + QStringLiteral("</style></head><body>\n");
    html += QStringLiteral("<h1>Revisión del contenido de KOTIRA</h1>\n<p class=\"note\">Carpeta: %1</p>\n")
                .arg(esc(report.appFolder));
    for (const QString& note : HeaderNotes(report))
        html += QStringLiteral("<p class=\"note\">%1</p>\n").arg(esc(note));
    html += QStringLiteral("<p class=\"note\"><b>ERROR</b>: el alumno verá algo mal o nunca podrá acertar. "
                           "<b>AVISO</b>: probablemente no es lo que se quería.");
    if (!guide.isEmpty()) {
        html += QStringLiteral(" Cómo se escriben los problemas y las listas: "
                               "<a href=\"%1\">guía del profesor</a>.")
                    .arg(esc(QUrl::fromLocalFile(guide).toString(QUrl::FullyEncoded)));
    }
    html += QStringLiteral("</p>\n");

    // The summary, with a link to every place that has something wrong.
    const QList<FileFindings> files = FindingsByFile(report.findings);
    Anchors anchors;
    for (qsizetype i = 0; i < files.size(); ++i)
        anchors.insert(files[i].file, QStringLiteral("f%1").arg(i));
    html += QStringLiteral("<p class=\"summary\" id=\"resumen\">%1</p>\n").arg(esc(SummaryLine(report)));
    QString links;
    QString cleanNames;
    int clean = 0;
    for (qsizetype i = 0; i < report.groups.size(); ++i) {
        const GroupReport& group = report.groups[i];
        if (group.hasFindings()) {
            const QString counts = CountsText(group.count(Severity::Error), group.count(Severity::Warning));
            links += QStringLiteral("<li><a href=\"#g%1\">%2</a>: %3</li>\n")
                         .arg(i)
                         .arg(groupTitle(group),
                              counts.isEmpty() ? QStringLiteral("usa una lista con un ERROR") : esc(counts));
        } else {
            ++clean;
            cleanNames +=
                everything ? QStringLiteral("<li><a href=\"#g%1\">%2</a></li>\n").arg(i).arg(esc(group.name))
                           : QStringLiteral("<li>%1</li>\n").arg(esc(group.name));
        }
    }
    for (qsizetype i = 0; i < files.size(); ++i) {
        links += QStringLiteral("<li><a href=\"#f%1\">%2</a>: %3</li>\n")
                     .arg(i)
                     .arg(esc(files[i].file), esc(countsOf(files[i].findings)));
    }
    html += links.isEmpty()
                ? QStringLiteral("<p class=\"ok\">Ningún fallo: ni errores ni avisos.</p>\n")
                : QStringLiteral("<p>Con fallos:</p>\n<ul>\n") + links + QStringLiteral("</ul>\n");
    if (clean > 0) {
        html += QStringLiteral("<details><summary>Sin fallos: %1</summary>\n<ul>\n%2</ul>\n</details>\n")
                    .arg(esc(Counted(clean, u"grupo", u"grupos")), cleanNames);
    }

    for (qsizetype i = 0; i < report.groups.size(); ++i) {
        const GroupReport& group = report.groups[i];
        if (group.hasFindings()) {
            html += QStringLiteral("<h2 id=\"g%1\">%2</h2>\n").arg(i).arg(groupTitle(group));
            html += groupBody(group, everything, anchors);
        }
    }
    for (qsizetype i = 0; i < files.size(); ++i) {
        html += QStringLiteral("<h2 id=\"f%1\">%2</h2>\n").arg(i).arg(esc(files[i].file));
        html += findingsHtml(files[i].findings);
    }
    // Clean groups folded: their samples are there for whoever wants to see them.
    if (everything) {
        for (qsizetype i = 0; i < report.groups.size(); ++i) {
            const GroupReport& group = report.groups[i];
            if (group.hasFindings())
                continue;
            html += QStringLiteral("<details id=\"g%1\"><summary>%2 · sin fallos</summary>\n%3</details>\n")
                        .arg(i)
                        .arg(groupTitle(group), groupBody(group, true, anchors));
        }
    }
    html += QStringLiteral("<p class=\"summary\">%1</p>\n</body></html>\n").arg(esc(SummaryLine(report)));
    return WithoutControls(html);
}
