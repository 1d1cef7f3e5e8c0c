// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProgramLocale.h"

#include <QtTest>

class TestProgramLocale : public QObject {
    Q_OBJECT

private slots:
    void generalDateTime_data();
    void generalDateTime();
    void standardButtonsSpeakTheProgramsLanguage();
};

void TestProgramLocale::generalDateTime_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("expected");
    const QDateTime moment(QDate(2026, 12, 7), QTime(6, 30, 12));
    QTest::newRow("Spain") << QLocale(QLocale::Spanish, QLocale::Spain) << "7/12/2026 6:30:12";
    QTest::newRow("Mexico") << QLocale(QLocale::Spanish, QLocale::Mexico) << "07/12/2026 06:30:12";
    QTest::newRow("United States") << QLocale(QLocale::English, QLocale::UnitedStates)
                                   << "12/7/2026 6:30:12 AM";
}

void TestProgramLocale::generalDateTime() {
    QFETCH(QLocale, locale);
    QFETCH(QString, expected);
    QCOMPARE(GeneralDateTime(QDateTime(QDate(2026, 12, 7), QTime(6, 30, 12)), locale), expected);
}

void TestProgramLocale::standardButtonsSpeakTheProgramsLanguage() {
    if (ProgramLocale().language() != QLocale::Spanish)
        QSKIP("the desktop's language is not Spanish here");
    InstallQtTranslation(*QCoreApplication::instance());
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QString("&Sí"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&No"), QString("&No"));
}

QTEST_GUILESS_MAIN(TestProgramLocale)
#include "tst_programlocale.moc"
