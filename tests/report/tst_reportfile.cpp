// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AppFolder.h"
#include "report/ReportFile.h"
#include "support/TempAppFolder.h"
#include "support/Unprivileged.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

QStringList folderEntries(const QString& path) {
    return QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

} // namespace

class TestReportFile : public QObject {
    Q_OBJECT

private slots:
    void lineBreaksBecomeCrLf_data();
    void lineBreaksBecomeCrLf();
    void fileBytes_data();
    void fileBytes();
    void failureHalfWayKeepsThePreviousReport();
    void readOnlyFolderFails();
    void placesTriedInOrder_data();
    void placesTriedInOrder();
};

void TestReportFile::lineBreaksBecomeCrLf_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("no break") << "Informe - 1/2/24 10:00"
                              << "Informe - 1/2/24 10:00";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("CR LF kept") << "a\r\n\r\nb"
                                << "a\r\n\r\nb";
    QTest::newRow("lone LF") << "a\nb\n"
                             << "a\r\nb\r\n";
    QTest::newRow("lone CR") << "a\rb"
                             << "a\r\nb";
    QTest::newRow("CR before CR LF") << "a\r\r\nb"
                                     << "a\r\n\r\nb";
    QTest::newRow("LF CR is two breaks") << "a\n\rb"
                                         << "a\r\n\r\nb";
    QTest::newRow("paragraph separators")
        << QStringLiteral("t\u2029\u2029( 1 )\u2029x") << "t\r\n\r\n( 1 )\r\nx";
    QTest::newRow("line separator") << QStringLiteral("a\u2028b") << "a\r\nb";
    QTest::newRow("non-breaking space kept") << QStringLiteral("3\u00a0kg") << QStringLiteral("3\u00a0kg");
}

void TestReportFile::lineBreaksBecomeCrLf() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(ReportFile::WithCrLf(text), expected);
}

void TestReportFile::fileBytes_data() {
    QTest::addColumn<QString>("report");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("title only") << "Informe - 07/12/2026 9:05" << QByteArray("Informe - 07/12/2026 9:05\r\n");
    QTest::newRow("empty report") << "" << QByteArray("\r\n");
#ifdef Q_OS_WIN
    QTest::newRow("accents in the code page") << QStringLiteral("Ñandú") << QByteArray("\xd1\x61nd\xfa\r\n");
#else
    QTest::newRow("accents in UTF-8") << QStringLiteral("Ñandú") << QByteArray("\xc3\x91\x61nd\xc3\xba\r\n");
#endif
}

void TestReportFile::fileBytes() {
    QFETCH(QString, report);
    QFETCH(QByteArray, bytes);
    QCOMPARE(ReportFile::FileBytes(report), bytes);
}

void TestReportFile::failureHalfWayKeepsThePreviousReport() {
#ifdef Q_OS_UNIX
    // A file size limit stops the write part of the way through, as a full disk would; it holds
    // for root too, unlike permissions.
    TempAppFolder app;
    const QString path = app.write("texto.txt", "informe anterior\r\n");
    const QString longReport = QStringLiteral("linea de informe\r\n").repeated(20000);

    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    QVERIFY(getrlimit(RLIMIT_FSIZE, &saved) == 0);
    rlimit limited = saved;
    limited.rlim_cur = 4096;
    QVERIFY(setrlimit(RLIMIT_FSIZE, &limited) == 0);
    QString error;
    const bool written = ReportFile::Save(path, longReport, &error);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    QVERIFY(!written);
    QVERIFY(!error.isEmpty());
    QCOMPARE(readAll(path), QByteArray("informe anterior\r\n"));
    QCOMPARE(folderEntries(app.path()), QStringList{"texto.txt"}); // no temporary file left behind
    // The limit gone, the same report saves whole.
    QVERIFY(ReportFile::Save(path, longReport));
    QCOMPARE(readAll(path), ReportFile::FileBytes(longReport));
#else
    QSKIP("needs a file size limit");
#endif
}

void TestReportFile::readOnlyFolderFails() {
    TempAppFolder app;
    const QString path = app.write("texto.txt", "informe anterior\r\n");
    // Saved by an unprivileged user: the superuser writes into read-only folders.
    QVERIFY(RunUnprivileged(app.path(), [&] {
        QFile::setPermissions(app.path(), QFile::ReadOwner | QFile::ExeOwner);
        return !ReportFile::Save(path, QStringLiteral("nuevo"));
    }));
    QFile::setPermissions(app.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(readAll(path), QByteArray("informe anterior\r\n"));
}

void TestReportFile::placesTriedInOrder_data() {
    QTest::addColumn<QByteArray>("userDirs"); // the user's folder settings; empty: none
    QTest::addColumn<QString>("appFile");
    QTest::addColumn<QStringList>("places"); // "app/" and "home/" stand for the two folders
    QTest::newRow("documents beneath the home folder")
        << QByteArray() << "" << QStringList{"app/texto.txt", "home/Documents/texto.txt", "home/texto.txt"};
    QTest::newRow("a documents folder of another name")
        << QByteArray("XDG_DOCUMENTS_DIR=\"$HOME/Documentos\"\n") << ""
        << QStringList{"app/texto.txt", "home/Documentos/texto.txt", "home/texto.txt"};
    QTest::newRow("documents are the home folder") << QByteArray("XDG_DOCUMENTS_DIR=\"$HOME/\"\n") << ""
                                                   << QStringList{"app/texto.txt", "home/texto.txt"};
    QTest::newRow("an older report in capitals")
        << QByteArray() << "TEXTO.TXT"
        << QStringList{"app/TEXTO.TXT", "home/Documents/texto.txt", "home/texto.txt"};
}

void TestReportFile::placesTriedInOrder() {
    QFETCH(QByteArray, userDirs);
    QFETCH(QString, appFile);
    QFETCH(QStringList, places);
    TempAppFolder app;
    QTemporaryDir home;
    const QByteArray savedHome = qgetenv("HOME");
    const QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + "/.config"));
    const auto restore = qScopeGuard([&] {
        qputenv("HOME", savedHome);
        qputenv("XDG_CONFIG_HOME", savedConfig);
    });
    if (!userDirs.isEmpty()) {
        QDir().mkpath(home.path() + "/.config");
        QFile settings(home.path() + "/.config/user-dirs.dirs");
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write(userDirs);
    }
    if (!appFile.isEmpty())
        app.write(appFile, "x");

    QStringList expected;
    for (QString place : places)
        expected.append(place.replace("app/", app.path() + u'/').replace("home/", home.path() + u'/'));
    QCOMPARE(ReportFile::SavePaths(), expected);
}

QTEST_GUILESS_MAIN(TestReportFile)
#include "tst_reportfile.moc"
