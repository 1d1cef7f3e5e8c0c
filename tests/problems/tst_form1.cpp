// SPDX-License-Identifier: GPL-3.0-or-later
// The exercise window driven as the program drives it: load, activation, check, arrows.

#include "app/AppFolder.h"
#include "app/Cue.h"
#include "app/Module1.h"
#include "app/Program.h"
#include "exercise/SpokenText.h"
#include "problems/Form1.h"
#include "report/Form3.h"
#include "selection/Form2.h"
#include "support/FakeProblemView.h"
#include "support/FakeVoice.h"
#include "support/TempAppFolder.h"
#include "windows/AnimatedPicture.h"
#include "windows/FileList.h"
#include "windows/PictureButton.h"

#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QtTest>

namespace {

// One numeric template per number: "Problema n : NUMERO1 y NUMERO2" / "NUMERO1 + NUMERO2".
QStringList numericTemplate(int n) {
    return {QString("Problema %1 : NUMERO1 y NUMERO2").arg(n), "NUMERO1 + NUMERO2"};
}

// The statement the template above gives with every draw taking the first line (5 and 2).
QString statementOf(int n) {
    return QString("Problema %1 : 5 y 2 ").arg(n);
}

} // namespace

class TestForm1 : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void loadPlacesAndPreparesTheWindow();
    void groupsResumeAtTheirOwnTemplate();
    void numericJudgements_data();
    void numericJudgements();
    void choiceJudgements_data();
    void choiceJudgements();
    void typedChoiceIsJudgedAsTyped_data();
    void typedChoiceIsJudgedAsTyped();
    void reportAfterWrongThenRightThenRight();
    void headingAgainAfterVisitingTheReport();
    void arrows_data();
    void arrows();
    void onlyTheProgramsOwnWindowsActivate();
    void aHundredGroups();
    void exitQuestionBothWays();
    void watchingAnimationHidesAtItsEnd();
    void eraserKeepsTheAnswer();
    void keyboardFocus();
    void statementKeys_data();
    void statementKeys();
    void nonBreakingSpacesReachTheReport();
    void groupButtonBringsTheGroupWindow();
    void speakerReadsWhatThePupilSees_data();
    void speakerReadsWhatThePupilSees();
    void voiceStops_data();
    void voiceStops();
    void pressWhileStartingIsIgnored();
    void speakerGoneWhenTheVoiceFails();
    void speakerKey();

private:
    Form1& openGroup(const QString& name, int index);

    std::unique_ptr<TempAppFolder> app_;
    QStringList cues_;
    int endRequests_ = 0;
    FakeVoice* voice_ = nullptr; // the voice the speaker made, if any
};

void TestForm1::init() {
    app_ = std::make_unique<TempAppFolder>();
    app_->writeLines("configuracion/idioma.txt",
                     {"ACEPTAR", "Grupos", "COMPROBAR", "BIEN", "MAL", "¿Salir?", "Informe"});
    app_->writeLines("datos/NUMERO1.txt", {"5", "7"});
    app_->writeLines("datos/NUMERO2.txt", {"2", "4"});
    for (int n = 1; n <= 5; ++n)
        app_->writeLines(QString("Problemas/A/%1.txt").arg(n), numericTemplate(n));
    app_->writeLines("Problemas/B/1.txt", {"Elige la buena", "TEXTO", "nota", "uno", "dos ", "tres"});
    app_->writeLines("Problemas/B/2.txt", numericTemplate(2));
    voice_ = nullptr;
    Form1::SetVoiceFactory([this] {
        auto voice = std::make_unique<FakeVoice>();
        voice_ = voice.get();
        return voice;
    });

    Form1::SetRandomSourceFactory([] { return std::make_unique<ScriptedRandom>(QList<float>{0.0f}); });
    cues_.clear();
    SetCueObserver([this](QStringView cue) { cues_.append(cue.toString()); });
    endRequests_ = 0;
    SetEndProgramHook([this] { ++endRequests_; });
    Form3::SetOpener([](const QString&) { return true; });
    Form3::SetMessageHook([](const QString&) {});
}

void TestForm1::cleanup() {
    Form1::Unload();
    Form2::Unload();
    Form3::Unload();
    MakeActiveProgramWindow(nullptr);
    Form1::SetQuestionHook({});
    Form1::SetVoiceFactory({});
    SetCueObserver({});
    SetEndProgramHook({});
    Module1::GroupPath.clear();
    Module1::GroupIndex = 0;
    app_.reset();
}

