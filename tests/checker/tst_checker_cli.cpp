// SPDX-License-Identifier: GPL-3.0-or-later
// kotira-revisar as a teacher or a script runs it: exit status, JSON and the HTML page.

#include "support/TempAppFolder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

const QString Program = QStringLiteral(KOTIRA_BINARY_DIR "/kotira-revisar");

Run revisar(const QStringList& arguments,
            const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(Program, arguments);
    process.waitForFinished(120000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

QString shellCommand(const QStringList& words) {
    QStringList quoted;
    for (QString word : words)
        quoted << u'\'' + word.replace(QStringLiteral("'"), QStringLiteral("'\\''")) + u'\'';
    return quoted.join(u' ');
}

// As started from a desktop without one: no display, no platform chosen.
QProcessEnvironment withoutDisplay() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QString::fromLatin1(name));
    return environment;
}

// One group of one template; the statement line is the caller's.
void writeContent(const TempAppFolder& app, const QByteArray& statement) {
    app.write("datos/NOMBRE.txt", "Ana\r\nLuis\r\n");
    app.write("configuracion/idioma.txt",
              "ACEPTAR\r\nGrupos\r\nCOMPROBAR\r\nBIEN\r\nMAL\r\nSalir\r\nInforme\r\n");
    app.write("Problemas/G/1.txt", statement + "\r\nTEXTO\r\n\r\nUna suma \r\nUna resta\r\n");
}

} // namespace

class TestCheckerCli : public QObject {
    Q_OBJECT

private slots:
    void exitStatus_data() {
        QTest::addColumn<QByteArray>("statement");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::newRow("no error") << QByteArray("NOMBRE suma") << QStringList() << 0;
        QTest::newRow("an error") << QByteArray("NOMBRES suma") << QStringList() << 1;
        QTest::newRow("help") << QByteArray("NOMBRES suma") << QStringList{"--ayuda"} << 0;
        QTest::newRow("unknown option") << QByteArray("NOMBRE suma") << QStringList{"--rapido"} << 2;
        QTest::newRow("missing value") << QByteArray("NOMBRE suma") << QStringList{"--muestras"} << 2;
        QTest::newRow("not a number") << QByteArray("NOMBRE suma") << QStringList{"--sorteos", "mil"} << 2;
        QTest::newRow("two folders") << QByteArray("NOMBRE suma") << QStringList{"/tmp"} << 2;
        QTest::newRow("group by prefix") << QByteArray("NOMBRE suma") << QStringList{"--grupo", "g"} << 0;
        QTest::newRow("no such group") << QByteArray("NOMBRE suma") << QStringList{"--grupo", "H"} << 2;
        QTest::newRow("group name missing") << QByteArray("NOMBRE suma") << QStringList{"--grupo"} << 2;
    }
    void exitStatus() {
        QFETCH(QByteArray, statement);
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        TempAppFolder app;
        writeContent(app, statement);
        QCOMPARE(revisar(arguments << app.path()).status, status);
    }

    void textNamesFileLineAndWord() {
        TempAppFolder app;
        writeContent(app, "NOMBRES suma");
        const QString text = QString::fromUtf8(revisar({app.path()}).out);
        QVERIFY2(text.contains(QStringLiteral("ERROR Problemas/G/1.txt, línea 1, «NOMBRES»: ")),
                 qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Cómo arreglarlo: ¿quería decir NOMBRE?")));
        QVERIFY(text.contains(QStringLiteral("opciones: «Una suma » (correcta) | «Una resta»")));
        QVERIFY(text.trimmed().endsWith(
            QStringLiteral("Resumen: 1 grupo, 1 plantilla, 1 lista, 1 error, 11 avisos.")));
    }

    void groupFolderChecksThatGroup_data() {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("heading");
        QTest::newRow("group folder")
            << QStringLiteral("/Problemas/G") << QStringLiteral("Solo el grupo «G»");
        QTest::newRow("Problemas folder")
            << QStringLiteral("/Problemas") << QStringLiteral("Resumen: 1 grupo,");
    }
    void groupFolderChecksThatGroup() {
        QFETCH(QString, given);
        QFETCH(QString, heading);
        TempAppFolder app;
        writeContent(app, "NOMBRE suma");
        const QString text = QString::fromUtf8(revisar({app.path() + given}).out);
        QVERIFY2(text.startsWith(QStringLiteral("Revisión del contenido de KOTIRA en %1\n").arg(app.path())),
                 qPrintable(text));
        QVERIFY2(text.contains(heading), qPrintable(text));
    }

    void versionWithoutDisplay() {
        const Run run = revisar({"--version"}, withoutDisplay());
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, QByteArray("kotira-revisar " KOTIRA_VERSION "\n"));
    }

