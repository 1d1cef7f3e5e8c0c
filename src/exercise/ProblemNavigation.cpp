// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/ProblemNavigation.h"

#include <limits>

qint16 MoveProblemNumber(qint16 number, int Index, int fileCount) {
    int n = number;
    if (Index == 0) {
        n -= 1;
        if (n == 0)
            n = fileCount;
    } else {
        n += 1;
        if (n == fileCount + 1)
            n = 1;
    }
    // An empty folder counts on without end; start again at 1 rather than overflow.
    if (n > std::numeric_limits<qint16>::max() || n < std::numeric_limits<qint16>::min())
        n = 1;
    return static_cast<qint16>(n);
}