Form1& TestForm1::openGroup(const QString& name, int index) {
    Module1::GroupPath = AppPath(QString("\\problemas\\") + name);
    Module1::GroupIndex = qint16(index);
    // The group window is where the exercise window is shown from.
    MakeActiveProgramWindow(nullptr);
    Form1& form = Form1::Instance();
    form.ShowFromProgram();
    return form;
}

void TestForm1::loadPlacesAndPreparesTheWindow() {
    Form1& form = openGroup("A", 0);

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const int left = int((qint64(screen.width()) * 15 - 11880) / 2);
    const int top = int((qint64(screen.height()) * 15 - 8475) / 2) - 250;
    QCOMPARE(form.pos(), screen.topLeft() + QPoint(qRound(left / 15.0), qRound(top / 15.0)));

    QCOMPARE(form.state.EntryCount, qint16(0));
    QCOMPARE(form.state.PenRed, 255);
    QCOMPARE(form.state.PenGreen, 255);
    QCOMPARE(form.state.PenBlue, 255);
    QCOMPARE(form.state.ProblemNumberOf(0), qint16(1));
    QCOMPARE(form.state.LangText[0], QString("COMPROBAR"));
    QCOMPARE(form.state.ExitQuestion, QString("¿Salir?"));
    QCOMPARE(Module1::ReportTitle, QString("Informe"));
    QCOMPARE(form.ui.Command8->text(), QString("COMPROBAR"));
    QVERIFY(form.ui.Command8->isEnabled());
    QCOMPARE(form.ui.Command8->BackColor(), QColor(Qt::white));
    QCOMPARE(form.ui.File1->ListCount(), 5);
    QCOMPARE(form.ui.Text3->toPlainText(), statementOf(1));
    QCOMPARE(form.state.Result, 7.0);
    QVERIFY(form.ui.Combo2->isHidden());
    QVERIFY(!form.ui.Text2->isHidden());
    QVERIFY(form.ui.Fandorel2->isHidden());

    // The report window exists, with its title line, but is not shown.
    QVERIFY(Form3::Existing());
    QVERIFY(!Form3::Existing()->isVisible());
    QVERIFY(Form3::Existing()->ReportText().startsWith("Informe - "));
}

void TestForm1::groupsResumeAtTheirOwnTemplate() {
    Form1& form = openGroup("A", 0);
    form.Command1_Click(1);
    form.Command1_Click(1);
    QCOMPARE(form.ui.Text3->toPlainText(), statementOf(3));

    // To group B through the group window and back.
    form.Command7_Click(1);
    Form2& groups = Form2::Instance();
    QCOMPARE(groups.ui.List1->count(), 2);
    groups.ui.List1->setCurrentRow(1);
    groups.List1_Click();
    groups.Command1_Click();
    QCOMPARE(Module1::GroupIndex, qint16(1));
    QCOMPARE(form.state.ProblemNumberOf(1), qint16(1));
    QCOMPARE(form.ui.Text3->toPlainText(), QString("Elige la buena "));
    QVERIFY(!form.ui.Combo2->isHidden());
    QVERIFY(form.ui.Text2->isHidden());

    form.Command7_Click(1);
    groups.ui.List1->setCurrentRow(0);
    groups.List1_Click();
    form.ui.Text2->setText("pupil's work");
    groups.Command1_Click();
    QCOMPARE(form.state.ProblemNumberOf(0), qint16(3));
    QCOMPARE(form.ui.Text3->toPlainText(), statementOf(3));
    QVERIFY(form.ui.Text2->text().isEmpty());
}

void TestForm1::numericJudgements_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("right");
    QTest::newRow("7") << "7" << true;
    QTest::newRow("7 cromos") << "7 cromos" << true;
    QTest::newRow("07") << "07" << true;
    QTest::newRow("7.0") << "7.0" << true;
    QTest::newRow("6") << "6" << false;
    QTest::newRow("cromos 7") << "cromos 7" << false;
    QTest::newRow("empty") << "" << false;
}

