// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

// The number written at the start of a text, read the way the pupil's answer and the template's
// values are read throughout the program:
// - blanks, tabs, line feeds and the no-break spaces U+00A0 and U+202F are skipped wherever they
//   occur, also between digits ("1 000" is 1000);
// - then an optional sign, decimal digits and an optional exponent (E or e, an optional sign,
//   digits). The decimal separator is a point, or a comma followed by a digit, as Spanish pupils
//   write it ("4,5" is 4.5, ",5" is 0.5, "4," is 4). Points group thousands when there are two or
//   more of them, each followed by exactly three digits ("1.049.173"), or when a decimal comma
//   follows them ("1.234,5" is 1234.5). A single point before exactly three digits ("12.345")
//   stays a decimal point, but the reading remembers the other meaning (12345) for the verdict;
// - or "&H" / "&O" (either case) and a hexadecimal / octal whole number, taken as a signed 16-bit
//   value when it fits in 16 bits ("&HFFFF" is -1) and as a signed 32-bit value otherwise
//   ("&H10000" is 65536, "&HFFFFFFFF" is -1); beyond 32 bits it is +infinity;
// - reading stops at the first character that does not fit (a letter, a comma not followed by a
//   digit, a second decimal separator), and the value is what was read so far; a text with no
//   number at its start gives 0;
// - a value too large for a double is +-infinity, one too small is 0.
struct NumberReading {
    double value = 0;
    double alternative = 0; // "12.345" read with a thousands point (12345); otherwise the value
};
NumberReading ReadNumber(QStringView text);
double NumericValue(QStringView text);

// Answers and results are compared after rounding to 12 significant digits: the left-to-right
// arithmetic on a double carries about 15, and a few operations on decimal inputs (1,1 + 2,2 is
// 3.3000000000000003) spoil only the last one or two, so 12 leaves a wide margin while every whole
// number below 10^12 keeps all its digits. Never finer than 9 decimals, so a result that should
// be 0 but came out as 1e-17 is still 0.
inline constexpr int kSignificantDigits = 12;
inline constexpr int kMaxDecimals = 9;
// The decimals kept for a value by that rule: 9 for 0,3; 5 for 1 234 567,5; 0 from 10^11 on.
int DecimalsKept(double value);

// A number as a Spanish reader expects it: decimal comma, no more digits than the rounding above
// keeps (never 3,3000000000000003, never an exponent), and the whole part grouped by thousands with
// a no-break space from five digits on ("12 345", "1 049 173"; "1234" stays as it is).
QString SpanishNumber(double value);
