// SPDX-License-Identifier: GPL-3.0-or-later
#include "checker/HtmlReport.h"

#include "checker/ResultDraws.h"
#include "checker/TextReport.h"

namespace {

QString esc(const QString& text) {
    return text.toHtmlEscaped();
}

const char Style[] = R"(
body { font-family: Arial, "Liberation Sans", sans-serif; margin: 2em; color: #222; }
h1 { font-size: 1.5em; } h2 { font-size: 1.2em; margin-top: 1.5em; border-bottom: 2px solid #c8c; }
h3 { font-size: 1em; margin: 1em 0 .3em; }
.finding { padding: .3em .6em; margin: .2em 0; border-left: 6px solid; }
.ERROR { background: #fde2e2; border-color: #c00; } .AVISO { background: #fff4cc; border-color: #d90; }
.sev { font-weight: bold; } .ERROR .sev { color: #c00; } .AVISO .sev { color: #a60; }
table { border-collapse: collapse; margin: .3em 0 1em; } td, th { border: 1px solid #ccc; padding: .3em .6em; text-align: left; vertical-align: top; }
td { white-space: pre-wrap; } th { background: #eee; } .right { font-weight: bold; color: #070; } .note { color: #555; font-size: .9em; }
.summary { font-size: 1.1em; font-weight: bold; margin-top: 2em; }
.ok { color: #070; }
)";

QString findingsHtml(const QList<Finding>& findings) {
    QString html;
    for (const Finding& f : findings) {
        const QString word = SeverityWord(f.severity);
        html += QStringLiteral("<div class=\"finding %1\"><span class=\"sev\">%1</span> %2")
                    .arg(word, esc(f.file));
        if (f.line > 0)
            html += QStringLiteral(", línea %1").arg(f.line);
        if (!f.token.isEmpty())
            html += QStringLiteral(", «<code>%1</code>»").arg(esc(f.token));
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
            answer = esc(ResultText(sample.result));
        } else {
            for (qsizetype i = 0; i < sample.choices.size(); ++i) {
                answer +=
                    sample.right.value(i)
                        ? QStringLiteral("<span class=\"right\">%1 ✔</span><br>").arg(esc(sample.choices[i]))
                        : esc(sample.choices[i]) + QStringLiteral("<br>");
            }
        }
        html += QStringLiteral("<tr><td>%1</td><td>%2</td></tr>\n").arg(esc(sample.statement), answer);
    }
    return html + QStringLiteral("</table>\n");
}

} // namespace

QString HtmlReport(const ContentReport& report) {
    QString html = QStringLiteral("<!DOCTYPE html>\n<html lang=\"es\"><head><meta charset=\"utf-8\">"
                                  "<title>Revisión del contenido de KOTIRA</title><style>") +
                   QString::fromUtf8(Style) + QStringLiteral("</style></head><body>\n");
    html += QStringLiteral("<h1>Revisión del contenido de KOTIRA</h1>\n<p class=\"note\">Carpeta: %1</p>\n")
                .arg(esc(report.appFolder));
    html += QStringLiteral("<p class=\"note\"><b>ERROR</b>: el alumno verá algo mal o nunca podrá acertar. "
                           "<b>AVISO</b>: probablemente no es lo que se quería.</p>\n");
    if (!report.findings.isEmpty()) {
        html += QStringLiteral("<h2>Carpeta, idioma, listas, sonidos y animaciones</h2>\n");
        html += findingsHtml(report.findings);
    }
    for (const GroupReport& group : report.groups) {
        html += QStringLiteral("<h2>Grupo «%1»</h2>\n").arg(esc(group.name));
        html += findingsHtml(group.findings);
        for (const TemplateReport& problem : group.templates) {
            html += QStringLiteral("<h3>%1 <span class=\"note\">· %2</span></h3>\n")
                        .arg(esc(problem.file), problem.choiceProblem ? QStringLiteral("problema de elegir")
                                                                      : QStringLiteral("problema numérico"));
            if (problem.estimate.attempts > 0)
                html += QStringLiteral("<p class=\"note\">%1</p>\n").arg(esc(EstimateLine(problem.estimate)));
            html += problem.findings.isEmpty() ? QStringLiteral("<p class=\"ok\">Sin fallos.</p>\n")
                                               : findingsHtml(problem.findings);
            html += samplesHtml(problem.samples);
        }
    }
    html += QStringLiteral("<p class=\"summary\">%1</p>\n</body></html>\n").arg(esc(SummaryLine(report)));
    return html;
}
