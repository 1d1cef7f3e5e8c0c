// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/NumericValue.h"

#include <QVarLengthArray>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

bool isBlank(char16_t c) {
    // The no-break spaces are blanks too, so lists can group digits ("1 049 173") without a number
    // ever breaking across lines.
    return c == u' ' || c == u'\t' || c == u'\n' || c == 0x00A0 || c == 0x202F;
}

// Walks the text, skipping the characters that never count; never reads past the end.
class Reader {
public:
    explicit Reader(QStringView text) : next_(text.utf16()), end_(text.utf16() + text.size()) {}

    // The next character that counts, or 0 at the end.
    char16_t peek() {
        while (next_ != end_ && isBlank(*next_))
            ++next_;
        return next_ != end_ ? *next_ : char16_t(0);
    }
    void take() { ++next_; }

private:
    const char16_t* next_;
    const char16_t* end_;
};

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

int digitValue(char16_t c, int base) {
    int value = base; // does not fit
    if (isDigit(c))
        value = c - u'0';
    else if (c >= u'a' && c <= u'f')
        value = c - u'a' + 10;
    else if (c >= u'A' && c <= u'F')
        value = c - u'A' + 10;
    return value < base ? value : -1;
}

// "&H..." / "&O...", the reader standing after the ampersand.
double readWholeInBase(Reader& reader) {
    const char16_t kind = reader.peek();
    const int base = (kind == u'H' || kind == u'h') ? 16 : (kind == u'O' || kind == u'o') ? 8 : 0;
    if (base == 0)
        return 0;
    reader.take();
    quint64 value = 0;
    bool tooLong = false;
    for (int digit; (digit = digitValue(reader.peek(), base)) >= 0; reader.take()) {
        if (!tooLong) {
            value = value * base + digit;
            tooLong = value > 0xFFFFFFFFu;
        }
    }
    if (tooLong)
        return std::numeric_limits<double>::infinity();
    if (value <= 0xFFFFu)
        return static_cast<qint16>(static_cast<quint16>(value));
    return static_cast<qint32>(static_cast<quint32>(value));
}

using Chars = QVarLengthArray<char, 64>;

// The digits, points and commas at the start of the number, blanks left out, cut into runs of
// digits: runs[0] before the first mark, runs[i] after marks[i - 1]. Returns the character that
// ended them.
char16_t readRuns(Reader& reader, QVarLengthArray<Chars, 4>& runs, Chars& marks) {
    runs.resize(1);
    char16_t c = reader.peek();
    for (;; reader.take(), c = reader.peek()) {
        if (isDigit(c)) {
            runs.back().append(char(c));
        } else if (c == u'.' || c == u',') {
            marks.append(char(c));
            runs.append(Chars());
        } else {
            return c;
        }
    }
}

// A double from plain ASCII digits, correctly rounded; +-infinity or 0 beyond a double's range.
double toDouble(const Chars& whole, const Chars& fraction, qint64 exponent) {
    // Significant digits only, so the order of magnitude below stays right for any number of
    // leading zeros.
    qsizetype first = 0;
    while (first < whole.size() && whole[first] == '0')
        ++first;
    qsizetype leadingZeros = 0;
    while (leadingZeros < fraction.size() && fraction[leadingZeros] == '0')
        ++leadingZeros;
    const qsizetype wholeDigits = whole.size() - first;
    if (wholeDigits == 0 && leadingZeros == fraction.size())
        return 0;

    Chars number;
    number.append(whole.data() + first, wholeDigits);
    if (wholeDigits == 0)
        number.append('0');
    if (!fraction.isEmpty()) {
        number.append('.');
        number.append(fraction.data(), fraction.size());
    }
    if (exponent != 0) {
        char digits[24];
        const auto written = std::to_chars(digits, digits + sizeof digits, exponent);
        number.append('e');
        number.append(digits, written.ptr - digits);
    }
    double value = 0;
    const auto parsed = std::from_chars(number.data(), number.data() + number.size(), value);
    if (parsed.ec == std::errc::result_out_of_range) {
        // Too large or too small for a double: the decimal order of magnitude tells which.
        const qint64 magnitude = exponent + (wholeDigits > 0 ? wholeDigits : -leadingZeros);
        value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return value;
}

} // namespace

