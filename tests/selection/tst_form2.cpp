// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AppFolder.h"
#include "app/Cue.h"
#include "app/Form4.h"
#include "app/Module1.h"
#include "app/Program.h"
#include "problems/Form1.h"
#include "report/Form3.h"
#include "selection/Form2.h"
#include "support/TempAppFolder.h"
#include "windows/PictureButton.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

class TestForm2 : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void groupsAreListedSortedByName_data();
    void groupsAreListedSortedByName();
    void firstGroupIsSelectedOnOpening();
    void onlyOrdinaryFoldersAreGroups();
    void siteGroupsAreListed_data();
    void siteGroupsAreListed();
    void groupNamesAreTakenAsTheyAre_data();
    void groupNamesAreTakenAsTheyAre();
    void captionsFromTheLanguageFile_data();
    void captionsFromTheLanguageFile();
    void selectingAnEntry_data();
    void selectingAnEntry();
    void clickOnTheSelectedEntryIsASelection();
    void confirmOpensTheSameExerciseWindowEachTime();
    void withoutProblemasTheListIsEmptyAndConfirmWorks();
    void aHundredGroups();
    void closingEndsTheProgram();
    void centredOnTheScreen();
    void wholeFrameCentredOnceShown();
    void centredPosition_data();
    void centredPosition();

private:
    static QStringList entries();
    static void clickRow(int row);
    QStringList cues_;
    int endRequests_ = 0;
};

void TestForm2::init() {
    cues_.clear();
    endRequests_ = 0;
    SetCueObserver([this](QStringView literal) { cues_.append(literal.toString()); });
    SetEndProgramHook([this] { ++endRequests_; });
    Module1::GroupPath.clear();
    Module1::GroupIndex = 0;
}

void TestForm2::cleanup() {
    Form1::Unload();
    Form3::Unload();
    Form2::Unload();
    SetCueObserver({});
    SetEndProgramHook({});
}

QStringList TestForm2::entries() {
    QStringList names;
    const QListWidget* list = Form2::Instance().ui.List1;
    for (int i = 0; i < list->count(); ++i)
        names.append(list->item(i)->text());
    return names;
}

void TestForm2::clickRow(int row) {
    QListWidget* list = Form2::Instance().ui.List1;
    const QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

void TestForm2::groupsAreListedSortedByName_data() {
    QTest::addColumn<QStringList>("created");
    QTest::addColumn<QStringList>("listed");
    QTest::newRow("reverse order") << QStringList{"3 Tres", "2 Dos", "1 Uno"}
                                   << QStringList{"1 Uno", "2 Dos", "3 Tres"};
    QTest::newRow("shuffled") << QStringList{"Restas", "Divisiones", "Sumas", "Multiplicaciones"}
                              << QStringList{"Divisiones", "Multiplicaciones", "Restas", "Sumas"};
    QTest::newRow("letter case ignored") << QStringList{"b", "C", "a"} << QStringList{"a", "b", "C"};
    QTest::newRow("names, not numbers")
        << QStringList{"2 Dos", "10 Diez", "1 Uno"} << QStringList{"1 Uno", "10 Diez", "2 Dos"};
    QTest::newRow("accented name") << QStringList{"Ñandú", "Árboles"} << QStringList{"Árboles", "Ñandú"};
}

void TestForm2::groupsAreListedSortedByName() {
    QFETCH(QStringList, created);
    QFETCH(QStringList, listed);
    TempAppFolder app;
    for (const QString& name : created)
        app.mkdir("Problemas/" + name);
    QCOMPARE(entries(), listed);
}

void TestForm2::groupNamesAreTakenAsTheyAre_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("spaces and accents") << "Problemas de división";
    QTest::newRow("a backslash in the name") << "Sumas\\llevando";
    QTest::newRow("a dot at the end") << "Repaso.";
}

void TestForm2::groupNamesAreTakenAsTheyAre() {
    QFETCH(QString, name);
    TempAppFolder app;
    const QString folder = app.mkdir("PROBLEMAS/" + name);
    Form2::Instance();
    QCOMPARE(entries(), QStringList{name});
    QCOMPARE(Module1::GroupPath, folder);
}

