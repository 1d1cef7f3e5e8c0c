// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AppFolder.h"
#include "support/TempAppFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
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
    void siteListsAreFoundFirst_data();
    void siteListsAreFoundFirst();
    void groupsOfBothFolders_data();
    void groupsOfBothFolders();
};

namespace {

// The school's own folder for one test, beside the throw-away application folder.
class TempSiteFolder {
public:
    TempSiteFolder() { SetSiteFolder(dir_.path()); }
    ~TempSiteFolder() { SetSiteFolder(QString()); }
    QString path() const { return dir_.path(); }
    QString write(const QString& relative) const {
        const QString full = dir_.path() + u'/' + relative;
        QDir().mkpath(QFileInfo(full).absolutePath());
        QFile file(full);
        if (file.open(QIODevice::WriteOnly))
            file.write("x");
        return full;
    }

private:
    QTemporaryDir dir_;
};

} // namespace

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

void TestAppFolder::siteListsAreFoundFirst_data() {
    QTest::addColumn<QStringList>("shipped");
    QTest::addColumn<QStringList>("site");
    QTest::addColumn<QString>("literal");
    QTest::addColumn<bool>("fromSite");
    QTest::newRow("in both folders") << QStringList{"datos/NOMBRE.txt"} << QStringList{"datos/NOMBRE.txt"}
                                     << "\\datos\\NOMBRE.txt" << true;
    QTest::newRow("only in the site folder")
        << QStringList{} << QStringList{"datos/COLOR.txt"} << "\\datos\\COLOR.txt" << true;
    QTest::newRow("only shipped") << QStringList{"datos/NOMBRE.txt"} << QStringList{"datos/COLOR.txt"}
                                  << "\\datos\\NOMBRE.txt" << false;
    QTest::newRow("site name in another case")
        << QStringList{"datos/camión.txt"} << QStringList{"Datos/CAMIÓN.TXT"} << "\\datos\\camión.txt"
        << true;
    QTest::newRow("forward slashes") << QStringList{"datos/NOMBRE.txt"} << QStringList{"datos/NOMBRE.txt"}
                                     << "/DATOS/nombre.txt" << true;
    QTest::newRow("a folder of that name in the site")
        << QStringList{"datos/NOMBRE.txt"} << QStringList{"datos/NOMBRE.txt/x"} << "\\datos\\NOMBRE.txt"
        << false;
    // The site folder holds groups and lists only: other content is always the shipped one.
    QTest::newRow("not a list") << QStringList{"sonidos/pasa.WAV"} << QStringList{"sonidos/pasa.WAV"}
                                << "\\sonidos\\pasa.WAV" << false;
    QTest::newRow("a folder that starts like datos")
        << QStringList{"datosx/a.txt"} << QStringList{"datosx/a.txt"} << "\\datosx\\a.txt" << false;
}

void TestAppFolder::siteListsAreFoundFirst() {
    QFETCH(QStringList, shipped);
    QFETCH(QStringList, site);
    QFETCH(QString, literal);
    QFETCH(bool, fromSite);
    TempAppFolder app;
    TempSiteFolder school;
    for (const QString& file : shipped)
        app.write(file, "x");
    QStringList siteFiles;
    for (const QString& file : site)
        siteFiles.append(school.write(file));

    const QString found = AppPath(literal);
    QVERIFY(QFileInfo(found).isFile());
    QCOMPARE(found.startsWith(school.path() + u'/'), fromSite);
    if (fromSite)
        QCOMPARE(found, siteFiles.first());
}

void TestAppFolder::groupsOfBothFolders_data() {
    QTest::addColumn<QStringList>("shipped");
    QTest::addColumn<QStringList>("site");
    QTest::addColumn<QStringList>("listed"); // "s:" before a site group's name
    QTest::newRow("site folder without groups")
        << QStringList{"Restas", "Sumas"} << QStringList{} << QStringList{"Restas", "Sumas"};
    QTest::newRow("merged by name") << QStringList{"Restas", "Sumas"}
                                    << QStringList{"Problemas del cole", "Tablas"}
                                    << QStringList{"s:Problemas del cole", "Restas", "Sumas", "s:Tablas"};
    QTest::newRow("site replaces shipped")
        << QStringList{"Restas", "Sumas"} << QStringList{"Sumas"} << QStringList{"Restas", "s:Sumas"};
    QTest::newRow("replaced whatever the case")
        << QStringList{"Sumas", "Restas"} << QStringList{"SUMAS"} << QStringList{"Restas", "s:SUMAS"};
    QTest::newRow("letter case ignored in the order")
        << QStringList{"b", "D"} << QStringList{"a", "C"} << QStringList{"s:a", "b", "s:C", "D"};
    QTest::newRow("only site groups") << QStringList{} << QStringList{"Nuevo"} << QStringList{"s:Nuevo"};
}

void TestAppFolder::groupsOfBothFolders() {
    QFETCH(QStringList, shipped);
    QFETCH(QStringList, site);
    QFETCH(QStringList, listed);
    TempAppFolder app;
    TempSiteFolder school;
    for (const QString& name : shipped)
        app.mkdir("Problemas/" + name);
    for (const QString& name : site)
        school.write("problemas/" + name + "/1.txt");
    school.write("problemas/.oculto/1.txt");
    school.write("problemas/suelto.txt");

    QStringList names;
    for (const GroupFolder& group : GroupFolders()) {
        names.append(group.site ? "s:" + group.name : group.name);
        const QString root = group.site ? school.path() + "/problemas/" : app.path() + "/Problemas/";
        QCOMPARE(group.path, root + group.name);
    }
    QCOMPARE(names, listed);
}

QTEST_GUILESS_MAIN(TestAppFolder)
#include "tst_appfolder.moc"
