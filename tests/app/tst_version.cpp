// SPDX-License-Identifier: GPL-3.0-or-later
#include <QProcess>
#include <QProcessEnvironment>
#include <QtTest>

// kotira --version answers where no display can be opened: a package's build and a school's
// administrator at a text console ask it there.
class TestVersion : public QObject {
    Q_OBJECT

private slots:
    void answersWithoutADisplay_data();
    void answersWithoutADisplay();
};

void TestVersion::answersWithoutADisplay_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("alone") << QStringList{"--version"};
    QTest::newRow("after Qt's own options") << QStringList{"-style", "fusion", "--version"};
}

void TestVersion::answersWithoutADisplay() {
    QFETCH(QStringList, arguments);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    // The platform that needs a display: the program would abort if it reached it.
    environment.insert("QT_QPA_PLATFORM", "xcb");
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(KOTIRA_BINARY_DIR "/kotira"), arguments);
    QVERIFY(program.waitForFinished(-1));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QCOMPARE(program.readAllStandardOutput(), QByteArray("kotira " KOTIRA_VERSION "\n"));
}

QTEST_GUILESS_MAIN(TestVersion)
#include "tst_version.moc"
