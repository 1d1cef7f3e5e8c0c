// SPDX-License-Identifier: GPL-3.0-or-later
#include "problems/Form1.h"

#include "app/AppFolder.h"
#include "app/LanguageFile.h"
#include "app/Module1.h"
#include "app/Program.h"
#include "exercise/Board.h"
#include "problems/Form1Parts.h"
#include "problems/Form1ProblemView.h"
#include "problems/GenerateProblem.h"
#include "report/Form3.h"
#include "windows/AnimatedPicture.h"
#include "windows/FileList.h"
#include "windows/PictureButton.h"
#include "windows/Twips.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>

namespace {

Form1* instance = nullptr;

std::function<std::unique_ptr<RandomSource>()>& randomFactory() {
    static std::function<std::unique_ptr<RandomSource>()> factory;
    return factory;
}

} // namespace

QString TemplatePath(int number) {
    return ResolvePath(Module1::GroupPath,
                       QStringLiteral("\\") + QString::number(number) + QStringLiteral(".txt"));
}

QString CurrentTemplatePath(ExerciseState& state) {
    return TemplatePath(state.ProblemNumberOf(Module1::GroupIndex));
}

Form1& Form1::Instance() {
    if (!instance) {
        // The pointer is set before loading: the report window, created at the end of the load,
        // reads this window's geometry through Instance().
        instance = new Form1;
        instance->Form_Load();
    }
    return *instance;
}

Form1* Form1::Existing() {
    return instance;
}

void Form1::Unload() {
    delete instance;
}

void Form1::SetRandomSourceFactory(std::function<std::unique_ptr<RandomSource>()> factory) {
    randomFactory() = std::move(factory);
}

Form1::Form1() : parts_(std::make_unique<Parts>()) {
    ui.setupUi(this);
    parts_->problemView = std::make_unique<Form1ProblemView>(ui);
    parts_->board = std::make_unique<Board>(state, ui);

    for (int index = 0; index < 2; ++index)
        connect(ui.Command1[index], &QPushButton::clicked, this, [this, index] { Command1_Click(index); });
    for (int index = 1; index < 3; ++index)
        connect(ui.Command7[index], &QPushButton::clicked, this, [this, index] { Command7_Click(index); });
    connect(ui.Command5, &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(ui.Command6, &QPushButton::clicked, this, &Form1::Command6_Click);
    connect(ui.Command8, &QPushButton::clicked, this, &Form1::Command8_Click);
    connect(ui.Command9, &QPushButton::clicked, this, &Form1::Command9_Click);
    // Without a speech engine the speaker is not offered at all.
    ui.Command9->setVisible(SpeakerOffered());
    connect(ui.Fandorel1, &AnimatedPicture::GifEnd, this, &Form1::Fandorel1_GifEnd);

    RegisterProgramWindow(this, [this] { Form_Activate(); });
    // The first control of the tab order that can take the focus; the hidden ones before it can't.
    ui.Command1[0]->setFocus();
}

Form1::~Form1() {
    if (instance == this)
        instance = nullptr;
}

void Form1::ShowFromProgram() {
    BringToFront(this);
    if (MakeActiveProgramWindow(this))
        Form_Activate();
}

void Form1::Form_Load() {
    // 1. Centred across, 250 twips above the vertical centre. Differences are rounded half to
    //    even, then halved with truncation toward zero.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize screenTwips = screen->geometry().size() * TwipsPerPixel;
        const double width = PxToTwips(frameGeometry().width());
        const double height = PxToTwips(frameGeometry().height());
        const auto halve = [](double difference) {
            return static_cast<qint64>(std::nearbyint(difference)) / 2;
        };
        const qint64 left = halve(screenTwips.width() - width);
        const qint64 top = halve(screenTwips.height() - height) - 250;
        move(screen->geometry().topLeft() + QPoint(TwipsToPx(left), TwipsToPx(top)));
    }
    // 2. One seeding of the random source for the whole life of the window.
    if (randomFactory()) {
        parts_->random = randomFactory()();
    } else {
        auto clockSeeded = std::make_unique<RandomGenerator>();
        clockSeeded->SeedFromClock();
        parts_->random = std::move(clockSeeded);
    }
    // 3.
    state.EntryCount = 0;
    // 4. White pen.
    state.PenGreen = 255;
    state.PenBlue = 255;
    state.PenRed = 255;
    // 5.
    ui.File1->SetPath(Module1::GroupPath);
    // 6.
    state.ProblemNumberOf(Module1::GroupIndex) = 1;
    // 7.
    ui.Command8->SetBackColor(QColor(0xFF, 0xFF, 0xFF));
    // 8. Lines 3 to 7 of the language file.
    ReadExerciseWindowTexts(state.LangText, state.ExitQuestion, Module1::ReportTitle);
    // 9.
    ui.Command8->setText(state.LangText[0]);
    // 10.
    GenerateProblem(CurrentTemplatePath(state));
    // 11. The report window is created (its title line written) but not shown.
    Form3::Instance();
}

void Form1::Form_Activate() {
    ui.File1->SetPath(Module1::GroupPath);
    ResetView();
    qint16& number = state.ProblemNumberOf(Module1::GroupIndex);
    if (number == 0)
        number = 1;
    GenerateProblem(CurrentTemplatePath(state));
}

void Form1::ResetView() {
    // A move and an activation put another problem on show: the voice must not go on reading.
    StopVoice();
    ui.Command8->setText(state.LangText[0]);
    ClearBoard();
    ui.Text2->clear();
    ui.Command8->setEnabled(true);
    ui.Command8->SetBackColor(QColor(0xFF, 0xFF, 0xFF));
    ui.Fandorel2->hide();
    ui.Text3->clear();
}

void Form1::GenerateProblem(const QString& templatePath) {
    ::GenerateProblem(templatePath, state, *parts_->problemView, *parts_->random);
}

void Form1::ClearBoard() {
    parts_->board->ClearBoard();
}

bool Form1::event(QEvent* event) {
    // The window has no title bar; a close request from the desktop asks the exit question
    // instead of leaving the program without its exercise window.
    if (event->type() == QEvent::Close) {
        event->ignore();
        Command6_Click();
        return true;
    }
    return QWidget::event(event);
}

void Form1::hideEvent(QHideEvent* event) {
    StopVoice();
    QWidget::hideEvent(event);
}