void TestForm2::firstGroupIsSelectedOnOpening() {
    TempAppFolder app;
    app.mkdir("Problemas/2 Restas");
    const QString first = app.mkdir("Problemas/1 Sumas");
    Module1::GroupIndex = 5;

    Form2& form = Form2::Instance();
    QCOMPARE(form.ui.List1->currentRow(), 0);
    QVERIFY(form.ui.List1->item(0)->isSelected());
    QCOMPARE(Module1::GroupIndex, qint16(0));
    // "\problemas\" reaches the folder listed under "\Problemas": the path names the real folder.
    QCOMPARE(Module1::GroupPath, first);
    QVERIFY(!Module1::GroupPath.endsWith(u'/'));
    QCOMPARE(cues_, QStringList{"\\sonidos\\lista.WAV"});
    QVERIFY(!form.isVisible()); // loading does not show it; whoever asked for it does
}

void TestForm2::onlyOrdinaryFoldersAreGroups() {
    TempAppFolder app;
    app.mkdir("Problemas/Sumas");
    app.mkdir("Problemas/.oculta");
    app.write("Problemas/notas.txt", "no es un grupo\r\n");
    app.write("Problemas/Aaa", "un archivo con nombre de grupo");
    app.mkdir("Problemas/Restas/Subcarpeta");
    QCOMPARE(entries(), (QStringList{"Restas", "Sumas"}));
}

void TestForm2::siteGroupsAreListed_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("fromSite");
    QTest::newRow("shipped group") << 0 << false;
    QTest::newRow("site group replacing a shipped one") << 1 << true;
    QTest::newRow("site group") << 2 << true;
}

void TestForm2::siteGroupsAreListed() {
    QFETCH(int, row);
    QFETCH(bool, fromSite);
    TempAppFolder app;
    QTemporaryDir school;
    SetSiteFolder(school.path());
    app.mkdir("Problemas/Sumas");
    app.mkdir("Problemas/Restas");
    QDir().mkpath(school.path() + "/Problemas/sumas");
    QDir().mkpath(school.path() + "/Problemas/Tablas");

    const QStringList listed = entries();
    SetSiteFolder(QString());
    QCOMPARE(listed, (QStringList{"Restas", "sumas", "Tablas"}));
    Form2::Instance().ui.List1->setCurrentRow(row);
    QCOMPARE(Module1::GroupIndex, qint16(row));
    const QString folder = (fromSite ? school.path() : app.path()) + "/Problemas/" + listed.at(row);
    QCOMPARE(Module1::GroupPath, folder);
}

void TestForm2::captionsFromTheLanguageFile_data() {
    QTest::addColumn<bool>("present");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("heading");
    QTest::newRow("missing file") << false << QStringList{} << ""
                                  << "";
    QTest::newRow("empty file") << true << QStringList{} << ""
                                << "";
    QTest::newRow("one line") << true << QStringList{"VALE"} << "VALE"
                              << "VALE";
    QTest::newRow("empty line 2") << true << QStringList{"ACEPTAR", ""} << "ACEPTAR"
                                  << "";
    QTest::newRow("as designed") << true
                                 << QStringList{"ACEPTAR", "Selección del grupo de problemas", "COMPROBAR"}
                                 << "ACEPTAR"
                                 << "Selección del grupo de problemas";
    QTest::newRow("full file") << true << QStringList{"OK",  "Elige un grupo", "COMPROBAR", "¡Bien!",
                                                      "Mal", "¿Salir?",        "Informe",   "sobra"}
                               << "OK"
                               << "Elige un grupo";
}

void TestForm2::captionsFromTheLanguageFile() {
    QFETCH(bool, present);
    QFETCH(QStringList, lines);
    QFETCH(QString, button);
    QFETCH(QString, heading);
    TempAppFolder app;
    app.mkdir("Problemas/Sumas");
    if (present)
        app.writeLines("configuracion/idioma.txt", lines);

    Form2& form = Form2::Instance();
    QCOMPARE(form.ui.Command1->text(), button);
    QCOMPARE(form.ui.Label2->text(), heading);
}

