// SPDX-License-Identifier: GPL-3.0-or-later
#include "checker/ResultDraws.h"

#include "exercise/Verdict.h"
#include "problems/ExerciseState.h"
#include "problems/GenerateProblem.h"
#include "problems/RandomSource.h"

#include <cmath>

namespace {

// The acceptance share below which many redrawn attempts are worth a word.
constexpr double HighRejection = 0.5;

QString percent(double share) {
    return QString::number(share * 100, 'f', share > 0 && share < 0.01 ? 2 : 0) + QStringLiteral(" %");
}

} // namespace

QString ResultText(double result) {
    if (std::isinf(result))
        return result > 0 ? QStringLiteral("infinito") : QStringLiteral("-infinito");
    if (std::isnan(result))
        return QStringLiteral("no es un número");
    return QString::number(result, 'g', 16);
}

ResultEstimate EstimateResults(const TemplateReading& reading, int draws, quint32 seed) {
    ResultEstimate estimate;
    ExerciseState state;
    RandomGenerator random(seed);
    std::vector<QString> shown;
    while (estimate.attempts < draws) {
        const GenerationTrace trace = DrawProblem(reading, state, random, shown);
        ++estimate.problems;
        estimate.attempts += std::max(trace.attempts, 1);
        if (!trace.accepted)
            continue;
        ++estimate.accepted;
        const double result = state.Result;
        if (std::isfinite(result) && result == std::floor(result))
            continue;
        // What a pupil types: a point and at most two decimals.
        if (std::isfinite(result) && IsRightNumber(QString::number(result, 'f', 2), result))
            ++estimate.withDecimals;
        else
            ++estimate.notTypeable;
    }
    return estimate;
}

void ReportEstimate(const ResultEstimate& estimate, FindingList& findings) {
    if (estimate.attempts == 0)
        return;
    if (estimate.accepted == 0) {
        findings.add(
            Severity::Error, QStringLiteral("nunca-aceptado"), 2, QString(),
            QStringLiteral("en %1 sorteos ningún resultado fue mayor que -1: tras %2 intentos el programa "
                           "se rinde y espera un resultado negativo, que el alumno no puede acertar")
                .arg(estimate.attempts)
                .arg(MaxAttempts),
            QStringLiteral("cambie el orden de la operación o las listas para que el resultado no sea "
                           "negativo (NUMEROMAYOR - NUMEROMENOR)"));
        return;
    }
    if (estimate.rejectedShare() >= HighRejection) {
        findings.add(
            Severity::Warning, QStringLiteral("muchos-repetidos"), 2, QString(),
            QStringLiteral("el %1 de los sorteos da -1 o menos y se sortea otra vez: los números que ve "
                           "el alumno no son los de las listas tal cual")
                .arg(percent(estimate.rejectedShare())),
            QStringLiteral("elija listas que no den resultados negativos (el mayor primero: "
                           "NUMEROMAYOR - NUMEROMENOR)"));
    }
    if (estimate.notTypeable > 0) {
        findings.add(
            Severity::Error, QStringLiteral("resultado-imposible"), 2, QString(),
            QStringLiteral("el %1 de los resultados no se puede escribir con dos decimales o es infinito "
                           "(10 / 3): el alumno nunca acierta")
                .arg(percent(double(estimate.notTypeable) / estimate.accepted)),
            QStringLiteral("use números que den divisiones exactas (las listas NUMEROX2, NUMEROX3...)"));
    }
    if (estimate.withDecimals > 0) {
        findings.add(Severity::Warning, QStringLiteral("resultado-con-decimales"), 2, QString(),
                     QStringLiteral("el %1 de los resultados tiene decimales: el alumno debe escribirlos con "
                                    "punto (2.5); con coma (2,5) se lee 2 y se da por mal")
                         .arg(percent(double(estimate.withDecimals) / estimate.accepted)),
                     QStringLiteral("si no quiere decimales, use números que den divisiones exactas; si los "
                                    "quiere, diga al alumno que use el punto"));
    }
}
