// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/NumericValue.h"

#include <QtTest>

#include <cmath>
#include <limits>

class TestNumericValue : public QObject {
    Q_OBJECT

private slots:
    void reads_data();
    void reads();
    void ambiguousPoint_data();
    void ambiguousPoint();
    void spanishNumber_data();
    void spanishNumber();
    void overflow_data();
    void overflow();
    void neverReadsPastTheText();
    void isQuick();
};

void TestNumericValue::reads_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    // Plain numbers.
    QTest::newRow("whole") << "12" << 12.0;
    QTest::newRow("leading zero") << "042" << 42.0;
    QTest::newRow("decimal zero") << "42.0" << 42.0;
    QTest::newRow("decimal") << "2.5" << 2.5;
    QTest::newRow("starts with the stop") << ".5" << 0.5;
    QTest::newRow("ends with the stop") << "5." << 5.0;
    QTest::newRow("negative") << "-3" << -3.0;
    QTest::newRow("negative decimal") << "-0.5" << -0.5;
    QTest::newRow("plus sign") << "+7" << 7.0;
    QTest::newRow("minus zero is zero") << "-0" << 0.0;
    // Skipped characters, wherever they stand.
    QTest::newRow("thousands with a blank") << "1 000" << 1000.0;
    QTest::newRow("blank between digits") << "4 2" << 42.0;
    QTest::newRow("blank after the sign") << "+ 7" << 7.0;
    QTest::newRow("leading blanks and tab") << " \t 8" << 8.0;
    QTest::newRow("line feed between digits") << "1\n2" << 12.0;
    QTest::newRow("blanks around the stop") << " 1 2 . 3 4 " << 12.34;
    QTest::newRow("carriage return stops") << "1\r2" << 1.0;
    QTest::newRow("no-break spaces group digits") << QString("1\u00A0049\u202F173") << 1049173.0;
    // Where reading stops.
    QTest::newRow("decimal comma") << "4,5" << 4.5;
    QTest::newRow("decimal comma, trailing zero") << "2,50" << 2.5;
    QTest::newRow("starts with the comma") << ",5" << 0.5;
    QTest::newRow("negative with comma") << "-0,25" << -0.25;
    QTest::newRow("blank after the comma") << "4, 5" << 4.5;
    QTest::newRow("comma at the end") << "4," << 4.0;
    QTest::newRow("comma then letter") << "4,x" << 4.0;
    QTest::newRow("comma alone") << "," << 0.0;
    QTest::newRow("second comma stops") << "1,2,3" << 1.2;
    QTest::newRow("point after a decimal comma stops") << "1,5.3" << 1.5;
    QTest::newRow("comma after a decimal point stops") << "1.5,3" << 1.5;
    QTest::newRow("comma then exponent ends") << "4,e5" << 4.0;
    QTest::newRow("exponent after decimal comma") << "2,5e2" << 250.0;
    // Points that group thousands.
    QTest::newRow("thousands points") << "1.049.173" << 1049173.0;
    QTest::newRow("thousands points, blanks") << "1 . 049 . 173" << 1049173.0;
    QTest::newRow("point before decimal comma") << "1.234,5" << 1234.5;
    QTest::newRow("points before decimal comma") << "1.049.173,25" << 1049173.25;
    QTest::newRow("grouped then comma without digit") << "1.049.173," << 1049173.0;
    QTest::newRow("single point with three digits") << "12.345" << 12.345;
    QTest::newRow("group of four digits is no grouping") << "1.049.1734" << 1.049;
    QTest::newRow("group of two digits is no grouping") << "1.04.173" << 1.04;
    QTest::newRow("third point breaks the grouping") << "1.049.173.5" << 1.049;
    QTest::newRow("point and two digits before a comma") << "1.23,5" << 1.23;
    QTest::newRow("no digits before the points") << ".049.173" << 0.049;
    QTest::newRow("words after the number") << "12 manzanas" << 12.0;
    QTest::newRow("euro sign after") << "5 €" << 5.0;
    QTest::newRow("second full stop") << "1.2.3" << 1.2;
    QTest::newRow("letter first") << "manzanas 42" << 0.0;
    QTest::newRow("two signs") << "--5" << 0.0;
    QTest::newRow("sign after digits") << "5-3" << 5.0;
    // Exponents.
    QTest::newRow("exponent") << "1.5e3" << 1500.0;
    QTest::newRow("capital exponent") << "2E2" << 200.0;
    QTest::newRow("negative exponent") << "25e-1" << 2.5;
    QTest::newRow("exponent with plus") << "3e+2" << 300.0;
    QTest::newRow("blanks in exponent") << "1 e 2" << 100.0;
    QTest::newRow("stop then exponent") << "1.e2" << 100.0;
    QTest::newRow("exponent without digits") << "1e" << 1.0;
    QTest::newRow("exponent sign without digits") << "1e-" << 1.0;
    QTest::newRow("exponent then letter") << "7ex" << 7.0;
    QTest::newRow("D is no exponent") << "1d2" << 1.0;
    QTest::newRow("stop in exponent ends it") << "1e2.5" << 100.0;
    // Nothing to read.
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("only blanks") << "   " << 0.0;
    QTest::newRow("full stop alone") << "." << 0.0;
    QTest::newRow("minus alone") << "-" << 0.0;
    QTest::newRow("minus and stop") << "-." << 0.0;
    QTest::newRow("exponent alone") << "e5" << 0.0;
    // Hexadecimal and octal.
    QTest::newRow("hex") << "&HFF" << 255.0;
    QTest::newRow("hex lower case") << "&hff" << 255.0;
    QTest::newRow("hex with blanks") << "& H 1 0" << 16.0;
    QTest::newRow("hex stops at non-digit") << "&H1G" << 1.0;
    QTest::newRow("hex alone") << "&H" << 0.0;
    QTest::newRow("hex without digits") << "&HG" << 0.0;
    QTest::newRow("hex 7FFF") << "&H7FFF" << 32767.0;
    QTest::newRow("hex 8000 is 16-bit negative") << "&H8000" << -32768.0;
    QTest::newRow("hex FFFF is -1") << "&HFFFF" << -1.0;
    QTest::newRow("hex leading zeros count by value") << "&H0000FFFF" << -1.0;
    QTest::newRow("hex 10000 is 32-bit") << "&H10000" << 65536.0;
    QTest::newRow("hex 7FFFFFFF") << "&H7FFFFFFF" << 2147483647.0;
    QTest::newRow("hex 80000000") << "&H80000000" << -2147483648.0;
    QTest::newRow("hex FFFFFFFF is -1") << "&HFFFFFFFF" << -1.0;
    QTest::newRow("octal") << "&O17" << 15.0;
    QTest::newRow("octal lower case") << "&o17" << 15.0;
    QTest::newRow("octal stops at 8") << "&O178" << 15.0;
    QTest::newRow("octal 177777 is -1") << "&O177777" << -1.0;
    QTest::newRow("octal 200000 is 32-bit") << "&O200000" << 65536.0;
    QTest::newRow("ampersand without letter") << "&17" << 0.0;
    QTest::newRow("ampersand alone") << "&" << 0.0;
    QTest::newRow("sign before ampersand") << "-&H10" << 0.0;
    QTest::newRow("hex has no fraction") << "&H1.5" << 1.0;
}

