// SPDX-License-Identifier: GPL-3.0-or-later
// A pupil's whole run, driven through the windows' own widgets with the pointer and the keyboard:
// start-up window, group list, confirm, a wrong and a right answer, the board, the arrows, the
// report window with a save, a change of group, a choice problem, and the exit question.

#include "app/AppFolder.h"
#include "app/Cue.h"
#include "app/Form4.h"
#include "app/Module1.h"
#include "app/Program.h"
#include "app/ProgramLocale.h"
#include "app/TextFile.h"
#include "problems/Form1.h"
#include "report/Form3.h"
#include "selection/Form2.h"
#include "support/FakeProblemView.h"
#include "support/TempAppFolder.h"
#include "windows/AnimatedPicture.h"
#include "windows/BoardWidget.h"
#include "windows/PaletteBox.h"
#include "windows/PictureButton.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QtTest>

class TestPupilRun : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void wholeRun();

private:
    void fillContent();
    static PictureButton* key(const QString& caption);
    static void clickEntry(int row);
    static void placeSymbol(const QString& caption, QPoint at);
    static void doubleClick(QWidget* widget);
    static void pickChoice(const QString& choice);
    QByteArray savedReport() const;

    std::unique_ptr<TempAppFolder> app_;
    QStringList cues_;
    QStringList questions_;
    QStringList messages_;
    QStringList opened_;
    int answer_ = 7;
    int endRequests_ = 0;
};

namespace {

const QString Statement1 = QStringLiteral("Ana tiene 7 cromos y gana 3 . ¿Cuántos tiene Ana ? ");
const QString Statement2 = QStringLiteral("Ana compra 7 lápices y pierde 3 . ¿Cuántos le quedan ? ");
const QString Statement3 = QStringLiteral("¿Qué número es par ? ");

// The bytes of the report file for a text: the system's 8-bit code page is Windows-1252 there,
// UTF-8 here.
QByteArray encoded(const QString& text) {
#ifdef Q_OS_WIN
    return EncodeWindows1252(text);
#else
    return text.toUtf8();
#endif
}

} // namespace

