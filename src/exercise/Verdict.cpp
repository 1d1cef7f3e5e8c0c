// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/Verdict.h"

#include "app/NumericValue.h"

#include <QByteArray>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

bool IsRightChoice(const QString& choice) {
    return choice.endsWith(u' ');
}

namespace {

// The value as the verdict sees it: rounded on the result's grid of kept decimals, or to the kept
// significant digits where the result is too large for that grid.
QByteArray judged(double value, double result) {
    char text[420];
    if (std::fabs(result) >= kExactLimit)
        std::snprintf(text, sizeof text, "%.*e", kSignificantDigits - 1, value);
    else
        std::snprintf(text, sizeof text, "%.*f", DecimalsKept(result), value);
    QByteArray rounded(text);
    const auto zeroDigit = [](char c) { return c == '0' || c == '.'; };
    if (rounded.startsWith('-') && std::all_of(rounded.begin() + 1, rounded.end(), zeroDigit))
        rounded.remove(0, 1); // -0.000000000 is 0
    return rounded;
}

bool equalsResult(double value, double result) {
    // A number too large for a real is never right, even against a result that overflowed.
    return std::isfinite(value) && std::isfinite(result) && judged(value, result) == judged(result, result);
}

} // namespace

bool IsRightNumber(const QString& answer, double result) {
    const NumberReading reading = ReadNumber(answer);
    return equalsResult(reading.value, result) || equalsResult(reading.alternative, result);
}

bool IsJudgedExactly(double result) {
    return std::isfinite(result) && std::fabs(result) < kExactLimit;
}

QString ReportHeading(int entryNumber, const QString& statement) {
    return QStringLiteral("\r\n\r\n( ") + QString::number(entryNumber) + QStringLiteral(" )\r\n") + statement;
}

QString ReportResultLine(const QString& caption, const QString& answer) {
    return QStringLiteral("\r\n  *** ") + caption + QStringLiteral(" *** <  ") + answer +
           QStringLiteral("  >");
}

qint16 NextEntryCount(qint16 entryCount) {
    return entryCount < std::numeric_limits<qint16>::max() ? qint16(entryCount + 1) : entryCount;
}
