#pragma once
// TEMPORARY until the numbers API is merged.
#include <QString>
inline QString SpanishNumber(double value) {
    return QString::number(value, 'g', 12).replace(u'.', u',');
}
