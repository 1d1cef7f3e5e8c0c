#pragma once

#include <QStringView>

// The number written at the start of a text, read the way the pupil's answer and the template's
// values are read throughout the program:
// - blanks, tabs and line feeds are skipped wherever they occur, also between digits ("1 000" is
//   1000);
// - then an optional sign, decimal digits with at most one full stop, and an optional exponent
//   (E or e, an optional sign, digits);
// - or "&H" / "&O" (either case) and a hexadecimal / octal whole number, taken as a signed 16-bit
//   value when it fits in 16 bits ("&HFFFF" is -1) and as a signed 32-bit value otherwise
//   ("&H10000" is 65536, "&HFFFFFFFF" is -1); beyond 32 bits it is +infinity;
// - reading stops at the first character that does not fit, and the value is what was read so
//   far; a text with no number at its start gives 0;
// - a value too large for a double is +-infinity, one too small is 0.
double NumericValue(QStringView text);
