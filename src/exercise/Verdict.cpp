#include "exercise/Verdict.h"

#include "app/NumericValue.h"

#include <cmath>
#include <limits>

bool IsRightChoice(const QString& choice) {
    return choice.endsWith(u' ');
}

bool IsRightNumber(const QString& answer, double result) {
    // A number too large for a real is never right, even against a result that overflowed.
    const double value = NumericValue(answer);
    return std::isfinite(value) && value == result;
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
