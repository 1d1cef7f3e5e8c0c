#include "app/NumericValue.h"

#include <QVarLengthArray>

#include <charconv>
#include <limits>

namespace {

// Walks the text, skipping the characters that never count (blanks, tabs, line feeds); never
// reads past the end.
class Reader {
public:
    explicit Reader(QStringView text) : next_(text.utf16()), end_(text.utf16() + text.size()) {}

    // The next character that counts, or 0 at the end.
    char16_t peek() {
        while (next_ != end_ && (*next_ == u' ' || *next_ == u'\t' || *next_ == u'\n'))
            ++next_;
        return next_ != end_ ? *next_ : char16_t(0);
    }
    void take() { ++next_; }

private:
    const char16_t* next_;
    const char16_t* end_;
};

int digitValue(char16_t c, int base) {
    int value = base; // does not fit
    if (c >= u'0' && c <= u'9')
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

} // namespace

double NumericValue(QStringView text) {
    Reader reader(text);
    char16_t c = reader.peek();
    if (c == u'&') {
        reader.take();
        return readWholeInBase(reader);
    }

    bool negative = false;
    if (c == u'+' || c == u'-') {
        negative = c == u'-';
        reader.take();
    }

    // The mantissa as plain ASCII for a correctly rounded conversion.
    QVarLengthArray<char, 64> number;
    bool point = false;
    bool anyDigit = false;
    qsizetype wholeDigits = 0;  // significant digits before the full stop
    qsizetype leadingZeros = 0; // zeros after the full stop before the first other digit
    bool nonZero = false;
    for (c = reader.peek();; c = reader.peek()) {
        if (c >= u'0' && c <= u'9') {
            anyDigit = true;
            if (c != u'0')
                nonZero = true;
            if (!point && nonZero)
                ++wholeDigits;
            else if (point && !nonZero)
                ++leadingZeros;
            number.append(char(c));
        } else if (c == u'.' && !point) {
            point = true;
            number.append('.');
        } else {
            break;
        }
        reader.take();
    }
    if (!anyDigit)
        return 0;

    // Exponent; an E without digits ends the number where the E stands.
    qint64 exponent = 0;
    if (c == u'E' || c == u'e') {
        reader.take();
        bool negativeExponent = false;
        c = reader.peek();
        if (c == u'+' || c == u'-') {
            negativeExponent = c == u'-';
            reader.take();
        }
        for (c = reader.peek(); c >= u'0' && c <= u'9'; c = reader.peek()) {
            if (exponent < 1'000'000'000)
                exponent = exponent * 10 + (c - u'0');
            reader.take();
        }
        if (negativeExponent)
            exponent = -exponent;
        if (exponent != 0) {
            char digits[24];
            const auto written = std::to_chars(digits, digits + sizeof digits, exponent);
            number.append('e');
            number.append(digits, written.ptr - digits);
        }
    }
    if (!nonZero)
        return 0;

    double value = 0;
    const auto parsed = std::from_chars(number.data(), number.data() + number.size(), value);
    if (parsed.ec == std::errc::result_out_of_range) {
        // Too large or too small for a double: the decimal order of magnitude tells which.
        const qint64 magnitude = exponent + (wholeDigits > 0 ? wholeDigits : -leadingZeros);
        value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    if (value == 0)
        return 0; // no negative zero
    return negative ? -value : value;
}
