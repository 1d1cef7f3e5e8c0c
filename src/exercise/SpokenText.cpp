// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/SpokenText.h"

#include <QHash>
#include <QRegularExpression>

namespace {

// Blanks that may group digits or stand between a number and its unit: space, no-break space,
// narrow no-break space.
constexpr char16_t Blanks[] = u"[ \u00A0\u202F]";

QString Replaced(QString text, const QString& pattern, const QString& with) {
    return text.replace(QRegularExpression(pattern), with);
}

// "1 049 173", "1.049.173" and "1.234,5" become one run of digits. A single point followed by
// three digits ("12.345") may be a decimal point: it is left for the voice to read.
QString JoinDigitGroups(QString text) {
    static const QRegularExpression spaced(
        QStringLiteral("(?<![\\d.,])\\d{1,3}(?:%1\\d{3})+(?!\\d)").arg(QString::fromUtf16(Blanks)));
    static const QRegularExpression pointed(
        QStringLiteral("(?<![\\d.,])\\d{1,3}(?:(?:\\.\\d{3}){2,}(?!\\d|\\.\\d)|(?:\\.\\d{3})+(?=,\\d))"));
    static const QRegularExpression separators(QStringLiteral("[ .\u00A0\u202F]"));
    for (const QRegularExpression* groups : {&spaced, &pointed}) {
        QString joined;
        qsizetype from = 0;
        for (const QRegularExpressionMatch& match : groups->globalMatch(text)) {
            joined += QStringView(text).mid(from, match.capturedStart() - from);
            joined += match.captured().remove(separators);
            from = match.capturedEnd();
        }
        text = joined + text.mid(from);
    }
    return text;
}

// "4,05" is read "4 coma cero 5": the zeros that start the decimals are said, not swallowed.
QString ReadDecimalCommas(const QString& text) {
    static const QRegularExpression decimal(QStringLiteral("(\\d),(0*)(\\d)"));
    QString read;
    qsizetype from = 0;
    for (const QRegularExpressionMatch& match : decimal.globalMatch(text)) {
        read += QStringView(text).mid(from, match.capturedStart() - from);
        read += match.captured(1) + QStringLiteral(" coma ");
        read += QStringLiteral("cero ").repeated(match.capturedLength(2));
        read += match.captured(3);
        from = match.capturedEnd();
    }
    return read + text.mid(from);
}

// "1º", "6ª": the ordinal words up to ten, as a class or a place is named.
QString ReadOrdinals(const QString& text) {
    static const char* const stems[] = {"primer", "segund", "tercer", "cuart", "quint",
                                        "sext",   "séptim", "octav",  "noven", "décim"};
    static const QRegularExpression ordinal(QStringLiteral("(?<!\\d)(10|[1-9])[.]?([ºª°])"));
    QString read;
    qsizetype from = 0;
    for (const QRegularExpressionMatch& match : ordinal.globalMatch(text)) {
        read += QStringView(text).mid(from, match.capturedStart() - from);
        read += QString::fromUtf8(stems[match.captured(1).toInt() - 1]);
        read += match.captured(2) == QStringLiteral("ª") ? u'a' : u'o';
        from = match.capturedEnd();
    }
    return read + text.mid(from);
}

// Square and cubic units ("12 m²", "8 cm³"), speeds in km/h and simple fractions ("3/4"): the
// voice reads the symbols one by one ("eme dos", "uno dos").
QString ReadUnitsAndFractions(const QString& text, const QString& blank) {
    static const QHash<QString, QString> lengths{{"km", "kilómetros"},
                                                 {"m", "metros"},
                                                 {"dm", "decímetros"},
                                                 {"cm", "centímetros"},
                                                 {"mm", "milímetros"}};
    static const char* const parts[] = {"medio",   "tercio", "cuarto", "quinto", "sexto",
                                        "séptimo", "octavo", "noveno", "décimo"};
    const QRegularExpression unit(QStringLiteral("(?<=\\d)%1*(km|dm|cm|mm|m)([²³])").arg(blank));
    const QRegularExpression fraction(QStringLiteral("(?<![\\d/.,])(\\d+)/([2-9]|10)(?![\\d/])"));
    QString read;
    qsizetype from = 0;
    for (const QRegularExpressionMatch& match : unit.globalMatch(text)) {
        read += QStringView(text).mid(from, match.capturedStart() - from);
        read += u' ' + lengths.value(match.captured(1)) +
                (match.captured(2) == u"²" ? QStringLiteral(" cuadrados") : QStringLiteral(" cúbicos"));
        from = match.capturedEnd();
    }
    read += text.mid(from);
    read = Replaced(read, QStringLiteral("(?<=\\d)%1*km/h\\b").arg(blank),
                    QStringLiteral(" kilómetros por hora"));
    QString said;
    from = 0;
    for (const QRegularExpressionMatch& match : fraction.globalMatch(read)) {
        said += QStringView(read).mid(from, match.capturedStart() - from);
        const QString numerator = match.captured(1);
        const QString part = QString::fromUtf8(parts[match.captured(2).toInt() - 2]);
        said += numerator == u"1" ? QStringLiteral("un ") + part : numerator + u' ' + part + u's';
        from = match.capturedEnd();
    }
    return said + read.mid(from);
}

QString PreparedForTheEar(QString text) {
    text.replace(QChar::ParagraphSeparator, u' ').replace(QChar::LineSeparator, u' ');
    text = JoinDigitGroups(text);
    const QString blank = QString::fromUtf16(Blanks);
    // Units before the decimal comma is read, while "1 €" can still be told from "1,5 €".
    text = Replaced(text, QStringLiteral("(?<![\\d.,])1%1*€").arg(blank), QStringLiteral("1 euro"));
    text = Replaced(text, QStringLiteral("%1*€").arg(blank), QStringLiteral(" euros"));
    text = Replaced(text, QStringLiteral("%1*%").arg(blank), QStringLiteral(" por ciento"));
    text = ReadUnitsAndFractions(text, blank);
    text = ReadDecimalCommas(text);
    text = ReadOrdinals(text);
    text = Replaced(text, QStringLiteral("\\b[nN][º°]"), QStringLiteral("número"));
    // A map's or a plan's scale, "1:200 000": the voice says the two numbers with nothing between
    // them, so it is read as it is said in class, "1 a 200000".
    text = Replaced(text, QStringLiteral("(\\b[eE]scala(?:%1+de)?%1+\\d+)%1*:%1*(?=\\d)").arg(blank),
                    QStringLiteral("\\1 a "));
    // A question mark beside a sign stands for the missing number, "4 × ? = 36": the voice would
    // say nothing for it.
    text = Replaced(
        text,
        QStringLiteral("(?<=[×·+\\-−=÷]%1|[×·+\\-−=÷])\\?|(?<![\\p{L}\\d])\\?(?=%1?[×·+\\-−=÷])").arg(blank),
        QStringLiteral("cuánto"));
    // Signs between two numbers, or a number, a lone letter ("5 × n - 2") or that missing one; a
    // colon only when spaced, so "10:30" stays a time.
    const QString before = QStringLiteral("(?<=\\d|(?<![\\p{L}\\d])\\p{L}|cuánto)");
    const QString after = QStringLiteral("(?=\\d|\\p{L}(?![\\p{L}\\d])|cuánto)");
    text = Replaced(text, QStringLiteral("%2%1*\\+%1*%3").arg(blank, before, after), QStringLiteral(" más "));
    text = Replaced(text, QStringLiteral("%2%1*−%1*%3|%2%1+-%1+%3").arg(blank, before, after),
                    QStringLiteral(" menos "));
    text = Replaced(text, QStringLiteral("(?<=\\d)%1*·%1*(?=\\d)|(?<=\\d)%1+[xX]%1+(?=\\d)").arg(blank),
                    QStringLiteral(" por "));
    // The times sign means nothing else, wherever it stands.
    text = Replaced(text, QStringLiteral("%1*×%1*").arg(blank), QStringLiteral(" por "));
    text = Replaced(text, QStringLiteral("(?<=\\d)%1*÷%1*(?=\\d)|(?<=\\d)%1+:%1+(?=\\d)").arg(blank),
                    QStringLiteral(" entre "));
    text = Replaced(text, QStringLiteral("%1*=%1*").arg(blank), QStringLiteral(" es igual a "));
    // Marks a voice spells out or stumbles on; they carry nothing a listener needs.
    text = Replaced(text, QStringLiteral("[\"«»“”„()\\[\\]{}]"), QString());
    text = Replaced(text, QStringLiteral("[*#_~|\\\\^]"), QStringLiteral(" "));
    text = Replaced(text, QStringLiteral("%1+").arg(blank), QStringLiteral(" "));
    return text.trimmed();
}

} // namespace

QString SpokenProblem(const QString& statement, const QStringList& choices) {
    QString spoken = PreparedForTheEar(statement);
    QStringList said;
    for (const QString& choice : choices) {
        const QString prepared = PreparedForTheEar(choice);
        if (!prepared.isEmpty())
            said << prepared;
    }
    if (said.isEmpty())
        return spoken;
    // Each choice its own sentence, so the voice pauses between them.
    for (QString& choice : said) {
        if (!choice.back().isPunct())
            choice += u'.';
    }
    if (!spoken.isEmpty() && !spoken.back().isPunct())
        spoken += u'.';
    return (spoken + QStringLiteral(" Las opciones son: ") + said.join(u' ')).trimmed();
}