void TestForm1::numericJudgements() {
    QFETCH(QString, answer);
    QFETCH(bool, right);
    Form1& form = openGroup("A", 0);
    form.ui.Text2->setText(answer);
    cues_.clear();
    form.Command8_Click();

    QCOMPARE(form.ui.Command8->text(), right ? QString("BIEN") : QString("MAL"));
    QCOMPARE(form.ui.Command8->isEnabled(), !right);
    QCOMPARE(form.ui.Command8->BackColor(), right ? QColor(0, 0, 255) : QColor(255, 0, 0));
    QCOMPARE(cues_, QStringList{right ? "\\sonidos\\acierto.WAV" : "\\sonidos\\fallo.WAV"});
    QVERIFY(!form.ui.Fandorel1->isHidden());
    QVERIFY(!form.ui.Fandorel2->isHidden());
    QVERIFY(form.state.HeadingWritten);
    QVERIFY(Form3::Existing()->ReportText().endsWith(
        QString("  *** %1 *** <  %2  >").arg(right ? "BIEN" : "MAL", answer)));
    // The answer is left as the pupil wrote it.
    QCOMPARE(form.ui.Text2->text(), answer);
}

void TestForm1::choiceJudgements_data() {
    QTest::addColumn<QString>("choice");
    QTest::addColumn<bool>("right");
    QTest::newRow("the marked choice") << "dos " << true;
    QTest::newRow("another choice") << "uno" << false;
    QTest::newRow("nothing picked") << "" << false;
    QTest::newRow("typed, ending in a space") << "lo que sea " << true;
}

void TestForm1::choiceJudgements() {
    QFETCH(QString, choice);
    QFETCH(bool, right);
    Form1& form = openGroup("B", 1);
    QCOMPARE(form.ui.Combo2->count(), 3);
    QVERIFY(form.ui.Combo2->currentText().isEmpty());
    const int row = form.ui.Combo2->findText(choice);
    if (row >= 0)
        form.ui.Combo2->setCurrentIndex(row);
    else
        form.ui.Combo2->setEditText(choice);
    const double resultBefore = form.state.Result;
    form.Command8_Click();
    QCOMPARE(form.ui.Command8->text(), right ? QString("BIEN") : QString("MAL"));
    QVERIFY(Form3::Existing()->ReportText().endsWith(
        QString("  *** %1 *** <  %2  >").arg(right ? "BIEN" : "MAL", choice)));
    QCOMPARE(form.state.Result, resultBefore);
}

void TestForm1::typedChoiceIsJudgedAsTyped_data() {
    QTest::addColumn<QString>("typed");
    // The right choice is "dos "; what the pupil typed is judged, not a choice it begins.
    QTest::newRow("start of the right choice") << "d";
    QTest::newRow("start in capitals") << "DO";
}

void TestForm1::typedChoiceIsJudgedAsTyped() {
    QFETCH(QString, typed);
    Form1& form = openGroup("B", 1);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.ui.Combo2->setFocus();
    QTest::keyClicks(form.ui.Combo2, typed);
    QTest::mouseClick(form.ui.Command8, Qt::LeftButton);
    QCOMPARE(form.ui.Command8->text(), QString("MAL"));
    const QString report = Form3::Existing()->ReportText();
    QVERIFY2(report.endsWith("  *** MAL *** <  " + typed + "  >"), qPrintable(report));
}

void TestForm1::reportAfterWrongThenRightThenRight() {
    Form1& form = openGroup("A", 0);
    const QString title = Form3::Existing()->ReportText();
    form.ui.Text2->setText("6");
    form.Command8_Click();
    form.ui.Text2->setText("7");
    form.Command8_Click();
    form.Command1_Click(1);
    form.ui.Text2->setText("7 cromos");
    form.Command8_Click();

    const QString expected = title + "\r\n\r\n( 1 )\r\n" + statementOf(1) + "\r\n  *** MAL *** <  6  >" +
                             "\r\n  *** BIEN *** <  7  >" + "\r\n\r\n( 2 )\r\n" + statementOf(2) +
                             "\r\n  *** BIEN *** <  7 cromos  >";
    QCOMPARE(Form3::Existing()->ReportText(), expected);
    QCOMPARE(form.state.EntryCount, qint16(2));

    Form3::Existing()->Command1_Click(0);
    QFile saved(AppPath(u"\\texto.txt"));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), (expected + "\r\n").toUtf8());
}