NumberReading ReadNumber(QStringView text) {
    Reader reader(text);
    char16_t c = reader.peek();
    if (c == u'&') {
        reader.take();
        const double value = readWholeInBase(reader);
        return {value, value};
    }

    bool negative = false;
    if (c == u'+' || c == u'-') {
        negative = c == u'-';
        reader.take();
    }

    QVarLengthArray<Chars, 4> runs;
    Chars marks;
    c = readRuns(reader, runs, marks);
    const qsizetype markCount = marks.size();
    auto decimalComma = [&](qsizetype i) {
        return i < markCount && marks[i] == ',' && !runs[i + 1].isEmpty();
    };

    // Points that group thousands: every point before the first comma followed by exactly three
    // digits, and either two or more of them or a decimal comma after them ("1.049.173",
    // "1.234,5"). Anything else keeps the old reading, where a point is the decimal separator.
    qsizetype points = 0;
    while (points < markCount && marks[points] == '.')
        ++points;
    bool grouped = points >= 1 && !runs[0].isEmpty() && (points >= 2 || decimalComma(points));
    for (qsizetype i = 1; grouped && i <= points; ++i)
        grouped = runs[i].size() == 3;
    if (grouped && points < markCount && marks[points] == '.')
        grouped = false; // "1.049.173.5": not a grouping after all

    Chars whole;
    Chars fraction;
    qsizetype used = 0; // marks that belong to the number
    bool ambiguous = false;
    if (grouped) {
        for (qsizetype i = 0; i <= points; ++i)
            whole.append(runs[i].data(), runs[i].size());
        used = points;
        if (decimalComma(points)) {
            fraction = runs[points + 1];
            ++used;
        }
    } else {
        whole = runs[0];
        if (markCount > 0 && (marks[0] == '.' || decimalComma(0))) {
            fraction = runs[1];
            used = 1;
            // "12.345": a decimal point or a thousands point, the text cannot tell.
            ambiguous = marks[0] == '.' && !whole.isEmpty() && fraction.size() == 3;
        }
    }
    if (whole.isEmpty() && fraction.isEmpty())
        return {};

    // Exponent, only right after the number's last digit; an E without digits ends the number
    // where the E stands.
    qint64 exponent = 0;
    if (used == markCount && (c == u'E' || c == u'e')) {
        reader.take();
        bool negativeExponent = false;
        c = reader.peek();
        if (c == u'+' || c == u'-') {
            negativeExponent = c == u'-';
            reader.take();
        }
        for (c = reader.peek(); isDigit(c); c = reader.peek()) {
            if (exponent < 1'000'000'000)
                exponent = exponent * 10 + (c - u'0');
            reader.take();
        }
        if (negativeExponent)
            exponent = -exponent;
    }

    const double sign = negative ? -1.0 : 1.0;
    NumberReading reading;
    reading.value = sign * toDouble(whole, fraction, exponent);
    reading.alternative = reading.value;
    if (ambiguous && exponent == 0) {
        whole.append(fraction.data(), fraction.size());
        reading.alternative = sign * toDouble(whole, Chars(), 0);
    }
    // No negative zero.
    reading.value += 0.0;
    reading.alternative += 0.0;
    return reading;
}

double NumericValue(QStringView text) {
    return ReadNumber(text).value;
}

QString SpanishNumber(double value) {
    if (std::isnan(value))
        return QStringLiteral("no es un número");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("infinito") : QStringLiteral("menos infinito");

    // As many decimals as the verdict's precision keeps, then trailing zeros go.
    char text[400];
    std::snprintf(text, sizeof text, "%.*f", DecimalsKept(value), value);
    QString digits = QString::fromLatin1(text);
    if (digits.contains(u'.')) {
        while (digits.endsWith(u'0'))
            digits.chop(1);
        if (digits.endsWith(u'.'))
            digits.chop(1);
    }
    if (digits == u"-0")
        digits = QStringLiteral("0");

    const bool negative = digits.startsWith(u'-');
    if (negative)
        digits.remove(0, 1);
    qsizetype point = digits.indexOf(u'.');
    if (point < 0)
        point = digits.size();
    else
        digits[point] = u',';
    // Spanish style groups thousands from five digits on ("12 345"), never in "1234".
    if (point >= 5)
        for (qsizetype at = point - 3; at > 0; at -= 3)
            digits.insert(at, QChar(0x00A0));
    return negative ? u'-' + digits : digits;
}

int DecimalsKept(double value) {
    if (value == 0 || !std::isfinite(value))
        return kMaxDecimals;
    // The decimal exponent after rounding to the significant digits kept, so 999.9999999999999
    // counts as 1000.
    char text[32];
    std::snprintf(text, sizeof text, "%.*e", kSignificantDigits - 1, value);
    const int magnitude = std::atoi(std::strchr(text, 'e') + 1);
    return std::clamp(kSignificantDigits - 1 - magnitude, 0, kMaxDecimals);
}
