// SPDX-License-Identifier: GPL-3.0-or-later
// A heavily used board: 2,000 symbol labels and 500 bars on the real widgets. Prints the time of
// one pointer move (carrying or dragging) and of a clear; tools/bench compares them with the goals
// (under 1 ms a move, under 50 ms a clear). Nothing here is asserted on time: a loaded machine or
// a sanitized build is slower for no fault.
#include "exercise/Board.h"
#include "exercise/WidgetBoard.h"
#include "exercise/Workspace.h"
#include "problems/ExerciseState.h"
#include "windows/BoardWidget.h"
#include "windows/Form1Ui.h"
#include "windows/Twips.h"

#include "support/BoardWindow.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMouseEvent>

#include <QtTest>

#include <memory>

namespace {

constexpr int Labels = 2000;
constexpr int Bars = 500;

struct Window : BoardWindow {

    // Fills the board through the handlers, as a pupil would: symbols spread over the board and
    // dropped, bars drawn.
    void fill() {
        Workspace& ws = board->workspace();
        for (int n = 0; n < Labels; ++n) {
            ws.Command2_Click(n % 16);
            ws.Picture2_MouseMove(0, 0, (n * 97) % 7000, (n * 53) % 3600);
            ws.Label1_Click(state.LastLabel);
        }
        for (int n = 0; n < Bars; ++n) {
            ws.Command4_Click();
            const double y = (n * 31) % 4000;
            ws.Picture2_MouseDown(1, 0, (n * 41) % 5000, y);
            ws.Picture2_MouseMove(1, 0, (n * 41) % 5000 + 1500, y);
            ws.Picture2_MouseUp(1, 0, (n * 41) % 5000 + 1500, y);
        }
        QCoreApplication::processEvents(); // paint once, as the window would
    }
};

void sendMove(QWidget* widget, QPoint local, Qt::MouseButtons buttons) {
    QMouseEvent move(QEvent::MouseMove, QPointF(local),
                     QPointF(widget->window()->mapFromGlobal(widget->mapToGlobal(local))),
                     QPointF(widget->mapToGlobal(local)), Qt::NoButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

// Median of a few timed runs of a step, in milliseconds, for the figures printed below.
template <typename F> double medianMs(int runs, F step) {
    QList<double> times;
    for (int r = 0; r < runs; ++r) {
        QElapsedTimer timer;
        timer.start();
        step(r);
        times << timer.nsecsElapsed() / 1e6;
    }
    std::sort(times.begin(), times.end());
    return times.at(times.size() / 2);
}

} // namespace

class BenchBoard : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void carryingMove();
    void draggingMove();
    void draggingMovePainted();
    void barMove();
    void clearBoard_data();
    void clearBoard();

private:
    std::unique_ptr<Window> w_;
};

void BenchBoard::initTestCase() {
    w_ = std::make_unique<Window>();
    QVERIFY(QTest::qWaitForWindowExposed(&w_->form));
    QElapsedTimer timer;
    timer.start();
    w_->fill();
    qInfo("filled %d labels and %d bars in %lld ms", Labels, Bars, timer.elapsed());
    QCOMPARE(w_->state.LastLabel, Labels - 1);
    QCOMPARE(w_->state.LastBar, Bars - 1);
}

void BenchBoard::cleanupTestCase() {
    w_.reset();
}

// A new symbol hangs on the pointer: the event reaches the carried label and recentres it.
void BenchBoard::carryingMove() {
    Workspace& ws = w_->board->workspace();
    ws.Command2_Click(3);
    ws.Picture2_MouseMove(0, 0, 3000, 2000);
    QLabel* carried = w_->ui.Label1.back();
    QVERIFY(carried->isVisible());
    int n = 0;
    QBENCHMARK {
        sendMove(carried, QPoint(10 + n % 7, 12 + n % 5), Qt::NoButton);
        ++n;
    }
    const double ms =
        medianMs(201, [&](int r) { sendMove(carried, QPoint(10 + r % 7, 12 + r % 5), Qt::NoButton); });
    qInfo("carrying move: median %.4f ms", ms);
    ws.Label1_Click(w_->state.LastLabel);
}

// A dropped label in the middle of the array dragged with the left button held.
void BenchBoard::draggingMove() {
    QVERIFY(w_->state.DragAllowed);
    QLabel* label = w_->ui.Label1.at(Labels / 2);
    const double left = w_->board->view().LabelLeft(Labels / 2);
    int n = 0;
    QBENCHMARK {
        sendMove(label, QPoint(8 + n % 9, 20 + n % 4), Qt::LeftButton);
        ++n;
    }
    const double ms =
        medianMs(201, [&](int r) { sendMove(label, QPoint(8 + r % 9, 20 + r % 4), Qt::LeftButton); });
    qInfo("dragging move: median %.4f ms", ms);
    QVERIFY(w_->board->view().LabelLeft(Labels / 2) != left); // the label did follow
}

// The same, with the region the move dirtied painted as the event loop would do it. This is
// painting, not the handler: its cost grows with the labels overlapping the moved one (here
// some hundreds, since 2,000 symbols crowd the board).
void BenchBoard::draggingMovePainted() {
    QLabel* label = w_->ui.Label1.at(Labels / 3);
    int n = 0;
    QBENCHMARK {
        const QRect before = label->geometry();
        sendMove(label, QPoint(8 + n % 9, 20 + n % 4), Qt::LeftButton);
        w_->ui.Picture2->repaint(QRegion(before) + label->geometry());
        ++n;
    }
}

void BenchBoard::barMove() {
    QFrame* bar = w_->ui.Picture3.at(Bars / 2);
    int n = 0;
    QBENCHMARK {
        sendMove(bar, QPoint(30 + n % 11, 4), Qt::LeftButton);
        ++n;
    }
}

void BenchBoard::clearBoard_data() {
    QTest::addColumn<int>("round");
    QTest::newRow("first") << 0;
    QTest::newRow("second") << 1;
    QTest::newRow("third") << 2;
}

// Each round fills the board again (not timed) and clears it once.
void BenchBoard::clearBoard() {
    QFETCH(int, round);
    Q_UNUSED(round);
    if (w_->state.LastLabel < Labels - 1)
        w_->fill();
    QVERIFY(w_->state.LastLabel >= Labels - 1); // the carrying benchmark added a few
    QVERIFY(w_->state.LastBar >= Bars - 1);
    QElapsedTimer timer;
    timer.start();
    QBENCHMARK_ONCE {
        w_->board->ClearBoard();
    }
    const double ms = timer.nsecsElapsed() / 1e6;
    qInfo("clear: %.2f ms, deletion included", ms);
    QCOMPARE(w_->ui.Label1.size(), size_t(1));
    QCOMPARE(w_->ui.Picture3.size(), size_t(1));
    QCOMPARE(w_->state.LastLabel, 0);
    QCOMPARE(w_->state.LastBar, 0);
}

QTEST_MAIN(BenchBoard)
#include "tst_bench_board.moc"