void TestForm1::headingAgainAfterVisitingTheReport() {
    Form1& form = openGroup("A", 0);
    form.ui.Text2->setText("6");
    form.Command8_Click();
    form.Command8_Click();
    cues_.clear();
    form.Command7_Click(2);
    QVERIFY(Form3::Existing()->isVisible());
    QVERIFY(!form.state.HeadingWritten);
    Form3::Existing()->Command1_Click(2);
    QCOMPARE(cues_, QStringList({"\\sonidos\\pulsax.WAV", "\\sonidos\\pasa.WAV"}));
    // Back in the exercise window: a fresh problem, ready button, empty answer.
    QVERIFY(form.ui.Text2->text().isEmpty());
    QCOMPARE(form.ui.Command8->text(), QString("COMPROBAR"));
    form.ui.Text2->setText("7");
    form.Command8_Click();
    const QString report = Form3::Existing()->ReportText();
    QCOMPARE(report.count("( 1 )"), 1);
    QCOMPARE(report.count("( 2 )"), 1);
    QVERIFY(report.endsWith("\r\n\r\n( 2 )\r\n" + statementOf(1) + "\r\n  *** BIEN *** <  7  >"));
}

void TestForm1::arrows_data() {
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("generated");
    const QStringList five{"1.txt", "2.txt", "3.txt", "4.txt", "5.txt"};
    QTest::newRow("next from 5 of 5") << five << 5 << 1 << 1 << true;
    QTest::newRow("previous from 1 of 5") << five << 1 << 0 << 5 << true;
    QTest::newRow("next from 2 of 5") << five << 2 << 1 << 3 << true;
    const QStringList withNote{"1.txt", "2.txt", "3.txt", "4.txt", "nota.doc"};
    QTest::newRow("a note counts: 4 to 5") << withNote << 4 << 1 << 5 << false;
    QTest::newRow("a note counts: 5 to 1") << withNote << 5 << 1 << 1 << true;
    const QStringList gap{"1.txt", "2.txt", "4.txt"};
    QTest::newRow("gap: 2 to 3, absent") << gap << 2 << 1 << 3 << false;
    QTest::newRow("gap: 3 wraps to 1") << gap << 3 << 1 << 1 << true;
    QTest::newRow("empty folder counts on") << QStringList() << 1 << 1 << 2 << false;
    QTest::newRow("3.TXT counts for 3") << QStringList{"1.txt", "2.txt", "3.TXT"} << 2 << 1 << 3 << true;
}

void TestForm1::arrows() {
    QFETCH(QStringList, files);
    QFETCH(int, start);
    QFETCH(int, index);
    QFETCH(int, number);
    QFETCH(bool, generated);
    app_->mkdir("Problemas/G");
    for (const QString& file : files)
        app_->writeLines("Problemas/G/" + file, numericTemplate(QFileInfo(file).baseName().toInt()));
    Form1& form = openGroup("G", 2);
    form.state.ProblemNumberOf(2) = qint16(start);
    form.ui.Text2->setText("9");
    form.Command8_Click();
    cues_.clear();

    form.Command1_Click(index);
    QCOMPARE(int(form.state.ProblemNumberOf(2)), number);
    QCOMPARE(cues_, QStringList{"\\sonidos\\pasaejercicio.WAV"});
    QCOMPARE(form.ui.Text3->toPlainText(), generated ? statementOf(number) : QString());
    QVERIFY(form.ui.Text2->text().isEmpty());
    QVERIFY(form.ui.Command8->isEnabled());
    QCOMPARE(form.ui.Command8->text(), QString("COMPROBAR"));
    QCOMPARE(form.ui.Command8->BackColor(), QColor(Qt::white));
    QVERIFY(form.ui.Fandorel2->isHidden());
    QVERIFY(!form.state.HeadingWritten);
}

void TestForm1::onlyTheProgramsOwnWindowsActivate() {
    Form1& form = openGroup("A", 0);
    form.ui.Text2->setText("42");

    // Back from another application: the desktop activates the window, the program stays put.
    QEvent fromOutside(QEvent::WindowActivate);
    QApplication::sendEvent(&form, &fromOutside);
    QCOMPARE(form.ui.Text2->text(), QString("42"));

    // The pupil clicked the group window, then the exercise window: that is an activation.
    Form2::Instance().ShowFromProgram();
    QEvent fromOwnWindow(QEvent::WindowActivate);
    QApplication::sendEvent(&form, &fromOwnWindow);
    QVERIFY(form.ui.Text2->text().isEmpty());
    QCOMPARE(ActiveProgramWindow(), static_cast<QWidget*>(&form));
}