void TestForm2::selectingAnEntry_data() {
    QTest::addColumn<bool>("byKeyboard");
    QTest::newRow("pointer") << false;
    QTest::newRow("keyboard") << true;
}

void TestForm2::selectingAnEntry() {
    QFETCH(bool, byKeyboard);
    TempAppFolder app;
    for (const char* name : {"a", "b", "c", "d"})
        app.mkdir(QString("Problemas/") + name);
    Form2& form = Form2::Instance();
    form.ShowFromProgram();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    cues_.clear();

    if (byKeyboard) {
        form.ui.List1->setFocus();
        QTest::keyClick(form.ui.List1, Qt::Key_Down);
        QTest::keyClick(form.ui.List1, Qt::Key_Down);
    } else {
        clickRow(2);
    }
    QCOMPARE(Module1::GroupIndex, qint16(2));
    QCOMPARE(Module1::GroupPath, app.path() + "/Problemas/c");
    // One selection cue for each entry passed on the way.
    QCOMPARE(cues_, QStringList(byKeyboard ? 2 : 1, "\\sonidos\\lista.WAV"));
}

void TestForm2::clickOnTheSelectedEntryIsASelection() {
    TempAppFolder app;
    app.mkdir("Problemas/a");
    app.mkdir("Problemas/b");
    Form2& form = Form2::Instance();
    form.ShowFromProgram();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    clickRow(1);
    cues_.clear();
    // Another window may have changed the program-wide choice meanwhile; clicking the highlighted
    // entry names it again, once.
    Module1::GroupIndex = 0;
    Module1::GroupPath = "otro";
    clickRow(1);
    QCOMPARE(Module1::GroupIndex, qint16(1));
    QCOMPARE(Module1::GroupPath, app.path() + "/Problemas/b");
    QCOMPARE(cues_, QStringList{"\\sonidos\\lista.WAV"});
}

void TestForm2::confirmOpensTheSameExerciseWindowEachTime() {
    TempAppFolder app;
    app.writeLines("Problemas/Sumas/1.txt", {"Problema de sumas", "2 + 3"});
    app.writeLines("Problemas/Restas/1.txt", {"Problema de restas", "5 - 3"});
    Form2& form = Form2::Instance();
    form.ShowFromProgram();
    cues_.clear();

    QTest::mouseClick(form.ui.Command1, Qt::LeftButton);
    QCOMPARE(cues_.value(0), "\\sonidos\\pasa.WAV");
    Form1* exercise = Form1::Existing();
    QVERIFY(exercise);
    QVERIFY(exercise->isVisible());
    QCOMPARE(exercise->ui.Text3->toPlainText(), "Problema de restas ");
    QVERIFY(form.isVisible()); // stays open behind the exercise window

    // Back to the group window the pupil's way, by the exercise window's button.
    QTest::mouseClick(exercise->ui.Command7[1], Qt::LeftButton);
    clickRow(1);
    QCOMPARE(Module1::GroupIndex, qint16(1));
    cues_.clear();
    QTest::mouseClick(form.ui.Command1, Qt::LeftButton);
    QCOMPARE(cues_.value(0), "\\sonidos\\pasa.WAV");
    QCOMPARE(Form1::Existing(), exercise);
    QCOMPARE(exercise->ui.Text3->toPlainText(), "Problema de sumas ");
}

void TestForm2::withoutProblemasTheListIsEmptyAndConfirmWorks() {
    TempAppFolder app;
    app.writeLines("configuracion/idioma.txt", {"ACEPTAR", "Grupos"});
    Module1::GroupPath = "antes";
    Module1::GroupIndex = 3;

    Form2& form = Form2::Instance();
    QCOMPARE(form.ui.List1->count(), 0);
    QCOMPARE(form.ui.List1->currentRow(), -1);
    // The later steps of the load still run; the choice is left as it was.
    QCOMPARE(form.ui.Command1->text(), "ACEPTAR");
    QCOMPARE(Module1::GroupPath, "antes");
    QCOMPARE(Module1::GroupIndex, qint16(3));
    QVERIFY(cues_.isEmpty());

    form.ShowFromProgram();
    QTest::mouseClick(form.ui.Command1, Qt::LeftButton);
    QCOMPARE(cues_.value(0), "\\sonidos\\pasa.WAV");
    QVERIFY(Form1::Existing() && Form1::Existing()->isVisible());
    QCOMPARE(Form1::Existing()->ui.Text3->toPlainText(), QString());
}

