#include "app/Program.h"

#include "app/Cue.h"

#include <QApplication>

namespace {

QList<QPointer<QWidget>>& windows()
{
    static QList<QPointer<QWidget>> list;
    return list;
}

std::function<void()>& endHook()
{
    static std::function<void()> hook;
    return hook;
}

} // namespace

void RegisterProgramWindow(QWidget* window)
{
    windows().removeAll(nullptr);
    if (!windows().contains(window))
        windows().append(window);
}

QList<QWidget*> ProgramWindows()
{
    QList<QWidget*> alive;
    for (const QPointer<QWidget>& window : std::as_const(windows()))
        if (window)
            alive.append(window);
    return alive;
}

bool IsProgramWindow(const QWidget* window)
{
    for (const QPointer<QWidget>& own : std::as_const(windows()))
        if (own && own == window)
            return true;
    return false;
}

void EndProgram()
{
    if (endHook()) {
        endHook()();
        return;
    }
    for (QWidget* window : ProgramWindows())
        window->hide();
    ReleaseCues();
    QApplication::exit(0);
}

void SetEndProgramHook(std::function<void()> hook) { endHook() = std::move(hook); }