void TestForm1::aHundredGroups() {
    for (int g = 0; g < 100; ++g)
        app_->writeLines(QString("Problemas/G%1/1.txt").arg(g, 3, 10, QChar('0')), numericTemplate(1));
    Form1& form = openGroup("G099", 99);
    QCOMPARE(form.state.ProblemNumberOf(99), qint16(1));
    QCOMPARE(form.ui.Text3->toPlainText(), statementOf(1));
    form.Command1_Click(1);
    QCOMPARE(form.state.ProblemNumberOf(99), qint16(1));
}

void TestForm1::exitQuestionBothWays() {
    Form1& form = openGroup("A", 0);
    QString asked;
    Form1::SetQuestionHook([&](const QString& q) {
        asked = q;
        return 7;
    });
    cues_.clear();
    form.Command6_Click();
    QCOMPARE(asked, QString("¿Salir?"));
    QCOMPARE(cues_, QStringList{"\\sonidos\\operacion.WAV"});
    QCOMPARE(endRequests_, 0);

    Form1::SetQuestionHook([](const QString&) { return 6; });
    cues_.clear();
    form.Command6_Click();
    QCOMPARE(endRequests_, 1);
    QVERIFY(cues_.isEmpty());
}

void TestForm1::watchingAnimationHidesAtItsEnd() {
    Form1& form = openGroup("A", 0);
    form.Command8_Click();
    QVERIFY(!form.ui.Fandorel1->isHidden());
    form.Fandorel1_GifEnd(0);
    QVERIFY(form.ui.Fandorel1->isHidden());
    form.Fandorel1_GifEnd(0);
    QVERIFY(form.ui.Fandorel1->isHidden());
}

void TestForm1::eraserKeepsTheAnswer() {
    Form1& form = openGroup("A", 0);
    form.ui.Command2[0]->click();
    form.ui.Command2[1]->click();
    QCOMPARE(form.state.LastLabel, 1);
    form.ui.Text2->setText("23");
    cues_.clear();
    form.Command5_Click();
    QCOMPARE(cues_, QStringList{"\\sonidos\\operacion.WAV"});
    QCOMPARE(form.state.LastLabel, 0);
    QCOMPARE(int(form.ui.Label1.size()), 1);
    QVERIFY(form.ui.Label1[0]->isHidden());
    QCOMPARE(form.ui.Text2->text(), QString("23"));
}

void TestForm1::groupButtonBringsTheGroupWindow() {
    Form1& form = openGroup("A", 0);
    form.Command8_Click();
    QVERIFY(form.state.HeadingWritten);
    cues_.clear();
    form.Command7_Click(1);
    QVERIFY(Form2::Existing() && Form2::Existing()->isVisible());
    QCOMPARE(ActiveProgramWindow(), static_cast<QWidget*>(Form2::Existing()));
    QVERIFY(!form.state.HeadingWritten);
    // The group window's load selects its first entry, with its own cue, after the button's.
    QCOMPARE(cues_.first(), QString("\\sonidos\\pulsax.WAV"));
    // The exercise window keeps its answer and problem while the group window is in front.
    QCOMPARE(form.ui.Text3->toPlainText(), statementOf(1));
}

void TestForm1::keyboardFocus() {
    Form1& form = openGroup("A", 0);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    // The hidden controls first in the tab order can't take it: the left arrow has it.
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(form.ui.Command1[0]));
    // A right answer disables the check button; the focus goes on to the next-problem arrow.
    form.ui.Text2->setText("7");
    form.ui.Command8->setFocus();
    QTest::keyClick(form.ui.Command8, Qt::Key_Space);
    QCOMPARE(form.ui.Command8->text(), QString("BIEN"));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(form.ui.Command1[1]));
}

void TestForm1::statementKeys_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("focusMoves");
    QTest::newRow("tab") << int(Qt::Key_Tab) << Qt::KeyboardModifiers() << true;
    QTest::newRow("letter") << int(Qt::Key_X) << Qt::KeyboardModifiers() << false;
    QTest::newRow("delete") << int(Qt::Key_Delete) << Qt::KeyboardModifiers() << false;
    QTest::newRow("paste") << int(Qt::Key_V) << Qt::KeyboardModifiers(Qt::ControlModifier) << false;
}