void TestNumericValue::reads() {
    QFETCH(QString, text);
    QFETCH(double, value);
    const double read = NumericValue(text);
    QCOMPARE(read, value);
    QVERIFY(!std::signbit(read) || value < 0);
}

void TestNumericValue::ambiguousPoint_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("alternative");
    QTest::newRow("12.345") << "12.345" << 12345.0;
    QTest::newRow("negative") << "-1.000" << -1000.0;
    QTest::newRow("two decimals are a decimal") << "12.34" << 12.34;
    QTest::newRow("four decimals are a decimal") << "12.3456" << 12.3456;
    QTest::newRow("no whole digits") << ".345" << 0.345;
    QTest::newRow("with an exponent") << "1.234e1" << 12.34;
    QTest::newRow("decimal comma") << "12,345" << 12.345;
}

void TestNumericValue::ambiguousPoint() {
    QFETCH(QString, text);
    QFETCH(double, alternative);
    QCOMPARE(ReadNumber(text).alternative, alternative);
}

void TestNumericValue::spanishNumber_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("shown");
    QTest::newRow("whole") << 42.0 << "42";
    QTest::newRow("four digits stay whole") << 1234.0 << "1234";
    QTest::newRow("five digits grouped") << 12345.0 << "12\u00A0345";
    QTest::newRow("millions grouped") << 1049173.0 << "1\u00A0049\u00A0173";
    QTest::newRow("decimal comma") << 2.5 << "2,5";
    QTest::newRow("float noise dropped") << 1.1 + 2.2 << "3,3";
    QTest::newRow("tiny noise is zero") << 0.3 - 0.1 - 0.2 << "0";
    QTest::newRow("negative grouped") << -12345.75 << "-12\u00A0345,75";
    QTest::newRow("no exponent") << 6.1e16 << "61\u00A0000\u00A0000\u00A0000\u00A0000\u00A0000";
    QTest::newRow("a third") << 10.0 / 3 << "3,333333333";
}

