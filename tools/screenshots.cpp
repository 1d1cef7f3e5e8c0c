// SPDX-License-Identifier: GPL-3.0-or-later
// Opens the program's windows on the shipped content, plays a short run the way a pupil would
// (start-up window, group list, a sum laid out on the board with a bar, a right answer, the
// report) and saves a picture of each window at each of those moments:
//
//   kotira_screenshots <output folder>
//
// It uses the program's own start and end and the content beside the program file, like the
// program itself; only the draws are made repeatable with a fixed seed. tools/screenshots runs
// it under a virtual X server.

#include "app/Form4.h"
#include "app/Program.h"
#include "problems/Form1.h"
#include "problems/RandomSource.h"
#include "report/Form3.h"
#include "selection/Form2.h"
#include "windows/BoardWidget.h"
#include "windows/PaletteBox.h"
#include "windows/PictureButton.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTimer>
#include <QWindow>

#include <cstdio>

namespace {

QString outputFolder;
int failures = 0;

void settle(int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    } while (clock.elapsed() < milliseconds);
}

bool waitExposed(QWidget* widget) {
    const QDeadlineTimer deadline(5000);
    while (!deadline.hasExpired()) {
        if (widget->windowHandle() && widget->windowHandle()->isExposed())
            return true;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return false;
}

void save(QWidget* window, const char* name) {
    settle(150);
    const QString path = QDir(outputFolder).filePath(QString::fromLatin1(name) + ".png");
    if (!waitExposed(window) || !window->grab().save(path)) {
        std::fprintf(stderr, "could not save %s\n", qPrintable(path));
        ++failures;
        return;
    }
    std::printf("%s\n", qPrintable(path));
}

// Pointer events delivered to a widget as the window system delivers them.
void send(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(at), QPointF(widget->window()->mapFromGlobal(widget->mapToGlobal(at))),
                      QPointF(widget->mapToGlobal(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void click(QWidget* widget, QPoint at) {
    send(widget, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    send(widget, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}

void doubleClick(QWidget* widget, QPoint at) {
    click(widget, at);
    send(widget, QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
    send(widget, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}

PictureButton* key(Form1& exercise, QChar symbol) {
    for (PictureButton* button : exercise.ui.Command2)
        if (button && button->text() == QString(symbol))
            return button;
    return nullptr;
}

// A keypad press, the symbol carried over the board to a point and dropped there with a click on
// the label itself. Returns the label.
QLabel* placeSymbol(Form1& exercise, QChar symbol, QPoint at) {
    PictureButton* button = key(exercise, symbol);
    if (!button)
        return nullptr;
    button->click();
    send(exercise.ui.Picture2, QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
    QLabel* label = exercise.ui.Label1.at(static_cast<size_t>(exercise.state.LastLabel));
    click(label, QPoint(3, 3));
    return label;
}

// A written sum: the two operands right-aligned in columns, the sign, a bar, and the result,
// whose figures are then copied into the answer box by double clicks.
void layOutSum(Form1& exercise) {
    const QString first = QString::number(exercise.state.Number[0], 'g', 15);
    const QString second = QString::number(exercise.state.Number[1], 'g', 15);
    const QString result = QString::number(exercise.state.Result, 'g', 15);
    const int column = 34;
    const int right = 200; // left edge of the units column, in board pixels
    auto row = [&](const QString& figures, int top, QList<QLabel*>* placed = nullptr) {
        for (int i = 0; i < figures.size(); ++i) {
            QLabel* label = placeSymbol(exercise, figures.at(i),
                                        QPoint(right - column * int(figures.size() - 1 - i), top));
            if (placed && label)
                placed->append(label);
        }
    };
    row(first, 12);
    row(second, 66);
    placeSymbol(exercise, u'+', QPoint(right - column * 3 - 10, 66));

    // A yellow bar under the figures.
    click(exercise.ui.Picture4, QPoint(6 + 16 * 3 + 5, 9));
    exercise.ui.Command4->click();
    send(exercise.ui.Picture2, QEvent::MouseButtonPress, QPoint(right - column * 3 - 14, 128), Qt::LeftButton,
         Qt::LeftButton);
    send(exercise.ui.Picture2, QEvent::MouseMove, QPoint(right + column + 6, 130), Qt::NoButton,
         Qt::LeftButton);
    send(exercise.ui.Picture2, QEvent::MouseButtonRelease, QPoint(right + column + 6, 130), Qt::LeftButton,
         Qt::NoButton);

    QList<QLabel*> figures;
    row(result, 142, &figures);
    for (QLabel* label : std::as_const(figures))
        doubleClick(label, QPoint(4, 8));
}

void run() {
    Form1::SetRandomSourceFactory([] { return std::make_unique<RandomGenerator>(7u); });

    StartProgram();
    Form4* startUp = Form4::Existing();
    save(startUp, "startup");

    click(startUp, QPoint(200, 300));
    Form2& groups = *Form2::Existing();
    save(&groups, "groups");

    groups.ui.Command1->click();
    Form1& exercise = Form1::Instance();
    layOutSum(exercise);
    save(&exercise, "problem");

    exercise.ui.Command8->click();
    settle(700); // a few frames of both animations
    save(&exercise, "right-answer");

    exercise.ui.Command7[2]->click();
    save(Form3::Existing(), "report");

    EndProgram();
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", qPrintable(args.value(0)));
        return 2;
    }
    outputFolder = args.at(1);
    if (!QDir().mkpath(outputFolder)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(outputFolder));
        return 2;
    }
    QTimer::singleShot(0, &run);
    const int code = QApplication::exec();
    UnloadProgramWindows();
    return code != 0 ? code : (failures ? 1 : 0);
}