    // --abrir with a stand-in for xdg-open, the only opener on the path.
    void openTellsWhereThePageIs_data() {
        QTest::addColumn<int>("openerStatus");
        QTest::addColumn<bool>("planted");
        QTest::addColumn<bool>("told");
        QTest::newRow("browser opened it") << 0 << false << false;
        QTest::newRow("nothing opens it (xdg-open 3)") << 3 << false << true;
        QTest::newRow("link planted at the page") << 0 << true << false;
    }
    void openTellsWhereThePageIs() {
        QFETCH(int, openerStatus);
        QFETCH(bool, planted);
        QFETCH(bool, told);
        TempAppFolder app;
        writeContent(app, "NOMBRE suma");
        QTemporaryDir home;
        const QString bin = home.filePath(QStringLiteral("bin"));
        QDir().mkpath(bin);
        QFile opener(bin + QStringLiteral("/xdg-open"));
        QVERIFY(opener.open(QIODevice::WriteOnly));
        opener.write(QStringLiteral("#!/bin/sh\necho \"$1\" > \"%1/opened\"\nexit %2\n")
                         .arg(home.path())
                         .arg(openerStatus)
                         .toUtf8());
        opener.close();
        opener.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QString page = home.filePath(QStringLiteral("cache/kotira-revisar/revision-kotira.html"));
        const QString victim = home.filePath(QStringLiteral("victim"));
        if (planted) {
            QDir().mkpath(QFileInfo(page).absolutePath());
            QVERIFY(QFile::link(victim, page));
        }
        QProcessEnvironment environment = withoutDisplay();
        environment.insert(QStringLiteral("PATH"), bin);
        environment.insert(QStringLiteral("XDG_CACHE_HOME"), home.filePath(QStringLiteral("cache")));
        const Run run = revisar({"--abrir", app.path()}, environment);
        QCOMPARE(run.status, 0);
        QVERIFY(QFileInfo(page).isFile() && !QFileInfo(page).isSymLink());
        QVERIFY(!QFileInfo::exists(victim));
        QFile opened(home.filePath(QStringLiteral("opened")));
        QVERIFY(opened.open(QIODevice::ReadOnly));
        QCOMPARE(opened.readAll().trimmed(), page.toUtf8());
        QCOMPARE(run.err.contains(
                     QStringLiteral("No se pudo abrir el informe en un navegador. Está guardado en:\n%1")
                         .arg(page)
                         .toUtf8()),
                 told);
    }

    // Progress is for a teacher watching a terminal: `script` gives the checker one.
    void progressOnlyOnATerminal_data() {
        QTest::addColumn<bool>("terminal");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<bool>("shown");
        QTest::newRow("terminal, many draws") << true << QStringList{"--sorteos", "2000"} << true;
        QTest::newRow("terminal, default draws") << true << QStringList() << false;
        QTest::newRow("terminal, JSON") << true << QStringList{"--sorteos", "2000", "--json"} << false;
        QTest::newRow("pipe, many draws") << false << QStringList{"--sorteos", "2000"} << false;
    }
    void progressOnlyOnATerminal() {
        QFETCH(bool, terminal);
        QFETCH(QStringList, options);
        QFETCH(bool, shown);
        if (terminal && QStandardPaths::findExecutable(QStringLiteral("script")).isEmpty())
            QSKIP("script (util-linux) is not installed");
        TempAppFolder app;
        writeContent(app, "NOMBRE suma");
        app.write("Problemas/G/2.txt", "NUMERO1 y 2\r\nNUMERO1 + 2\r\n");
        options << app.path();
        Run run;
        if (terminal) {
            QProcess process;
            process.start(QStringLiteral("script"), {"-qec", shellCommand(QStringList{Program} + options),
                                                     QStringLiteral("/dev/null")});
            process.waitForFinished(120000);
            run.out = process.readAllStandardOutput();
        } else {
            run = revisar(options);
        }
        QCOMPARE(run.out.contains("Revisando: 2 de 2 plantillas"), shown);
    }

    void missingFolder() { QCOMPARE(revisar({QStringLiteral("/no/such/kotira/folder")}).status, 2); }

    void jsonCarriesFindingsAndSamples() {
        TempAppFolder app;
        writeContent(app, "NOMBRES suma");
        const Run run = revisar({"--json", "--muestras", "2", app.path()});
        QJsonParseError error;
        const QJsonObject root = QJsonDocument::fromJson(run.out, &error).object();
        QCOMPARE(error.error, QJsonParseError::NoError);
        QCOMPARE(root["resumen"]["errores"].toInt(), 1);
        const QJsonObject problem = root["grupos"][0]["plantillas"][0].toObject();
        QCOMPARE(problem["hallazgos"][0]["palabra"].toString(), QStringLiteral("NOMBRES"));
        QCOMPARE(problem["muestras"].toArray().size(), 2);
        QCOMPARE(problem["muestras"][0]["opciones"][0]["correcta"].toBool(), true);
    }

    void jsonResultAsThePupilTypesIt() {
        TempAppFolder app;
        writeContent(app, "NOMBRE suma");
        app.write("Problemas/G/2.txt", "NOMBRE suma 1,1 y 2,2\r\n1,1 + 2,2\r\n");
        const Run run = revisar({"--json", "--muestras", "1", app.path()});
        const QJsonObject sample =
            QJsonDocument::fromJson(run.out).object()["grupos"][0]["plantillas"][1]["muestras"][0].toObject();
        QCOMPARE(sample["resultado"].toDouble(), 3.3);
        QCOMPARE(sample["resultado_texto"].toString(), QStringLiteral("3,3"));
    }

    void htmlEscapesTheContent() {
        TempAppFolder app;
        writeContent(app, "<script>alert(1)</script> NOMBRE"); // clean: shown with --todo
        const QString page = app.path() + QStringLiteral("/informe.html");
        QCOMPARE(revisar({"--todo", "--html", page, app.path()}).status, 0);
        QFile file(page);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray html = file.readAll();
        QVERIFY(!html.contains("<script>"));
        QVERIFY(html.contains("&lt;script&gt;alert(1)&lt;/script&gt;"));
    }
};

QTEST_MAIN(TestCheckerCli)
#include "tst_checker_cli.moc"
