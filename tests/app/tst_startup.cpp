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

#include <QApplication>
#include <QListWidget>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QSvgRenderer>
#include <QtTest>

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startUpWindowIsFramelessAndCentred();
    void titlePictureAtItsDesignedSize();
    void clickHandsOverToTheGroupWindow();
    void pressAndReleaseMustBothBeOnTheWindow_data();
    void pressAndReleaseMustBothBeOnTheWindow();
    void startProgramNamesTheApplication();
    void unloadingDestroysEveryWindow();

private:
    QStringList cues_;
};

void TestStartup::init() {
    cues_.clear();
    SetCueObserver([this](QStringView literal) { cues_.append(literal.toString()); });
    SetEndProgramHook([] {});
    Module1::GroupPath.clear();
    Module1::GroupIndex = 0;
}

void TestStartup::cleanup() {
    UnloadProgramWindows();
    SetCueObserver({});
    SetEndProgramHook({});
}

void TestStartup::startUpWindowIsFramelessAndCentred() {
    TempAppFolder app;
    Form4& form = Form4::Instance();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QVERIFY(form.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(form.size(), QSize(426, 357)); // 6390 x 5355 twips
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(form.frameGeometry().topLeft(), screen.topLeft() + CentredPosition(screen.size(), form.size()));
    // Nothing else is loaded before the click.
    QVERIFY(!Form2::Existing());
    QVERIFY(cues_.isEmpty());
}

void TestStartup::titlePictureAtItsDesignedSize() {
    TempAppFolder app;
    Form4& form = Form4::Instance();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QImage shown = form.grab().toImage().convertToFormat(QImage::Format_RGB32);

    // The picture as designed (433 x 360), cut to the window (426 x 357), not squeezed into it.
    QSvgRenderer title(QStringLiteral(":/resources/title.svg"));
    QImage designed(title.defaultSize(), QImage::Format_RGB32);
    QPainter painter(&designed);
    painter.setRenderHint(QPainter::Antialiasing);
    title.render(&painter);
    painter.end();
    QCOMPARE(shown.size(), QSize(426, 357));
    QCOMPARE(shown, designed.copy(shown.rect()));
}

void TestStartup::clickHandsOverToTheGroupWindow() {
    TempAppFolder app;
    app.mkdir("Problemas/B");
    const QString first = app.mkdir("Problemas/A");
    app.writeLines("configuracion/idioma.txt", {"ACEPTAR", "Grupos"});

    QPointer<Form4> form = &Form4::Instance();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    QTest::mouseClick(form, Qt::LeftButton, {}, QPoint(30, 200));

    Form2* groups = Form2::Existing();
    QVERIFY(groups);
    QVERIFY(groups->isVisible());
    QCOMPARE(groups->ui.List1->count(), 2);
    QCOMPARE(groups->ui.List1->currentRow(), 0);
    QCOMPARE(Module1::GroupPath, first);
    // The group window's own cue is started by its load, before the start-up window's.
    QCOMPARE(cues_, (QStringList{"\\sonidos\\lista.WAV", "\\sonidos\\pasa.wav"}));

    QVERIFY(!Form4::Existing());
    QVERIFY(form.isNull() || !form->isVisible());
    QTRY_VERIFY(form.isNull());
    QVERIFY(!IsProgramWindow(form));
    QCOMPARE(ProgramWindows(), QList<QWidget*>{groups});
}

void TestStartup::pressAndReleaseMustBothBeOnTheWindow_data() {
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<QPoint>("release");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<bool>("handsOver");
    QTest::newRow("click") << QPoint(10, 10) << QPoint(12, 11) << Qt::LeftButton << true;
    QTest::newRow("released off the window") << QPoint(10, 10) << QPoint(-20, 10) << Qt::LeftButton << false;
    QTest::newRow("right button") << QPoint(10, 10) << QPoint(10, 10) << Qt::RightButton << false;
}

void TestStartup::pressAndReleaseMustBothBeOnTheWindow() {
    QFETCH(QPoint, press);
    QFETCH(QPoint, release);
    QFETCH(Qt::MouseButton, button);
    QFETCH(bool, handsOver);
    TempAppFolder app;
    Form4& form = Form4::Instance();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTest::mousePress(&form, button, {}, press);
    QTest::mouseRelease(&form, button, {}, release);
    QCOMPARE(Form2::Existing() != nullptr, handsOver);
    QCOMPARE(Form4::Existing() == nullptr, handsOver);
}

void TestStartup::startProgramNamesTheApplication() {
    TempAppFolder app;
    StartProgram();
    QCOMPARE(QApplication::applicationName(), "KOTIRA");
    QCOMPARE(QApplication::applicationVersion(), KOTIRA_VERSION);
    QVERIFY(!QApplication::windowIcon().isNull());
    QVERIFY(Form4::Existing());
    QVERIFY(Form4::Existing()->isVisible());
    QCOMPARE(ActiveProgramWindow(), Form4::Existing());
}

void TestStartup::unloadingDestroysEveryWindow() {
    TempAppFolder app;
    app.writeLines("Problemas/Sumas/1.txt", {"Uno y uno", "1 + 1"});
    StartProgram();
    QTest::mouseClick(Form4::Existing(), Qt::LeftButton);
    QTest::mouseClick(Form2::Existing()->ui.Command1, Qt::LeftButton);
    QVERIFY(Form1::Existing());
    QVERIFY(Form3::Existing());
    QTRY_COMPARE(ProgramWindows().size(), 3); // the start-up window is gone once deferred deletion ran

    UnloadProgramWindows();
    QVERIFY(!Form1::Existing());
    QVERIFY(!Form2::Existing());
    QVERIFY(!Form3::Existing());
    QVERIFY(!Form4::Existing());
    QVERIFY(ProgramWindows().isEmpty());
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
