// SPDX-License-Identifier: GPL-3.0-or-later
#include "checker/TemplateCheck.h"

#include "app/TextFile.h"
#include "checker/ChoiceCheck.h"
#include "checker/ContentPaths.h"
#include "checker/ExpressionCheck.h"
#include "checker/ListCheck.h"
#include "checker/ResultDraws.h"
#include "checker/Samples.h"
#include "checker/StatementCheck.h"
#include "checker/TextCheck.h"
#include "problems/GenerateProblem.h"

#include <QFileInfo>
#include <QHash>

TemplateReport CheckTemplate(const QString& path, const CheckOptions& options) {
    TemplateReport report;
    report.file = RelativeName(path);
    FindingList findings(report.file);

    const std::optional<QStringList> lines = ReadTextLines(path);
    if (!lines) {
        const QFileInfo info(path);
        const bool permissions = info.isFile() && !info.isReadable();
        findings.add(Severity::Error, QStringLiteral("no-se-puede-leer"), 0, QString(),
                     permissions
                         ? QStringLiteral("no se puede leer (permisos): el alumno ve un problema vacío")
                         : QStringLiteral("no se puede leer: el alumno ve un problema vacío"),
                     permissions ? QStringLiteral("dé permiso de lectura al fichero para todos los usuarios "
                                                  "(chmod a+r)")
                                 : QStringLiteral("compruebe que es un fichero normal y que se puede abrir"));
        report.findings = findings.take();
        return report;
    }
    report.readable = true;
    if (lines->isEmpty()) {
        findings.add(
            Severity::Error, QStringLiteral("plantilla-vacia"), 0, QString(),
            QStringLiteral("el fichero está vacío: el alumno ve un problema vacío con resultado 0"),
            QStringLiteral("escriba el enunciado en la línea 1 y la operación o TEXTO en la línea 2"));
        report.findings = findings.take();
        return report;
    }

    // Each template draws from a sequence of its own, so samples differ from one template to the next,
    // and the same again at every run.
    const quint32 seed = options.seed + quint32(qHash(report.file));
    if (CheckTextCharacters(*lines, findings, path)) {
        report.findings = findings.take();
        return report;
    }
    const TemplateReading reading = ReadTemplate(*lines);
    report.choiceProblem = reading.choiceProblem;
    for (const TemplateReading::Word& word : reading.kinds) {
        if (word.kind == TemplateReading::Kind::DataList && !report.lists.contains(word.listPath))
            report.lists << word.listPath;
    }
    CheckStatement(reading, findings);
    ReportListsWithErrors(reading, findings);
    if (reading.choiceProblem) {
        CheckChoices(*lines, findings);
    } else {
        CheckExpression(*lines, reading, findings);
        report.estimate = EstimateResults(reading, options.draws, seed);
        ReportEstimate(report.estimate, findings);
    }
    report.samples = MakeSamples(path, options.samples, seed);
    report.findings = findings.take();
    return report;
}
