#pragma once

#include <QString>

// The pieces of the check that need no window: the judgement and the report lines.

// A choice is right when its text ends in a space: the template marks the right choice so.
bool IsRightChoice(const QString& choice);
// A numeric answer is right when the number it starts with equals the result exactly.
bool IsRightNumber(const QString& answer, double result);

// "\r\n\r\n( n )\r\n" + statement: the heading written at the first check of a problem.
QString ReportHeading(int entryNumber, const QString& statement);
// "\r\n  *** " + caption + " *** <  " + answer + "  >": one line per verdict.
QString ReportResultLine(const QString& caption, const QString& answer);

// The running number of the next heading: one more, but never past 32767.
qint16 NextEntryCount(qint16 entryCount);
