// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Program.h"

#include "app/Cue.h"

#include <QApplication>
#include <QEvent>

namespace {

struct Registered {
    QPointer<QWidget> window;
    std::function<void()> onActivate;
};

QList<Registered>& windows() {
    static QList<Registered> list;
    return list;
}

QPointer<QWidget>& activeWindow() {
    static QPointer<QWidget> active;
    return active;
}

std::function<void()>& endHook() {
    static std::function<void()> hook;
    return hook;
}

void forgetDeleted() {
    windows().removeIf([](const Registered& r) { return r.window.isNull(); });
}

// Watches the desktop's activation of the program's windows: a pupil's click on another window
// of the program makes it the active one; a return from another application changes nothing.
class ActivationWatcher : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::WindowActivate && watched->isWidgetType()) {
            for (const Registered& r : std::as_const(windows())) {
                if (r.window == watched) {
                    if (MakeActiveProgramWindow(r.window) && r.onActivate)
                        r.onActivate();
                    break;
                }
            }
        }
        return false;
    }
};

void watchActivation() {
    static QPointer<ActivationWatcher> watcher;
    if (!watcher && qApp) {
        watcher = new ActivationWatcher(qApp);
        qApp->installEventFilter(watcher);
    }
}

} // namespace

void RegisterProgramWindow(QWidget* window, std::function<void()> onActivate) {
    forgetDeleted();
    watchActivation();
    for (Registered& r : windows()) {
        if (r.window == window) {
            r.onActivate = std::move(onActivate);
            return;
        }
    }
    windows().append({window, std::move(onActivate)});
}

QList<QWidget*> ProgramWindows() {
    QList<QWidget*> alive;
    for (const Registered& r : std::as_const(windows()))
        if (r.window)
            alive.append(r.window);
    return alive;
}

bool IsProgramWindow(const QWidget* window) {
    return window && ProgramWindows().contains(const_cast<QWidget*>(window));
}

bool MakeActiveProgramWindow(QWidget* window) {
    if (activeWindow() == window)
        return false;
    activeWindow() = window;
    return true;
}

QWidget* ActiveProgramWindow() {
    return activeWindow();
}

void BringToFront(QWidget* window) {
    window->show();
    // The headless platform of the tests cannot stack windows and says so on every call.
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        window->raise();
    window->activateWindow();
}

void EndProgram() {
    if (endHook()) {
        endHook()();
        return;
    }
    for (QWidget* window : ProgramWindows())
        window->hide();
    ReleaseCues();
    QApplication::exit(0);
}

void SetEndProgramHook(std::function<void()> hook) {
    endHook() = std::move(hook);
}
