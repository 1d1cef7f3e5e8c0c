#include "app/AppFolder.h"
#include "support/TempAppFolder.h"

#include <QFile>
#include <QtTest>

class TestAppFolder : public QObject {
    Q_OBJECT

private slots:
    void resolvesWithoutRegardToCase_data();
    void resolvesWithoutRegardToCase();
    void exactNameWinsOverOtherCase();
    void seesFilesAddedAfterAListing();
    void missingNamesStayAsWritten();
    void ordinaryFilesOnly();
};

void TestAppFolder::resolvesWithoutRegardToCase_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("literal");
    QTest::newRow("group folder") << "Problemas/1 Sumas/1.txt"
                                  << "\\problemas\\1 Sumas\\1.txt";
    QTest::newRow("cue extension") << "sonidos/pasa.WAV"
                                   << "\\sonidos\\pasa.wav";
    QTest::newRow("template in capitals") << "Problemas/g/3.TXT"
                                          << "\\Problemas\\g\\3.txt";
    QTest::newRow("accented letters") << "datos/CAMIÓN.txt"
                                      << "\\datos\\camión.txt";
    // The folder listed for the case-blind look-up has a letter outside Windows-1252.
    QTest::newRow("folder named beyond the code page") << "Problemas/Fracciones ½ y π/2.TXT"
                                                       << "\\problemas\\FRACCIONES ½ Y Π\\2.txt";
    QTest::newRow("forward slashes") << "configuracion/idioma.txt"
                                     << "/CONFIGURACION/Idioma.TXT";
}

void TestAppFolder::resolvesWithoutRegardToCase() {
    QFETCH(QString, stored);
    QFETCH(QString, literal);
    TempAppFolder app;
    const QString full = app.write(stored, "x");
    QCOMPARE(AppPath(literal), full);
    QVERIFY(QFile::exists(AppPath(literal)));
}

void TestAppFolder::exactNameWinsOverOtherCase() {
    TempAppFolder app;
    app.write("sonidos/Pasa.wav", "a");
    const QString exact = app.write("sonidos/pasa.wav", "b");
    QCOMPARE(AppPath(u"\\sonidos\\pasa.wav"), exact);
}

void TestAppFolder::seesFilesAddedAfterAListing() {
    TempAppFolder app;
    app.mkdir("datos");
    QVERIFY(!IsOrdinaryFile(AppPath(u"\\datos\\nombre.txt")));
    const QString added = app.write("datos/NOMBRE.TXT", "Ana\r\n");
    QCOMPARE(AppPath(u"\\datos\\nombre.txt"), added);
}

void TestAppFolder::missingNamesStayAsWritten() {
    TempAppFolder app;
    QCOMPARE(AppPath(u"\\gifs\\miro.gif"), app.path() + "/gifs/miro.gif");
    QCOMPARE(AppPath(u"\\problemas\\"), app.path() + "/problemas/");
    QCOMPARE(ResolvePath(app.path() + "/x", u"\\3.txt"), app.path() + "/x/3.txt");
}

void TestAppFolder::ordinaryFilesOnly() {
    TempAppFolder app;
    app.write("datos/.oculto.txt", "x");
    app.mkdir("datos/CARPETA.txt");
    QVERIFY(!IsOrdinaryFile(AppPath(u"\\datos\\.oculto.txt")));
    QVERIFY(!IsOrdinaryFile(AppPath(u"\\datos\\carpeta.txt")));
    QVERIFY(IsOrdinaryFile(app.write("datos/A.txt", "x")));
}

QTEST_GUILESS_MAIN(TestAppFolder)
#include "tst_appfolder.moc"