void TestNumericValue::spanishNumber() {
    QFETCH(double, value);
    QFETCH(QString, shown);
    QCOMPARE(SpanishNumber(value), shown);
}

void TestNumericValue::overflow_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("huge exponent") << "1e400" << inf;
    QTest::newRow("huge negative") << "-1e400" << -inf;
    QTest::newRow("huge exponent digits") << "9e99999999999999999999" << inf;
    QTest::newRow("400 digits") << QString(400, u'9') << inf;
    QTest::newRow("tiny") << "1e-400" << 0.0;
    QTest::newRow("tiny with many zeros") << "0." + QString(400, u'0') + "1" << 0.0;
    QTest::newRow("large but finite") << "1.7e308" << 1.7e308;
    QTest::newRow("zeros then digits") << "0." + QString(23, u'0') + "5e24" << 5.0;
    QTest::newRow("hex beyond 32 bits") << "&H100000000" << inf;
    QTest::newRow("octal beyond 32 bits") << "&O40000000000" << inf;
}

void TestNumericValue::overflow() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(NumericValue(text), value);
}

void TestNumericValue::neverReadsPastTheText() {
    // Views into a longer text: the characters after the view must not count.
    const QString text = QStringLiteral("12345e67&HFF");
    QCOMPARE(NumericValue(QStringView(text).left(3)), 123.0);
    QCOMPARE(NumericValue(QStringView(text).left(6)), 12345.0); // "12345e": exponent digits cut off
    QCOMPARE(NumericValue(QStringView(text).mid(8, 3)), 15.0);  // "&HF"
    QCOMPARE(NumericValue(QStringView(text).left(0)), 0.0);
}

void TestNumericValue::isQuick() {
    const QStringList texts{"7", "NUMERO1", "12 manzanas", "1 000", "+", "2.5", "Luis"};
    double sum = 0;
    QElapsedTimer timer;
    timer.start();
    constexpr int rounds = 100000;
    for (int i = 0; i < rounds; ++i)
        for (const QString& t : texts)
            sum += NumericValue(t);
    const double perValue = double(timer.nsecsElapsed()) / (rounds * texts.size());
    QCOMPARE(sum, rounds * (7.0 + 12.0 + 1000.0 + 2.5));
    qInfo("%.0f ns per text", perValue); // reported, not asserted: the machine decides it
}

QTEST_GUILESS_MAIN(TestNumericValue)
#include "tst_numericvalue.moc"