void TestForm2::aHundredGroups() {
    TempAppFolder app;
    for (int i = 99; i >= 0; --i)
        app.mkdir(QString("Problemas/Grupo %1").arg(i, 3, 10, QChar('0')));
    app.writeLines("Problemas/Grupo 099/1.txt", {"Grupo noventa y nueve", "4 * 2"});

    Form2& form = Form2::Instance();
    QCOMPARE(form.ui.List1->count(), 100);
    QCOMPARE(form.ui.List1->item(0)->text(), "Grupo 000");
    QCOMPARE(form.ui.List1->item(99)->text(), "Grupo 099");
    form.ShowFromProgram();
    form.ui.List1->setCurrentRow(99);
    QCOMPARE(Module1::GroupIndex, qint16(99));
    QTest::mouseClick(form.ui.Command1, Qt::LeftButton);
    // Beyond the 71 positions the original kept, the group still opens on its first template.
    QCOMPARE(Form1::Existing()->ui.Text3->toPlainText(), "Grupo noventa y nueve ");
    QCOMPARE(Form1::Existing()->state.Result, 8.0);
}

void TestForm2::closingEndsTheProgram() {
    TempAppFolder app;
    app.mkdir("Problemas/Sumas");
    Form2& form = Form2::Instance();
    form.ShowFromProgram();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTest::mouseClick(form.ui.Command1, Qt::LeftButton);
    QCOMPARE(endRequests_, 0);

    // The window manager's close, with the exercise window open in front.
    QVERIFY(form.close());
    QCOMPARE(endRequests_, 1);
}

void TestForm2::centredOnTheScreen() {
    TempAppFolder app;
    Form2& form = Form2::Instance();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(form.size(), QSize(450, 441)); // 6750 x 6615 twips, as designed
    QCOMPARE(form.frameGeometry().topLeft(),
             screen.topLeft() + CentredPosition(screen.size(), form.frameGeometry().size()));
}

void TestForm2::wholeFrameCentredOnceShown() {
    TempAppFolder app;
    Form2& form = Form2::Instance();
    form.ShowFromProgram();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QRect frame = form.frameGeometry();
    if (frame.size() == form.size())
        QSKIP("this window system gives windows no frame");
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(frame.topLeft(), screen.topLeft() + CentredPosition(screen.size(), frame.size()));
}

void TestForm2::centredPosition_data() {
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QSize>("window");
    QTest::addColumn<QPoint>("position");
    // (15360 - 6750) \ 2 = 4305 twips = 287 px; (11520 - 6615) \ 2 = 2452 twips, 163.47 px.
    QTest::newRow("group window, 1024x768") << QSize(1024, 768) << QSize(450, 441) << QPoint(287, 163);
    // (12000 - 6390) \ 2 = 2805 twips = 187 px; (9000 - 5355) \ 2 = 1822 twips, 121.47 px.
    QTest::newRow("start-up window, 800x600") << QSize(800, 600) << QSize(426, 357) << QPoint(187, 121);
    // An odd difference of 15 twips halves to 7 twips, half a pixel, which rounds to 0 px.
    QTest::newRow("one pixel wider") << QSize(101, 101) << QSize(100, 100) << QPoint(0, 0);
    // Larger than the screen: truncation toward zero, -45 \ 2 = -22 twips, -1.47 px.
    QTest::newRow("larger than the screen") << QSize(100, 100) << QSize(103, 103) << QPoint(-1, -1);
}

void TestForm2::centredPosition() {
    QFETCH(QSize, screen);
    QFETCH(QSize, window);
    QFETCH(QPoint, position);
    QCOMPARE(CentredPosition(screen, window), position);
}

QTEST_MAIN(TestForm2)
#include "tst_form2.moc"
