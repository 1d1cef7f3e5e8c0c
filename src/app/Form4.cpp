// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Form4.h"

#include "app/ProgramLocale.h"

#include "app/Cue.h"
#include "app/Program.h"
#include "problems/Form1.h"
#include "report/Form3.h"
#include "selection/Form2.h"
#include "windows/Twips.h"

#include <QApplication>
#include <QFont>
#include <QGuiApplication>
#include <QIcon>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>

#include <cmath>

namespace {

Form4* instance = nullptr;

// Centres a window with a title bar once more as soon as the window system gives it its frame,
// which happens only when it is shown: centred before that on its client area alone, the window
// would sit half a title bar low.
class CentreOnceFramed : public QObject {
public:
    explicit CentreOnceFramed(QWidget* window) : QObject(window), window_(window) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (watched == window_ && (type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize) &&
            window_->frameGeometry().size() != window_->size()) {
            window_->removeEventFilter(this);
            deleteLater();
            CentreOnScreen(window_);
        }
        return false;
    }

private:
    QWidget* window_;
};

} // namespace

QPoint CentredPosition(QSize screen, QSize window) {
    // Both differences are whole numbers of twips (15 to the pixel); C++ division truncates
    // toward zero, which is the rule also for a window larger than the screen.
    const auto halve = [](int screenPx, int windowPx) {
        const qint64 difference = std::llround(PxToTwips(screenPx) - PxToTwips(windowPx));
        return TwipsToPx(static_cast<double>(difference / 2));
    };
    return {halve(screen.width(), window.width()), halve(screen.height(), window.height())};
}

void CentreOnScreen(QWidget* window) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // The whole frame is centred, title bar and border included. Before the first showing the
    // frame is not known yet: the client size stands for it until the frame arrives.
    const QRect frame = window->frameGeometry();
    const QRect area = screen->geometry();
    window->move(area.topLeft() + CentredPosition(area.size(), frame.size()));
    if (frame.size() == window->size() && !window->isVisible() &&
        !window->windowFlags().testFlag(Qt::FramelessWindowHint))
        new CentreOnceFramed(window);
}

Form4& Form4::Instance() {
    if (!instance) {
        instance = new Form4;
        instance->Form_Load();
    }
    return *instance;
}

Form4* Form4::Existing() {
    return instance;
}

void Form4::Unload() {
    delete instance;
}

Form4::Form4() {
    ui.setupUi(this);
    setWindowFlag(Qt::FramelessWindowHint);
    RegisterProgramWindow(this);
}

Form4::~Form4() {
    if (instance == this)
        instance = nullptr;
}

void Form4::Form_Load() {
    // Centred. The animated picture is a widget of the program itself, so there is no control to
    // install and register before the exercise window can use it.
    CentreOnScreen(this);
}

void Form4::Form_Click() {
    // 1. The group window is loaded whole (groups listed, first one selected, its cue started)
    //    before it is shown.
    Form2::Instance().ShowFromProgram();
    // 2.
    PlayCue(u"\\sonidos\\pasa.wav");
    // 3. Unloaded for good: no further click reaches it, and it is deleted once control is back
    //    in the event loop.
    if (instance == this)
        instance = nullptr;
    setEnabled(false);
    hide();
    deleteLater();
}

void Form4::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    QWidget::mousePressEvent(event);
}

void Form4::mouseReleaseEvent(QMouseEvent* event) {
    // A click is a press and a release of the left button, both on the window.
    const bool click =
        pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        Form_Click();
    else
        QWidget::mouseReleaseEvent(event);
}

void StartProgram() {
    QApplication::setApplicationName(QStringLiteral("KOTIRA"));
    QApplication::setApplicationVersion(QStringLiteral(KOTIRA_VERSION));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/resources/kotira.svg")));
    InstallQtTranslation(*QCoreApplication::instance());
    // The windows ask for Arial by name; the few texts that take the program's default font (the
    // message boxes) use it too, so a second face is not loaded for them.
    QFont font = QApplication::font();
    font.setFamily(QStringLiteral("Arial"));
    QApplication::setFont(font);
    Form4& startUp = Form4::Instance();
    startUp.show();
    MakeActiveProgramWindow(&startUp);
}

void UnloadProgramWindows() {
    // The exercise window first: its handlers reach the report window, never the other way.
    Form1::Unload();
    Form3::Unload();
    Form2::Unload();
    Form4::Unload();
    // A start-up window that unloaded itself is still waiting for its deferred deletion.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ReleaseCues();
}
