// SPDX-License-Identifier: GPL-3.0-or-later
// kotira-revisar as a teacher or a script runs it: exit status, JSON and the HTML page.

#include "support/TempAppFolder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

namespace {

struct Run {
    int status = -1;
    QByteArray out;
};

Run revisar(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(KOTIRA_BINARY_DIR "/kotira-revisar"), arguments);
    process.waitForFinished(120000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput()};
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
        QVERIFY(text.contains(QStringLiteral("Cómo arreglarlo: cree la lista datos/NOMBRES.txt")));
        QVERIFY(text.contains(QStringLiteral("opciones: «Una suma » (correcta) | «Una resta»")));
        QVERIFY(text.trimmed().endsWith(
            QStringLiteral("Resumen: 1 grupo, 1 plantilla, 1 lista, 1 error, 11 avisos.")));
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

    void htmlEscapesTheContent() {
        TempAppFolder app;
        writeContent(app, "<script>alert(1)</script> NOMBRE");
        const QString page = app.path() + QStringLiteral("/informe.html");
        QCOMPARE(revisar({"--html", page, app.path()}).status, 0);
        QFile file(page);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray html = file.readAll();
        QVERIFY(!html.contains("<script>"));
        QVERIFY(html.contains("&lt;script&gt;alert(1)&lt;/script&gt;"));
    }
};

QTEST_MAIN(TestCheckerCli)
#include "tst_checker_cli.moc"