void TestPupilRun::fillContent() {
    app_->writeLines("configuracion/idioma.txt",
                     {"ACEPTAR", "Selección del grupo de problemas", "COMPROBAR", "¡MUY BIEN!", "REVISA",
                      "¿Quieres salir?", "Informe de KOTIRA"});
    app_->writeLines("datos/NOMBRE.txt", {"Ana", "Luis"});
    app_->writeLines("datos/NUMERO1.txt", {"3", "4", "5", "6", "7"});
    app_->writeLines("datos/NUMERO2.txt", {"2", "3"});
    app_->writeLines(
        "Problemas/1 Sumas y restas/1.txt",
        {"NOMBRE tiene NUMERO1 cromos y gana NUMERO2 . ¿Cuántos tiene =NOMBRE ?", "NUMERO1 + NUMERO2"});
    app_->writeLines(
        "Problemas/1 Sumas y restas/2.txt",
        {"NOMBRE compra NUMERO1 lápices y pierde NUMERO2 . ¿Cuántos le quedan ?", "NUMERO1 - NUMERO2"});
    app_->writeLines("Problemas/2 Elige/1.txt", {"¿Qué número es par ?", "TEXTO", "", "3", "4 ", "5"});
    // The shipped cues and animations, so that sounds load and animations play and end for real.
    for (const char* folder : {"sonidos", "gifs"}) {
        const QDir shipped(QString(KOTIRA_SOURCE_DIR) + "/content/" + folder);
        for (const QString& name : shipped.entryList(QDir::Files)) {
            QFile file(shipped.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            app_->write(QString(folder) + '/' + name, file.readAll());
        }
    }
}

void TestPupilRun::init() {
    app_ = std::make_unique<TempAppFolder>();
    fillContent();
    Module1::GroupPath.clear();
    Module1::GroupIndex = 0;
    Module1::ReportTitle.clear();
    // Every template draws NOMBRE, NUMERO1, NUMERO2 in this order: Ana, 7 and 3 each time.
    Form1::SetRandomSourceFactory([] {
        return std::make_unique<ScriptedRandom>(QList<float>{0.0f, 0.99f, 0.5f});
    });
    Form1::SetQuestionHook([this](const QString& question) {
        questions_.append(question);
        return answer_;
    });
    Form3::SetOpener([this](const QString& path) {
        opened_.append(path);
        return true;
    });
    Form3::SetMessageHook([this](const QString& text) { messages_.append(text); });
    SetCueObserver([this](QStringView cue) { cues_.append(cue.toString()); });
    // The real ending, watched: it hides every window and leaves the (here absent) event loop.
    SetEndProgramHook([this] {
        ++endRequests_;
        SetEndProgramHook({});
        EndProgram();
    });
}

void TestPupilRun::cleanup() {
    UnloadProgramWindows();
    Form1::SetRandomSourceFactory({});
    Form1::SetQuestionHook({});
    Form3::SetOpener({});
    Form3::SetMessageHook({});
    SetCueObserver({});
    SetEndProgramHook({});
    app_.reset();
}

PictureButton* TestPupilRun::key(const QString& caption) {
    for (PictureButton* button : Form1::Instance().ui.Command2)
        if (button && button->text() == caption)
            return button;
    return nullptr;
}

void TestPupilRun::clickEntry(int row) {
    QListWidget* list = Form2::Instance().ui.List1;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

// A keypad press, the symbol carried to a board point and dropped there with a click (the
// carried label's corner lies under the pointer, so the click lands on it).
void TestPupilRun::placeSymbol(const QString& caption, QPoint at) {
    Form1& exercise = Form1::Instance();
    QTest::mouseClick(key(caption), Qt::LeftButton);
    QTest::mouseMove(exercise.ui.Picture2, at);
    QTest::mouseClick(exercise.ui.Picture2, Qt::LeftButton, {}, at);
}

// As the window system delivers a double click: press, release, double click, release.
void TestPupilRun::doubleClick(QWidget* widget) {
    const QPoint at(4, 8);
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
}

// Opens the chooser's list and clicks the choice in it.
void TestPupilRun::pickChoice(const QString& choice) {
    QComboBox* combo = Form1::Instance().ui.Combo2;
    const int row = combo->findText(choice);
    QVERIFY(row >= 0);
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    QVERIFY(QTest::qWaitForWindowExposed(view->window()));
    const QRect rect = view->visualRect(combo->model()->index(row, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
    QTRY_VERIFY(!view->isVisible());
}

QByteArray TestPupilRun::savedReport() const {
    QFile file(app_->path() + "/texto.txt");
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no file)");
}

void TestPupilRun::wholeRun() {
    const QDateTime started = QDateTime::currentDateTime();
    QStringList expectedCues;

    // The start-up window; a click anywhere opens the group list with the first group chosen.
    StartProgram();
    QPointer<Form4> startUp = Form4::Existing();
    QVERIFY(QTest::qWaitForWindowExposed(startUp));
    QTest::mouseClick(startUp, Qt::LeftButton, {}, QPoint(200, 300));
    expectedCues << "\\sonidos\\lista.WAV"
                 << "\\sonidos\\pasa.wav";
    QTRY_VERIFY(startUp.isNull());
    Form2& groups = *Form2::Existing();
    QVERIFY(groups.isVisible());
    QCOMPARE(groups.ui.Label2->text(), "Selección del grupo de problemas");
    QCOMPARE(groups.ui.List1->count(), 2);
    QCOMPARE(groups.ui.List1->item(0)->text(), "1 Sumas y restas");

    // A look at the second group, back to the first, confirm.
    clickEntry(1);
    QCOMPARE(Module1::GroupIndex, qint16(1));
    clickEntry(0);
    QCOMPARE(Module1::GroupPath, app_->path() + "/Problemas/1 Sumas y restas");
    expectedCues << "\\sonidos\\lista.WAV"
                 << "\\sonidos\\lista.WAV";
    QTest::mouseClick(groups.ui.Command1, Qt::LeftButton);
    expectedCues << "\\sonidos\\pasa.WAV";
    Form1& exercise = *Form1::Existing();
    QVERIFY(QTest::qWaitForWindowExposed(&exercise));
    QCOMPARE(exercise.ui.Text3->toPlainText(), Statement1);
    QCOMPARE(exercise.ui.Command8->text(), "COMPROBAR");

    // A wrong answer, typed.
    QTest::mouseClick(exercise.ui.Text2, Qt::LeftButton);
    QTest::keyClicks(exercise.ui.Text2, "9");
    QTest::mouseClick(exercise.ui.Command8, Qt::LeftButton);
    expectedCues << "\\sonidos\\fallo.WAV";
    QCOMPARE(exercise.ui.Command8->text(), "REVISA");
    QCOMPARE(exercise.ui.Command8->BackColor(), QColor(0xFF, 0x00, 0x00));
    QVERIFY(exercise.ui.Command8->isEnabled());
    QVERIFY(exercise.ui.Fandorel1->isVisible());
    QVERIFY(exercise.ui.Fandorel2->isVisible());

    // The working on the board: 1 and 0 laid out, a red bar under them; the answer copied from
    // the symbols by double clicks after the typed one is rubbed out.
    QTest::mouseClick(exercise.ui.Text2, Qt::LeftButton);
    QTest::keyClick(exercise.ui.Text2, Qt::Key_Backspace);
    QCOMPARE(exercise.ui.Text2->text(), QString());
    placeSymbol("1", QPoint(60, 40));
    placeSymbol("0", QPoint(110, 40));
    expectedCues << "\\sonidos\\num.WAV"
                 << "\\sonidos\\num.WAV";
    QCOMPARE(exercise.state.LastLabel, 1);
    QTest::mouseClick(exercise.ui.Picture4, Qt::LeftButton, {}, QPoint(43, 9)); // the red swatch
    QCOMPARE(QColor(exercise.state.PenRed, exercise.state.PenGreen, exercise.state.PenBlue), QColor(Qt::red));
    QTest::mouseClick(exercise.ui.Command4, Qt::LeftButton);
    expectedCues << "\\sonidos\\operacion.WAV";
    QTest::mousePress(exercise.ui.Picture2, Qt::LeftButton, {}, QPoint(50, 110));
    QTest::mouseMove(exercise.ui.Picture2, QPoint(170, 120));
    QTest::mouseRelease(exercise.ui.Picture2, Qt::LeftButton, {}, QPoint(170, 120));
    QFrame* bar = exercise.ui.Picture3.at(0);
    QVERIFY(bar->isVisible());
    QCOMPARE(bar->geometry().topLeft(), QPoint(50, 110));
    QCOMPARE(bar->width(), 120);
    QCOMPARE(bar->palette().color(QPalette::Window), QColor(Qt::red));
    doubleClick(exercise.ui.Label1.at(0));
    doubleClick(exercise.ui.Label1.at(1));
    QCOMPARE(exercise.ui.Text2->text(), "10");
    QTest::mouseClick(exercise.ui.Command8, Qt::LeftButton);
    expectedCues << "\\sonidos\\acierto.WAV";
    QCOMPARE(exercise.ui.Command8->text(), "¡MUY BIEN!");
    QCOMPARE(exercise.ui.Command8->BackColor(), QColor(0x00, 0x00, 0xFF));
    QVERIFY(!exercise.ui.Command8->isEnabled());
    // The watching animation hides itself once it has played.
    QTRY_VERIFY_WITH_TIMEOUT(!exercise.ui.Fandorel1->isVisible(), 15000);

    // Next problem: everything of the last one is cleared. Then back and forward again.
    QTest::mouseClick(exercise.ui.Command1[1], Qt::LeftButton);
    expectedCues << "\\sonidos\\pasaejercicio.WAV";
    QCOMPARE(exercise.ui.Text3->toPlainText(), Statement2);
    QCOMPARE(exercise.ui.Text2->text(), QString());
    QCOMPARE(exercise.ui.Command8->text(), "COMPROBAR");
    QVERIFY(exercise.ui.Command8->isEnabled());
    QVERIFY(exercise.ui.Fandorel2->isHidden());
    QCOMPARE(exercise.ui.Label1.size(), size_t(1));
    QVERIFY(exercise.ui.Label1.at(0)->isHidden());
    QVERIFY(exercise.ui.Picture3.at(0)->isHidden());
    QTest::mouseClick(exercise.ui.Text2, Qt::LeftButton);
    QTest::keyClicks(exercise.ui.Text2, "4 cromos");
    QTest::mouseClick(exercise.ui.Command8, Qt::LeftButton);
    expectedCues << "\\sonidos\\acierto.WAV";
    QCOMPARE(exercise.ui.Command8->text(), "¡MUY BIEN!");
    QTest::mouseClick(exercise.ui.Command1[0], Qt::LeftButton);
    QCOMPARE(exercise.ui.Text3->toPlainText(), Statement1);
    QTest::mouseClick(exercise.ui.Command1[0], Qt::LeftButton); // wraps to the last template
    QCOMPARE(exercise.ui.Text3->toPlainText(), Statement2);
    expectedCues << "\\sonidos\\pasaejercicio.WAV"
                 << "\\sonidos\\pasaejercicio.WAV";

    // The report window over the exercise window; save, then back.
    QTest::mouseClick(exercise.ui.Command7[2], Qt::LeftButton);
    expectedCues << "\\sonidos\\pulsax.WAV";
    Form3& report = *Form3::Existing();
    QVERIFY(report.isVisible());
    QCOMPARE(report.frameGeometry(), exercise.frameGeometry());
    const QString title = report.ReportText().section("\r\n", 0, 0);
    QVERIFY2(title.startsWith("Informe de KOTIRA - "), qPrintable(title));
    const QString stamp = title.mid(QString("Informe de KOTIRA - ").size());
    // The stamp is the moment the report window loaded, some second of this run.
    bool stampedDuringTheRun = false;
    for (QDateTime t = started.addSecs(-1); t <= QDateTime::currentDateTime(); t = t.addSecs(1))
        stampedDuringTheRun = stampedDuringTheRun || GeneralDateTime(t) == stamp;
    QVERIFY2(stampedDuringTheRun, qPrintable(stamp));
    QString expected = title + "\r\n\r\n( 1 )\r\n" + Statement1 + "\r\n  *** REVISA *** <  9  >" +
                       "\r\n  *** ¡MUY BIEN! *** <  10  >" + "\r\n\r\n( 2 )\r\n" + Statement2 +
                       "\r\n  *** ¡MUY BIEN! *** <  4 cromos  >";
    QCOMPARE(report.ReportText(), expected);

    QTest::mouseClick(report.ui.Command1[0], Qt::LeftButton);
    QCOMPARE(opened_, QStringList{app_->path() + "/texto.txt"});
    QCOMPARE(savedReport(), encoded(expected + "\r\n"));
    QTest::mouseClick(report.ui.Command1[2], Qt::LeftButton);
    expectedCues << "\\sonidos\\pasa.WAV";
    QCOMPARE(ActiveProgramWindow(), &exercise);
    QCOMPARE(exercise.ui.Text3->toPlainText(), Statement2); // drawn afresh on coming back

    // Another group: the choice problem, answered by picking from the list.
    QTest::mouseClick(exercise.ui.Command7[1], Qt::LeftButton);
    expectedCues << "\\sonidos\\pulsax.WAV";
    QCOMPARE(ActiveProgramWindow(), &groups);
    QCOMPARE(groups.ui.List1->currentRow(), 0); // still highlighted from before
    clickEntry(1);
    expectedCues << "\\sonidos\\lista.WAV";
    QTest::mouseClick(groups.ui.Command1, Qt::LeftButton);
    expectedCues << "\\sonidos\\pasa.WAV";
    QCOMPARE(Form1::Existing(), &exercise);
    QCOMPARE(exercise.ui.Text3->toPlainText(), Statement3);
    QVERIFY(exercise.ui.Combo2->isVisible());
    QVERIFY(exercise.ui.Text2->isHidden());
    pickChoice("4 ");
    QTest::mouseClick(exercise.ui.Command8, Qt::LeftButton);
    expectedCues << "\\sonidos\\acierto.WAV";
    QCOMPARE(exercise.ui.Command8->text(), "¡MUY BIEN!");

    // A second save rewrites the file whole.
    QTest::mouseClick(exercise.ui.Command7[2], Qt::LeftButton);
    QTest::mouseClick(report.ui.Command1[0], Qt::LeftButton);
    QTest::mouseClick(report.ui.Command1[2], Qt::LeftButton);
    expectedCues << "\\sonidos\\pulsax.WAV"
                 << "\\sonidos\\pasa.WAV";
    expected += "\r\n\r\n( 3 )\r\n" + Statement3 + "\r\n  *** ¡MUY BIEN! *** <  4   >";
    QCOMPARE(savedReport(), encoded(expected + "\r\n"));
    QCOMPARE(opened_.size(), 2);
    QVERIFY(messages_.isEmpty());

    // The exit question: No changes nothing, Yes ends the program without a sound.
    answer_ = 7;
    QTest::mouseClick(exercise.ui.Command6, Qt::LeftButton);
    expectedCues << "\\sonidos\\operacion.WAV";
    QCOMPARE(endRequests_, 0);
    QVERIFY(exercise.isVisible());
    answer_ = 6;
    QTest::mouseClick(exercise.ui.Command6, Qt::LeftButton);
    QCOMPARE(questions_, QStringList(2, "¿Quieres salir?"));
    QCOMPARE(endRequests_, 1);
    for (QWidget* window : ProgramWindows())
        QVERIFY2(!window->isVisible(), window->metaObject()->className());

    QCOMPARE(cues_, expectedCues);
}

QTEST_MAIN(TestPupilRun)
#include "tst_pupil_run.moc"
