// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/ProblemNavigation.h"
#include "exercise/Verdict.h"

#include <QtTest>

#include <limits>

class TestVerdict : public QObject {
    Q_OBJECT

private slots:
    void numericAnswers_data();
    void numericAnswers();
    void exactRange_data();
    void exactRange();
    void choiceAnswers_data();
    void choiceAnswers();
    void reportPieces();
    void entryCountStopsAt32767();
    void arrows_data();
    void arrows();
};

void TestVerdict::numericAnswers_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<double>("result");
    QTest::addColumn<bool>("right");
    QTest::newRow("plain") << "42" << 42.0 << true;
    QTest::newRow("words after the number") << "42 manzanas" << 42.0 << true;
    QTest::newRow("blank between digits") << "4 2" << 42.0 << true;
    QTest::newRow("leading zero") << "042" << 42.0 << true;
    QTest::newRow("decimal zero") << "42.0" << 42.0 << true;
    QTest::newRow("one less") << "41" << 42.0 << false;
    QTest::newRow("words first") << "manzanas 42" << 42.0 << false;
    QTest::newRow("empty") << "" << 42.0 << false;
    QTest::newRow("empty is zero") << "" << 0.0 << true;
    QTest::newRow("decimal point") << "2.5" << 2.5 << true;
    QTest::newRow("decimal comma") << "2,5" << 2.5 << true;
    QTest::newRow("kilos: 5,5") << "5,5" << 2.5 + 3.0 << true;
    QTest::newRow("kilos: 5 is wrong") << "5" << 5.5 << false;
    QTest::newRow("2,5 is not 2") << "2,5" << 2.0 << false;
    QTest::newRow("2 is not 2,5") << "2" << 2.5 << false;
    QTest::newRow("1,1 + 2,2 with a comma") << "3,3" << 1.1 + 2.2 << true;
    QTest::newRow("1,1 + 2,2 with a point") << "3.3" << 1.1 + 2.2 << true;
    QTest::newRow("0,1 + 0,2") << "0,3" << 0.1 + 0.2 << true;
    QTest::newRow("noise that should be 0") << "0" << 0.3 - 0.1 - 0.2 << true;
    QTest::newRow("cents differ") << "3,31" << 1.1 + 2.2 << false;
    QTest::newRow("tenth of a millionth differs") << "0,3000001" << 0.3 << false;
    QTest::newRow("thousands points") << "1.049.173" << 1049173.0 << true;
    QTest::newRow("no-break spaces") << QString("1\u00A0049\u00A0173") << 1049173.0 << true;
    QTest::newRow("thousands points, one off") << "1.049.174" << 1049173.0 << false;
    QTest::newRow("12.345 as thousands") << "12.345" << 12345.0 << true;
    QTest::newRow("12.345 as decimal") << "12.345" << 12.345 << true;
    QTest::newRow("12.345 is not 12") << "12.345" << 12.0 << false;
    QTest::newRow("12,345 has no thousands reading") << "12,345" << 12345.0 << false;
    QTest::newRow("neighbours below 10^12 differ") << "999999999999" << 999999999998.0 << false;
    QTest::newRow("twelve digits equal") << "999999999999" << 999999999999.0 << true;
    QTest::newRow("negative zero result") << "0" << -0.0 << true;
    QTest::newRow("-10 is not 10") << "-10" << 10.0 << false;
    QTest::newRow("too large for a real") << "1e999" << 1e308 << false;
    QTest::newRow("too large, against a division by zero") << "1e400" << qInf() << false;
}

void TestVerdict::numericAnswers() {
    QFETCH(QString, answer);
    QFETCH(double, result);
    QFETCH(bool, right);
    QCOMPARE(IsRightNumber(answer, result), right);
}

void TestVerdict::exactRange_data() {
    QTest::addColumn<double>("result");
    QTest::addColumn<bool>("exact");
    QTest::newRow("below 10^12") << 999999999999.0 << true;
    QTest::newRow("10^12") << 1e12 << false;
    QTest::newRow("beyond 2^53") << 9007199254740993.0 << false;
    QTest::newRow("negative beyond") << -2e12 << false;
    QTest::newRow("division by zero") << qInf() << false;
}

void TestVerdict::exactRange() {
    QFETCH(double, result);
    QFETCH(bool, exact);
    QCOMPARE(IsJudgedExactly(result), exact);
}

void TestVerdict::choiceAnswers_data() {
    QTest::addColumn<QString>("choice");
    QTest::addColumn<bool>("right");
    QTest::newRow("marked choice") << "12 euros " << true;
    QTest::newRow("unmarked choice") << "12 euros" << false;
    QTest::newRow("empty chooser") << "" << false;
    QTest::newRow("typed with a space") << "cualquier cosa " << true;
    QTest::newRow("tab is not a space") << "12\t" << false;
}

void TestVerdict::choiceAnswers() {
    QFETCH(QString, choice);
    QFETCH(bool, right);
    QCOMPARE(IsRightChoice(choice), right);
}

void TestVerdict::reportPieces() {
    QCOMPARE(ReportHeading(1, "Ana tiene 3 cromos . "), QString("\r\n\r\n( 1 )\r\nAna tiene 3 cromos . "));
    QCOMPARE(ReportHeading(32767, ""), QString("\r\n\r\n( 32767 )\r\n"));
    QCOMPARE(ReportResultLine("MUY BIEN", "12 euros "), QString("\r\n  *** MUY BIEN *** <  12 euros   >"));
}

void TestVerdict::entryCountStopsAt32767() {
    QCOMPARE(NextEntryCount(0), qint16(1));
    QCOMPARE(NextEntryCount(32766), qint16(32767));
    QCOMPARE(NextEntryCount(32767), qint16(32767));
}

void TestVerdict::arrows_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("files");
    QTest::addColumn<int>("expected");
    QTest::newRow("next from the last wraps") << 5 << 1 << 5 << 1;
    QTest::newRow("previous from the first wraps") << 1 << 0 << 5 << 5;
    QTest::newRow("next in the middle") << 2 << 1 << 5 << 3;
    QTest::newRow("previous in the middle") << 3 << 0 << 5 << 2;
    QTest::newRow("beyond the count keeps counting") << 7 << 1 << 5 << 8;
    QTest::newRow("previous from beyond counts down") << 7 << 0 << 5 << 6;
    QTest::newRow("empty folder counts on") << 1 << 1 << 0 << 2;
    QTest::newRow("empty folder, previous from 1") << 1 << 0 << 0 << 0;
    QTest::newRow("empty folder, previous from 0") << 0 << 0 << 0 << -1;
    QTest::newRow("no overflow at the top") << 32767 << 1 << 0 << 1;
    QTest::newRow("no overflow at the bottom") << -32768 << 0 << 0 << 1;
}

void TestVerdict::arrows() {
    QFETCH(int, number);
    QFETCH(int, index);
    QFETCH(int, files);
    QFETCH(int, expected);
    QCOMPARE(int(MoveProblemNumber(qint16(number), index, files)), expected);
}

QTEST_GUILESS_MAIN(TestVerdict)
#include "tst_verdict.moc"
