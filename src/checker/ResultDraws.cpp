// SPDX-License-Identifier: GPL-3.0-or-later
#include "checker/ResultDraws.h"

#include "app/NumericValue.h"
#include "exercise/Verdict.h"
#include "problems/ExerciseState.h"
#include "problems/GenerateProblem.h"
#include "problems/RandomSource.h"

#include <cmath>

namespace {

// The acceptance share below which many redrawn attempts are worth a word.
constexpr double HighRejection = 0.5;

// "87 %", "0,25 %": whole percents, or two decimals for a share under one percent that is not 0.
QString percent(double share) {
    const double places = share > 0 && share < 0.01 ? 100 : 1;
    return SpanishNumber(std::round(share * 100 * places) / places) + QStringLiteral("\u00A0%");
}

// How often something happens, honestly: "en todos los problemas", or "el 87 % de las veces".
QString howOften(int times, int of) {
    return times == of ? QStringLiteral("en todos los problemas")
                       : QStringLiteral("el %1 de las veces").arg(percent(double(times) / of));
}

int decimalsOf(const QString& text) {
    const qsizetype comma = text.indexOf(u',');
    return comma < 0 ? 0 : int(text.size() - comma - 1);
}

} // namespace

QString ResultText(double result) {
    if (std::isinf(result))
        return result > 0 ? QStringLiteral("infinito") : QStringLiteral("-infinito");
    if (std::isnan(result))
        return QStringLiteral("no es un número");
    return SpanishNumber(result);
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
        if (std::isfinite(result) && !IsJudgedExactly(result)) {
            if (estimate.beyondExact++ == 0)
                estimate.beyondExactExample = result;
            continue;
        }
        // Whole as the pupil types it: 4,60 * 100 gives 459.99999999999994, which is judged as 460.
        const QString text = std::isfinite(result) ? SpanishNumber(result) : QString();
        const int decimals = decimalsOf(text);
        if (std::isfinite(result) && decimals == 0)
            continue;
        // A result has an exact decimal form when its shortest decimal text reads back as the result
        // and the rounding did not have to cut it (10 / 3 gives as many decimals as are kept).
        if (std::isfinite(result) && decimals < DecimalsKept(result) && IsRightNumber(text, result)) {
            ++estimate.withDecimals;
            if (decimals > 2 && estimate.manyDecimals++ == 0)
                estimate.manyDecimalsExample = result;
        } else if (estimate.notTypeable++ == 0) {
            estimate.notTypeableExample = result;
        }
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
                .arg(SpanishNumber(estimate.attempts))
                .arg(SpanishNumber(MaxAttempts)),
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
    if (estimate.beyondExact > 0) {
        findings.add(
            Severity::Error, QStringLiteral("resultado-enorme"), 2, QString(),
            QStringLiteral("%1 el resultado llega a un billón o más (por ejemplo %2): el programa no "
                           "puede juzgarlo exactamente y daría por buenas respuestas equivocadas")
                .arg(howOften(estimate.beyondExact, estimate.accepted),
                     ResultText(estimate.beyondExactExample)),
            QStringLiteral("use números más pequeños, para que el resultado quede por debajo de un "
                           "billón (1 000 000 000 000)"));
    }
    if (estimate.notTypeable > 0) {
        findings.add(
            Severity::Error, QStringLiteral("resultado-imposible"), 2, QString(),
            QStringLiteral("%1 el resultado no tiene una forma decimal exacta o es infinito (por ejemplo "
                           "%2, como 10 / 3): en esos problemas el alumno no puede acertar")
                .arg(howOften(estimate.notTypeable, estimate.accepted),
                     ResultText(estimate.notTypeableExample)),
            QStringLiteral("use números que den divisiones exactas (las listas NUMEROX2, NUMEROX3...)"));
    }
    if (estimate.manyDecimals > 0) {
        findings.add(
            Severity::Warning, QStringLiteral("resultado-muchos-decimales"), 2, QString(),
            QStringLiteral("%1 el resultado tiene más de dos decimales (por ejemplo %2): el alumno "
                           "acierta solo si los escribe todos")
                .arg(howOften(estimate.manyDecimals, estimate.accepted),
                     ResultText(estimate.manyDecimalsExample)),
            QStringLiteral("si no es lo que quiere, elija números que den como mucho dos decimales"));
    }
}
