// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/LanguageFile.h"
#include "support/TempAppFolder.h"

#include <QtTest>

namespace {

const QStringList SevenLines{"ACEPTAR",          QStringLiteral("Selección del grupo de problemas"),
                             "COMPROBAR",        QStringLiteral("¡MUY BIEN!"),
                             "OTRA VEZ",         QStringLiteral("¿Quieres salir?"),
                             "Informe de KOTIRA"};

} // namespace

class TestLanguageFile : public QObject {
    Q_OBJECT

private slots:
    void groupWindow_data();
    void groupWindow();
    void exerciseWindow_data();
    void exerciseWindow();
    void readsTheFileWhateverTheCaseOfItsName();
};

void TestLanguageFile::groupWindow_data() {
    QTest::addColumn<bool>("present");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("heading");
    QTest::newRow("missing file") << false << QByteArray() << ""
                                  << "";
    QTest::newRow("empty file") << true << QByteArray() << ""
                                << "";
    QTest::newRow("one line: heading repeats it") << true << QByteArray("ACEPTAR\r\n") << "ACEPTAR"
                                                  << "ACEPTAR";
    QTest::newRow("one line without end") << true << QByteArray("OK") << "OK"
                                          << "OK";
    QTest::newRow("empty line 2") << true << QByteArray("ACEPTAR\r\n\r\nCOMPROBAR\r\n") << "ACEPTAR"
                                  << "";
    QTest::newRow("as designed, windows-1252")
        << true << QByteArray("ACEPTAR\r\nSelecci\xF3n del grupo de problemas\r\nCOMPROBAR\r\n") << "ACEPTAR"
        << QStringLiteral("Selección del grupo de problemas");
    QTest::newRow("utf-8 and LF") << true << QByteArray("Aceptar\nSelecci\xC3\xB3n\n") << "Aceptar"
                                  << QStringLiteral("Selección");
}

void TestLanguageFile::groupWindow() {
    QFETCH(bool, present);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, button);
    QFETCH(QString, heading);
    TempAppFolder app;
    if (present)
        app.write("configuracion/idioma.txt", bytes);
    const GroupWindowTexts texts = ReadGroupWindowTexts();
    QCOMPARE(texts.buttonCaption, button);
    QCOMPARE(texts.heading, heading);
}

void TestLanguageFile::exerciseWindow_data() {
    QTest::addColumn<bool>("present");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("expected"); // LangText 0..2, ExitQuestion, ReportTitle

    const QStringList before{"a", "b", "c", "d", "e"};
    QTest::newRow("seven lines") << true << SevenLines << SevenLines.mid(2);
    QTest::newRow("an eighth line changes nothing")
        << true << (SevenLines + QStringList{"extra"}) << SevenLines.mid(2);
    QTest::newRow("missing file leaves all") << false << QStringList() << before;
    QTest::newRow("empty file leaves all") << true << QStringList() << before;
    QTest::newRow("two lines leave all") << true << SevenLines.mid(0, 2) << before;
    QTest::newRow("four lines") << true << SevenLines.mid(0, 4)
                                << QStringList{"COMPROBAR", QStringLiteral("¡MUY BIEN!"), "c", "d", "e"};
    QTest::newRow("six lines keep the title")
        << true << SevenLines.mid(0, 6) << (SevenLines.mid(2, 4) + QStringList{"e"});
    QTest::newRow("empty lines are texts")
        << true << QStringList{"", "", "", "", "", "", ""} << QStringList{"", "", "", "", ""};
}

void TestLanguageFile::exerciseWindow() {
    QFETCH(bool, present);
    QFETCH(QStringList, lines);
    QFETCH(QStringList, expected);
    TempAppFolder app;
    if (present)
        app.writeLines("configuracion/idioma.txt", lines);
    std::array<QString, 3> langText{"a", "b", "c"};
    QString exitQuestion = "d";
    QString reportTitle = "e";
    ReadExerciseWindowTexts(langText, exitQuestion, reportTitle);
    QCOMPARE((QStringList{langText[0], langText[1], langText[2], exitQuestion, reportTitle}), expected);
}

void TestLanguageFile::readsTheFileWhateverTheCaseOfItsName() {
    TempAppFolder app;
    app.writeLines("Configuracion/IDIOMA.TXT", SevenLines);
    QCOMPARE(ReadGroupWindowTexts().heading, SevenLines[1]);
}

QTEST_GUILESS_MAIN(TestLanguageFile)
#include "tst_languagefile.moc"
