// SPDX-License-Identifier: GPL-3.0-or-later
#include "checker/JsonReport.h"

#include "app/NumericValue.h"
#include "checker/ResultDraws.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace {

QJsonArray findingsJson(const QList<Finding>& findings) {
    QJsonArray array;
    for (const Finding& finding : findings) {
        array.append(QJsonObject{{QStringLiteral("gravedad"), SeverityWord(finding.severity)},
                                 {QStringLiteral("codigo"), finding.code},
                                 {QStringLiteral("fichero"), finding.file},
                                 {QStringLiteral("linea"), finding.line},
                                 {QStringLiteral("palabra"), finding.token},
                                 {QStringLiteral("efecto"), finding.effect},
                                 {QStringLiteral("solucion"), finding.fix},
                                 {QStringLiteral("veces"), finding.times}});
    }
    return array;
}

QJsonObject sampleJson(const Sample& sample) {
    QJsonObject object{{QStringLiteral("enunciado"), sample.statement}};
    if (sample.choiceProblem) {
        QJsonArray choices;
        for (qsizetype i = 0; i < sample.choices.size(); ++i) {
            choices.append(QJsonObject{{QStringLiteral("texto"), sample.choices[i]},
                                       {QStringLiteral("correcta"), sample.right.value(i)}});
        }
        object.insert(QStringLiteral("opciones"), choices);
    } else if (std::isfinite(sample.result)) {
        // The number the pupil types (2.4, not 2.4000000000000004), and as the teacher reads it.
        object.insert(QStringLiteral("resultado"), NumericValue(ResultText(sample.result)));
        object.insert(QStringLiteral("resultado_texto"), ResultText(sample.result));
    } else {
        object.insert(QStringLiteral("resultado"), ResultText(sample.result));
    }
    return object;
}

QJsonObject templateJson(const TemplateReport& problem) {
    QJsonArray samples;
    for (const Sample& sample : problem.samples)
        samples.append(sampleJson(sample));
    QJsonObject object{{QStringLiteral("fichero"), problem.file},
                       {QStringLiteral("tipo"), !problem.readable       ? QStringLiteral("ilegible")
                                                : problem.choiceProblem ? QStringLiteral("elegir")
                                                                        : QStringLiteral("numerico")},
                       {QStringLiteral("hallazgos"), findingsJson(problem.findings)},
                       {QStringLiteral("muestras"), samples},
                       {QStringLiteral("listas_con_error"), QJsonArray::fromStringList(problem.faultyLists)}};
    if (problem.estimate.attempts > 0) {
        const ResultEstimate& e = problem.estimate;
        object.insert(QStringLiteral("sorteos"),
                      QJsonObject{{QStringLiteral("intentos"), e.attempts},
                                  {QStringLiteral("problemas"), e.problems},
                                  {QStringLiteral("aceptados"), e.accepted},
                                  {QStringLiteral("con_decimales"), e.withDecimals},
                                  {QStringLiteral("imposibles"), e.notTypeable}});
    }
    return object;
}

} // namespace

QByteArray JsonReport(const ContentReport& report) {
    QJsonArray groups;
    for (const GroupReport& group : report.groups) {
        QJsonArray templates;
        for (const TemplateReport& problem : group.templates)
            templates.append(templateJson(problem));
        groups.append(QJsonObject{{QStringLiteral("nombre"), group.name},
                                  {QStringLiteral("carpeta"), group.folder},
                                  {QStringLiteral("del_centro"), group.site},
                                  {QStringLiteral("hallazgos"), findingsJson(group.findings)},
                                  {QStringLiteral("plantillas"), templates}});
    }
    const QJsonObject summary{{QStringLiteral("grupos"), int(report.groups.size())},
                              {QStringLiteral("plantillas"), report.templateCount()},
                              {QStringLiteral("listas"), report.listCount},
                              {QStringLiteral("errores"), report.count(Severity::Error)},
                              {QStringLiteral("avisos"), report.count(Severity::Warning)}};
    QJsonObject root{{QStringLiteral("carpeta"), report.appFolder},
                     {QStringLiteral("hallazgos"), findingsJson(report.findings)},
                     {QStringLiteral("grupos"), groups},
                     {QStringLiteral("resumen"), summary}};
    if (!report.siteFolder.isEmpty())
        root.insert(QStringLiteral("carpeta_del_centro"), report.siteFolder);
    if (!report.group.isEmpty())
        root.insert(QStringLiteral("solo_grupo"), report.group);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}
