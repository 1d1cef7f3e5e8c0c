// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The pieces of the check that need no window: the judgement and the report lines.

// A choice is right when its text ends in a space: the template marks the right choice so.
bool IsRightChoice(const QString& choice);
// A numeric answer is right when the number it starts with equals the result once both are rounded
// to the precision the arithmetic carries (NumericValue.h); "12.345" is right for either reading.
bool IsRightNumber(const QString& answer, double result);

// From 10^12 on, two different whole numbers can round alike, so a wrong answer could be judged
// right: results there (and infinities) are beyond what the program judges exactly.
inline constexpr double kExactLimit = 1e12;
bool IsJudgedExactly(double result);

// "\r\n\r\n( n )\r\n" + statement: the heading written at the first check of a problem.
QString ReportHeading(int entryNumber, const QString& statement);
// "\r\n  *** " + caption + " *** <  " + answer + "  >": one line per verdict.
QString ReportResultLine(const QString& caption, const QString& answer);

// The running number of the next heading: one more, but never past 32767.
qint16 NextEntryCount(qint16 entryCount);
