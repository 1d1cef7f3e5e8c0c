// SPDX-License-Identifier: GPL-3.0-or-later
// The numeric value reader over arbitrary text. The first byte chooses how the rest becomes text:
// even, as UTF-16 code units (lone surrogates included); odd, one character per byte, which lets
// the mutator reach digits, signs and exponents quickly.

#include "FuzzSupport.h"

#include "app/NumericValue.h"

#include <QString>

#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

QString textFrom(const uint8_t* data, size_t size) {
    if (size == 0)
        return QString();
    const bool wide = (data[0] & 1) == 0;
    ++data;
    --size;
    if (wide) {
        QString text(qsizetype(size / 2), Qt::Uninitialized);
        for (size_t i = 0; i + 1 < size; i += 2)
            text[qsizetype(i / 2)] = QChar(char16_t(data[i] | (data[i + 1] << 8)));
        return text;
    }
    return QString::fromLatin1(reinterpret_cast<const char*>(data), qsizetype(size));
}

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == QChar(0x00A0) || c == QChar(0x202F);
}

bool same(double a, double b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = textFrom(data, size);
    const double value = NumericValue(text);

    // Whole numbers, decimals, exponents and &H/&O all give a number or an infinity, never NaN and
    // never a negative zero.
    FUZZ_CHECK(!std::isnan(value));
    FUZZ_CHECK(!(value == 0 && std::signbit(value)));

    // Blanks, tabs and line feeds never count, wherever they stand.
    QString withoutBlanks = text;
    withoutBlanks.removeIf(isBlank);
    FUZZ_CHECK(same(NumericValue(withoutBlanks), value));

    // A character that can never continue a number leaves the value as it was.
    FUZZ_CHECK(same(NumericValue(text + u'x'), value));
    FUZZ_CHECK(same(NumericValue(text + u','), value));

    // Reading stops where the number ends: what follows a letter is never read.
    const qsizetype letter = withoutBlanks.indexOf(u'z');
    if (letter >= 0)
        FUZZ_CHECK(same(NumericValue(QStringView(withoutBlanks).left(letter)), value));

    // A decimal comma reads as a decimal point does, in a text with no point and no other comma
    // (either could make the replaced comma part of a thousands grouping).
    const qsizetype comma = withoutBlanks.indexOf(u',');
    if (comma >= 0 && comma + 1 < withoutBlanks.size() && withoutBlanks[comma + 1].isDigit() &&
        withoutBlanks[comma + 1].unicode() < 128 && !withoutBlanks.contains(u'.') &&
        withoutBlanks.count(u',') == 1) {
        QString withPoint = withoutBlanks;
        withPoint[comma] = u'.';
        FUZZ_CHECK(same(NumericValue(withPoint), value));
    }

    // The other reading of "12.345" is a number too, and differs only for that form.
    const NumberReading reading = ReadNumber(text);
    FUZZ_CHECK(same(reading.value, value) && !std::isnan(reading.alternative));
    if (!same(reading.alternative, value))
        FUZZ_CHECK(withoutBlanks.count(u'.') >= 1);

    // A minus sign in front of a plain number negates it.
    if (!withoutBlanks.isEmpty() && (withoutBlanks[0].isDigit() || withoutBlanks[0] == u'.') &&
        withoutBlanks[0].unicode() < 128) {
        const double negated = NumericValue(u'-' + text);
        FUZZ_CHECK(same(negated, value == 0 ? 0.0 : -value));
    }
    return 0;
}