void TestForm1::statementKeys() {
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, focusMoves);
    Form1& form = openGroup("A", 0);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QGuiApplication::clipboard()->setText("pegado");
    const QString statement = form.ui.Text3->toPlainText();
    form.ui.Text3->setFocus();
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(form.ui.Text3));
    QTest::keyClick(form.ui.Text3, Qt::Key(key), modifiers);
    QCOMPARE(form.ui.Text3->toPlainText(), statement);
    QCOMPARE(QApplication::focusWidget() != form.ui.Text3, focusMoves);
}

void TestForm1::nonBreakingSpacesReachTheReport() {
    app_->writeLines("Problemas/A/1.txt", {QString("Cuesta 10\u00A0000 euros"), "5"});
    Form1& form = openGroup("A", 0);
    form.Command8_Click();
    QVERIFY(Form3::Existing()->ReportText().contains(QString("\r\nCuesta 10\u00A0000 euros \r\n")));
}

void TestForm1::speakerReadsWhatThePupilSees_data() {
    QTest::addColumn<QString>("group");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("numeric problem") << "V" << 3 << "Hay 1049173 personas y 5 euros .";
    QTest::newRow("choice problem") << "B" << 1 << "Elige la buena. Las opciones son: uno. dos. tres.";
}

void TestForm1::speakerReadsWhatThePupilSees() {
    QFETCH(QString, group);
    QFETCH(int, index);
    QFETCH(QString, spoken);
    // Digit groups with no-break spaces, as a teacher may write them.
    app_->writeLines("Problemas/V/1.txt",
                     {"Hay 1\u00A0049\u00A0173 personas y NUMERO1 € .", "NUMERO1 + NUMERO2"});
    Form1& form = openGroup(group, index);
    QVERIFY(!form.ui.Command9->isHidden());
    QVERIFY(!voice_); // nothing is made until the pupil asks
    form.ui.Command9->click();
    QVERIFY(voice_);
    QCOMPARE(voice_->said, QStringList{spoken});
}

void TestForm1::voiceStops_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("starting");
    QTest::newRow("second press") << "press" << false;
    QTest::newRow("next problem") << "move" << false;
    QTest::newRow("check") << "check" << false;
    QTest::newRow("report window") << "leave" << false;
    QTest::newRow("next problem while starting") << "move" << true;
}

// While the speech service is still being reached, another press is not a stop: the reading
// asked for is on its way.
void TestForm1::pressWhileStartingIsIgnored() {
    Form1& form = openGroup("A", 0);
    form.ui.Command9->click();
    voice_->state = Voice::State::Starting;
    form.ui.Command9->click();
    QCOMPARE(voice_->stops, 0);
    QCOMPARE(voice_->said.size(), 1);
}

void TestForm1::voiceStops() {
    QFETCH(QString, action);
    QFETCH(bool, starting);
    Form1& form = openGroup("A", 0);
    form.ui.Command9->click();
    if (starting)
        voice_->state = Voice::State::Starting; // the speech service not reached yet
    QCOMPARE(voice_->stops, 0);
    if (action == "press")
        form.ui.Command9->click();
    else if (action == "move")
        form.Command1_Click(1);
    else if (action == "check")
        form.Command8_Click();
    else
        form.Command7_Click(2);
    QCOMPARE(voice_->stops, 1);
    QCOMPARE(voice_->said.size(), 1);
    // The next press reads again from the beginning, what is now on show.
    form.ui.Command9->click();
    QCOMPARE(voice_->said.size(), 2);
    QCOMPARE(voice_->said.last(), SpokenProblem(form.ui.Text3->toPlainText(), {}));
}

void TestForm1::speakerGoneWhenTheVoiceFails() {
    Form1& form = openGroup("A", 0);
    form.ui.Command9->click();
    QTest::ignoreMessage(QtWarningMsg, "sin voz");
    voice_->Fail();
    QVERIFY(form.ui.Command9->isHidden());
    form.ui.Command9->click(); // the shortcut still reaches a hidden button
    QCOMPARE(voice_->said.size(), 1);
}

void TestForm1::speakerKey() {
    Form1& form = openGroup("A", 0);
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(form.ui.Text2, Qt::Key_F5);
    // A button's shortcut shows the button pressed for a moment, then clicks it.
    QTRY_VERIFY(voice_);
    QCOMPARE(voice_->said.size(), 1);
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
