// SPDX-License-Identifier: GPL-3.0-or-later
// Pointer input goes through the window system, as a pupil's would: Qt picks the widget under the
// pointer, keeps the implicit grab while a button is held and makes double clicks from timing.
#define QTEST_QPA_MOUSE_HANDLING

#include "exercise/Board.h"
#include "exercise/BoardEvents.h"
#include "exercise/WidgetBoard.h"
#include "exercise/Workspace.h"
#include "problems/ExerciseState.h"
#include "windows/BoardWidget.h"
#include "windows/Form1Ui.h"
#include "windows/PaletteBox.h"
#include "windows/PictureButton.h"
#include "windows/Twips.h"

#include "support/BoardWindow.h"
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

#include <QtTest>

#include <memory>

namespace {

struct Window : BoardWindow {

    QLabel* label(int i) const { return ui.Label1.at(static_cast<size_t>(i)); }
    QFrame* bar(int i) const { return ui.Picture3.at(static_cast<size_t>(i)); }
    QColor textColor(int i) const { return label(i)->palette().color(QPalette::WindowText); }
    QColor barColor(int i) const { return bar(i)->palette().color(QPalette::Window); }
    // Where a label's centre is, in board pixels.
    QPoint centre(int i) const { return label(i)->geometry().center(); }

    // A keypad press that puts the symbol on the board at a board point and drops it there. The
    // carried label's corner lies under the pointer, so the click lands on the label.
    void placeSymbol(int key, QPoint at) {
        QTest::mouseClick(ui.Command2[static_cast<size_t>(key)], Qt::LeftButton);
        QTest::mouseMove(ui.Picture2, at);
        QTest::mouseClick(ui.Picture2, Qt::LeftButton, {}, at);
    }
};

// A move with buttons held delivered straight to a widget, as the window system would deliver it.
void sendMove(QWidget* widget, QPoint local, Qt::MouseButtons buttons) {
    QMouseEvent move(QEvent::MouseMove, QPointF(local),
                     QPointF(widget->window()->mapFromGlobal(widget->mapToGlobal(local))),
                     QPointF(widget->mapToGlobal(local)), Qt::NoButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

// A press or release delivered straight to a widget, without the pointer moving there first.
void sendButton(QWidget* widget, QEvent::Type type, QPoint local, Qt::MouseButton button) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
    QMouseEvent event(type, QPointF(local),
                      QPointF(widget->window()->mapFromGlobal(widget->mapToGlobal(local))),
                      QPointF(widget->mapToGlobal(local)), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

bool near(QPoint a, QPoint b) {
    return (a - b).manhattanLength() <= 2;
}

} // namespace

class TestBoardWidgets : public QObject {
    Q_OBJECT

private slots:
    void init();
    void buttonSet_data();
    void buttonSet();
    void keypadLabelAppearsOverBareBoard();
    void carryDropAndDrag();
    void dragWithRealMoveEvents();
    void pressOnBoardDropsWithoutDragging();
    void barDrawnOnBoard();
    void barMovesCentred();
    void paletteRedThenDraggedLabelTurnsRed();
    void palettePixels_data();
    void palettePixels();
    void doubleClickAppendsToAnswer();
    void sizeButtonKeepsTopLeft();
    void clearBoardOnWidgets();
};

void TestBoardWidgets::init() {
    // No button left held from a test that failed half way.
    QTestPrivate::qtestMouseButtons = Qt::NoButton;
}

void TestBoardWidgets::buttonSet_data() {
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("expected");
    QTest::newRow("none") << int(Qt::NoButton) << 0;
    QTest::newRow("left") << int(Qt::LeftButton) << 1;
    QTest::newRow("right") << int(Qt::RightButton) << 2;
    QTest::newRow("middle") << int(Qt::MiddleButton) << 4;
    QTest::newRow("left and right") << int(Qt::LeftButton | Qt::RightButton) << 3;
    QTest::newRow("back button ignored") << int(Qt::BackButton | Qt::MiddleButton) << 4;
}

void TestBoardWidgets::buttonSet() {
    QFETCH(int, buttons);
    QFETCH(int, expected);
    QCOMPARE(BoardEvents::ButtonSet(Qt::MouseButtons(buttons)), expected);
}

void TestBoardWidgets::keypadLabelAppearsOverBareBoard() {
    Window w;
    QVERIFY(QTest::qWaitForWindowExposed(&w.form));
    QTest::mouseClick(w.ui.Command2[0], Qt::LeftButton); // "2"
    QCOMPARE(w.label(0)->text(), QString("2"));
    QVERIFY(w.state.CarryingLabel);
    QVERIFY(w.label(0)->isHidden());

    QTest::mouseMove(w.ui.Command2[5]); // over the keypad only
    QVERIFY(w.label(0)->isHidden());

    QTest::mouseMove(w.ui.Picture2, QPoint(100, 50));
    QVERIFY(w.label(0)->isVisible());
    QCOMPARE(w.label(0)->pos(), QPoint(100, 50));
    QCOMPARE(w.board->view().LabelLeft(0), 1500.0);
    QCOMPARE(w.board->view().LabelTop(0), 750.0);

    // The second press makes element 1, a copy of element 0 as it stands, hidden where 0 is.
    QTest::mouseClick(w.ui.Command2[9], Qt::LeftButton); // "1"
    QCOMPARE(w.ui.Label1.size(), size_t(2));
    QCOMPARE(w.state.LastLabel, 1);
    QCOMPARE(w.label(1)->text(), QString("1"));
    QVERIFY(w.label(1)->isHidden());
    QCOMPARE(w.label(1)->parentWidget(), static_cast<QWidget*>(w.ui.Picture2));
    QCOMPARE(w.label(1)->font(), w.label(0)->font());
    QCOMPARE(w.textColor(1), QColor(Qt::white));
    QCOMPARE(w.label(1)->pos(), QPoint(100, 50));
    QCOMPARE(w.label(1)->size(), w.label(1)->sizeHint()); // sized to its own text

    // Moving over label 0 while carrying label 1 moves label 1, not the label under the pointer.
    QTest::mouseMove(w.ui.Picture2, QPoint(300, 100));
    QCOMPARE(w.label(1)->pos(), QPoint(300, 100));
    QTest::mouseMove(w.label(0), QPoint(2, 2));
    QCOMPARE(w.label(0)->pos(), QPoint(100, 50));
    QCOMPARE(w.board->view().LabelLeft(1), 4500.0 + 30 - Workspace::half(w.board->view().LabelWidth(1)));
}

void TestBoardWidgets::carryDropAndDrag() {
    Window w;
    QVERIFY(QTest::qWaitForWindowExposed(&w.form));
    QTest::mouseClick(w.ui.Command2[3], Qt::LeftButton); // "5"
    QTest::mouseMove(w.ui.Picture2, QPoint(100, 50));
    // The pointer now lies on the label's corner; the next move is the label's and centres it.
    QTest::mouseMove(w.ui.Picture2, QPoint(110, 62));
    QVERIFY2(near(w.centre(0), QPoint(110, 62)), qPrintable(QString::number(w.centre(0).x())));
    QTest::mouseMove(w.ui.Picture2, QPoint(115, 60));
    QVERIFY(near(w.centre(0), QPoint(115, 60)));

    QTest::mouseClick(w.ui.Picture2, Qt::LeftButton, {}, QPoint(115, 60)); // lands on the label
    QVERIFY(!w.state.CarryingLabel);
    QVERIFY(w.state.DragAllowed);
    const QPoint dropped = w.label(0)->pos();

    QTest::mouseMove(w.ui.Picture2, QPoint(118, 63)); // no button: nothing moves
    QCOMPARE(w.label(0)->pos(), dropped);

    QTest::mousePress(w.ui.Picture2, Qt::LeftButton, {}, QPoint(118, 63));
    QTest::mouseMove(w.ui.Picture2, QPoint(250, 180)); // far outside the label: the grab keeps it
    QVERIFY(near(w.centre(0), QPoint(250, 180)));
    QTest::mouseMove(w.ui.Picture2, QPoint(300, 100));
    QVERIFY(near(w.centre(0), QPoint(300, 100)));
    QTest::mouseRelease(w.ui.Picture2, Qt::LeftButton, {}, QPoint(300, 100));
    QVERIFY(w.state.DragAllowed);
    QVERIFY(!w.state.CarryingLabel);
    QCOMPARE(w.textColor(0), QColor(Qt::white));
}

void TestBoardWidgets::dragWithRealMoveEvents() {
    Window w;
    QVERIFY(QTest::qWaitForWindowExposed(&w.form));
    w.placeSymbol(12, QPoint(200, 100)); // "x"
    QTest::mouseClick(w.label(0), Qt::LeftButton, {}, QPoint(3, 3));
    QVERIFY(w.state.DragAllowed);
    const QSize size = w.label(0)->size();

    // Offset (40, 30) inside the label with the right button held: centred there.
    const double top = w.board->view().LabelTop(0);
    const double left = w.board->view().LabelLeft(0);
    sendMove(w.label(0), QPoint(40, 30), Qt::RightButton);
    QCOMPARE(w.board->view().LabelTop(0), top + 450 - Workspace::half(PxToTwips(size.height())));
    QCOMPARE(w.board->view().LabelLeft(0), left + 600 - Workspace::half(PxToTwips(size.width())));

    const QPoint before = w.label(0)->pos();
    sendMove(w.label(0), QPoint(40, 30), Qt::NoButton);
    QCOMPARE(w.label(0)->pos(), before);
}

void TestBoardWidgets::pressOnBoardDropsWithoutDragging() {
    Window w;
    QVERIFY(QTest::qWaitForWindowExposed(&w.form));
    QTest::mouseClick(w.ui.Command2[0], Qt::LeftButton);
    QTest::mouseMove(w.ui.Picture2, QPoint(50, 50));
    // Moving there first would bring the carried label along under the pointer.
    sendButton(w.ui.Picture2, QEvent::MouseButtonPress, QPoint(400, 250), Qt::LeftButton);
    sendButton(w.ui.Picture2, QEvent::MouseButtonRelease, QPoint(400, 250), Qt::LeftButton);
    QVERIFY(!w.state.CarryingLabel);
    QVERIFY(!w.state.DragAllowed);
    QCOMPARE(w.label(0)->pos(), QPoint(50, 50));

    QTest::mousePress(w.label(0), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(w.ui.Picture2, QPoint(300, 200));
    QTest::mouseRelease(w.ui.Picture2, Qt::LeftButton, {}, QPoint(300, 200));
    QCOMPARE(w.label(0)->pos(), QPoint(50, 50));
    // The release outside the label was no click: dragging is still not allowed.
    QVERIFY(!w.state.DragAllowed);
}

void TestBoardWidgets::barDrawnOnBoard() {
    Window w;
    QVERIFY(QTest::qWaitForWindowExposed(&w.form));
    w.state.PenRed = 0;
    w.state.PenGreen = 0;
    w.state.PenBlue = 255;
    QTest::mouseClick(w.ui.Command4, Qt::LeftButton);
    QVERIFY(w.state.BarMode);
    QCOMPARE(w.ui.Picture3.size(), size_t(1));

    QTest::mousePress(w.ui.Picture2, Qt::LeftButton, {}, QPoint(200, 150));
    QVERIFY(w.bar(0)->isVisible());
    QCOMPARE(w.bar(0)->pos(), QPoint(200, 150));
    QCOMPARE(w.bar(0)->size(), QSize(177, 9));        // as laid out, until the first stretch
    QTest::mouseMove(w.ui.Picture2, QPoint(120, 40)); // left of the start, and higher
    QCOMPARE(w.bar(0)->geometry(), QRect(120, 150, 80, 9));
    QCOMPARE(w.barColor(0), QColor(0, 0, 255));
    QTest::mouseMove(w.ui.Picture2, QPoint(330, 160));
    QTest::mouseRelease(w.ui.Picture2, Qt::LeftButton, {}, QPoint(330, 160));
    QCOMPARE(w.bar(0)->geometry(), QRect(200, 150, 130, 9));
    QCOMPARE(w.board->view().BarWidth(0), 1950.0);
    QVERIFY(!w.state.BarMode);

    // The second bar is a new element; a press and release on one spot leaves it 0 wide.
    QTest::mouseClick(w.ui.Command4, Qt::LeftButton);
    QCOMPARE(w.ui.Picture3.size(), size_t(2));
    QVERIFY(w.bar(1)->isHidden());
    QTest::mouseClick(w.ui.Picture2, Qt::LeftButton, {}, QPoint(60, 260));
    QVERIFY(w.bar(1)->isVisible());
    QCOMPARE(w.bar(1)->pos(), QPoint(60, 260));
    QCOMPARE(w.bar(1)->width(), 0);
    QVERIFY(!w.state.BarMode);
}

void TestBoardWidgets::barMovesCentred() {
    Window w;
    QVERIFY(QTest::qWaitForWindowExposed(&w.form));
    QTest::mouseClick(w.ui.Command4, Qt::LeftButton);
    QTest::mousePress(w.ui.Picture2, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(w.ui.Picture2, QPoint(200, 100));
    QTest::mouseRelease(w.ui.Picture2, Qt::LeftButton, {}, QPoint(200, 100));
    w.state.PenGreen = 0;

    QTest::mouseMove(w.ui.Picture2, QPoint(150, 104)); // over the bar, no button
    QCOMPARE(w.bar(0)->pos(), QPoint(100, 100));
    QTest::mousePress(w.ui.Picture2, Qt::LeftButton, {}, QPoint(150, 104));
    QTest::mouseMove(w.ui.Picture2, QPoint(300, 200));
    // Centred with half(1500) = 750 and half(135) = 67 twips.
    QCOMPARE(w.board->view().BarLeft(0), 4500.0 - 750);
    QCOMPARE(w.board->view().BarTop(0), 3000.0 - 67);
    QCOMPARE(w.barColor(0), QColor(255, 0, 255));
    QTest::mouseRelease(w.ui.Picture2, Qt::LeftButton, {}, QPoint(300, 200));
}

void TestBoardWidgets::paletteRedThenDraggedLabelTurnsRed() {
    Window w;
    QVERIFY(QTest::qWaitForWindowExposed(&w.form));
    QCOMPARE(w.state.PenRed, 255);
    w.placeSymbol(1, QPoint(150, 80));
    QTest::mouseClick(w.label(0), Qt::LeftButton, {}, QPoint(4, 4));

    // Swatch 2, #FF0000, fills columns 38 to 49 of rows 3 to 14.
    QCOMPARE(w.ui.Picture4->ColorAt(QPoint(43, 9)), QColor(0xFF, 0, 0));
    QTest::mouseClick(w.ui.Picture4, Qt::LeftButton, {}, QPoint(43, 9));
    QCOMPARE(w.state.PenRed, 255);
    QCOMPARE(w.state.PenGreen, 0);
    QCOMPARE(w.state.PenBlue, 0);
    QCOMPARE(w.textColor(0), QColor(Qt::white)); // nothing changes until it moves

    QTest::mousePress(w.label(0), Qt::LeftButton, {}, QPoint(4, 4));
    QTest::mouseMove(w.ui.Picture2, QPoint(250, 120));
    QTest::mouseRelease(w.ui.Picture2, Qt::LeftButton, {}, QPoint(250, 120));
    QCOMPARE(w.textColor(0), QColor(0xFF, 0, 0));

    // Another swatch, #336633 (swatch 20), with the right button.
    QTest::mouseClick(w.ui.Picture4, Qt::RightButton, {}, QPoint(6 + 16 * 20 + 5, 10));
    QCOMPARE(QColor(w.state.PenRed, w.state.PenGreen, w.state.PenBlue), QColor(0x33, 0x66, 0x33));
}

void TestBoardWidgets::palettePixels_data() {
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("swatch 0 #FFFFFF") << QPoint(8, 5) << QColor(0xFF, 0xFF, 0xFF);
    QTest::newRow("swatch 4 #00FF00") << QPoint(6 + 64 + 11, 14) << QColor(0x00, 0xFF, 0x00);
    QTest::newRow("swatch 22 #000000") << QPoint(6 + 16 * 22, 3) << QColor(0x00, 0x00, 0x00);
    QTest::newRow("swatch 31 #004040") << QPoint(6 + 16 * 31 + 6, 9) << QColor(0x00, 0x40, 0x40);
    QTest::newRow("bevel, black column") << QPoint(37, 8) << QColor(0x00, 0x00, 0x00);
    QTest::newRow("bevel, grey column") << QPoint(35, 8) << QColor(0x80, 0x80, 0x80);
    QTest::newRow("grey row above") << QPoint(43, 1) << QColor(0xC0, 0xC0, 0xC0);
}

void TestBoardWidgets::palettePixels() {
    QFETCH(QPoint, at);
    QFETCH(QColor, expected);
    Window w;
    QVERIFY(QTest::qWaitForWindowExposed(&w.form));
    w.state.PenRed = w.state.PenGreen = w.state.PenBlue = 17;
    QTest::mousePress(w.ui.Picture4, Qt::LeftButton, {}, at);
    QTest::mouseRelease(w.ui.Picture4, Qt::LeftButton, {}, at);
    QCOMPARE(QColor(w.state.PenRed, w.state.PenGreen, w.state.PenBlue), expected);
}

void TestBoardWidgets::doubleClickAppendsToAnswer() {
    Window w;
    QVERIFY(QTest::qWaitForWindowExposed(&w.form));
    w.ui.Text2->setText("3");
    const int keys[] = {9, 0, 14, 3}; // "1", "2", ",", "5"
    for (int n = 0; n < 4; ++n)
        w.placeSymbol(keys[n], QPoint(40 + 90 * n, 60));
    QTest::mouseClick(w.ui.Command2[15], Qt::LeftButton); // "=", carried
    QTest::mouseMove(w.ui.Picture2, QPoint(400, 200));
    QTest::mouseClick(w.ui.Command4, Qt::LeftButton); // bar mode: double clicks still copy
    for (int n = 0; n < 4; ++n)
        QTest::mouseDClick(w.label(n), Qt::LeftButton, {}, QPoint(5, 10));
    QCOMPARE(w.ui.Text2->text(), QString("312,5"));
    QVERIFY(w.state.BarMode);
    // The clicks of the double clicks were ignored: "=" is still carried, nothing moved.
    QVERIFY(w.state.CarryingLabel);
    QVERIFY(!w.state.DragAllowed);
    QCOMPARE(w.label(4)->pos(), QPoint(400, 200));
    QCOMPARE(w.label(0)->pos(), QPoint(40, 60));

    // Out of bar mode the click of a double click runs first: it drops and allows dragging.
    QTest::mouseClick(w.ui.Command2[10], Qt::LeftButton); // "+" ends bar mode, carries
    QTest::mouseDClick(w.label(4), Qt::LeftButton, {}, QPoint(3, 3));
    QCOMPARE(w.ui.Text2->text(), QString("312,5="));
    QVERIFY(!w.state.BarMode);
    QVERIFY(!w.state.CarryingLabel);
    QVERIFY(w.state.DragAllowed);
}

void TestBoardWidgets::sizeButtonKeepsTopLeft() {
    Window w;
    QVERIFY(QTest::qWaitForWindowExposed(&w.form));
    w.placeSymbol(8, QPoint(70, 40));
    w.placeSymbol(10, QPoint(170, 40));
    const QSize before = w.label(1)->size();
    QTest::mouseClick(w.ui.Command3, Qt::LeftButton);
    for (int i = 0; i <= 1; ++i) {
        QCOMPARE(w.label(i)->font().pointSizeF(), 40.0);
        QCOMPARE(w.label(i)->size(), w.label(i)->sizeHint());
    }
    QVERIFY(w.label(1)->height() > before.height());
    QCOMPARE(w.label(0)->pos(), QPoint(70, 40));
    QCOMPARE(w.label(1)->pos(), QPoint(170, 40));
    QFont font = w.label(0)->font();
    font.setPointSizeF(58);
    w.label(0)->setFont(font);
    QTest::mouseClick(w.ui.Command3, Qt::LeftButton);
    QCOMPARE(w.label(1)->font().pointSizeF(), 18.0);
    QVERIFY(w.label(1)->height() < before.height());
}

void TestBoardWidgets::clearBoardOnWidgets() {
    Window w;
    QVERIFY(QTest::qWaitForWindowExposed(&w.form));
    for (int n = 0; n < 4; ++n)
        w.placeSymbol(n, QPoint(30 + 60 * n, 30));
    for (int n = 0; n < 3; ++n) {
        QTest::mouseClick(w.ui.Command4, Qt::LeftButton);
        QTest::mousePress(w.ui.Picture2, Qt::LeftButton, {}, QPoint(30, 150 + 20 * n));
        QTest::mouseMove(w.ui.Picture2, QPoint(200, 150 + 20 * n));
        QTest::mouseRelease(w.ui.Picture2, Qt::LeftButton, {}, QPoint(200, 150 + 20 * n));
    }
    QCOMPARE(w.state.LastLabel, 3);
    QCOMPARE(w.state.LastBar, 2);
    QPointer<QLabel> gone = w.label(3);

    w.board->ClearBoard();
    QCOMPARE(w.ui.Label1.size(), size_t(1));
    QCOMPARE(w.ui.Picture3.size(), size_t(1));
    QVERIFY(w.label(0)->isHidden());
    QVERIFY(w.bar(0)->isHidden());
    QCOMPARE(w.state.LastLabel, 0);
    QCOMPARE(w.state.LastBar, 0);
    QVERIFY(w.state.FirstLabelUsed);
    QVERIFY(w.state.FirstBarUsed);
    QVERIFY(gone.isNull());
    QVERIFY(w.ui.Picture2->updatesEnabled()); // held back only while clearing
    int labelsLeft = 0;
    for (const QLabel* child : w.ui.Picture2->findChildren<QLabel*>())
        labelsLeft += child->objectName().startsWith("Label1(") ? 1 : 0;
    QCOMPARE(labelsLeft, 1);
    QCOMPARE(w.ui.Picture2->findChildren<QFrame*>(QRegularExpression("^Picture3")).size(), 1);

    // Nothing of the cleared elements is left on the board to take the pointer.
    QTest::mouseMove(w.ui.Picture2, QPoint(60, 40));
    QTest::mouseClick(w.ui.Command2[4], Qt::LeftButton); // "6": a new element 1
    QCOMPARE(w.state.LastLabel, 1);
    QTest::mouseMove(w.ui.Picture2, QPoint(90, 45));
    QVERIFY(w.label(1)->isVisible());
    QVERIFY(w.label(0)->isHidden());
    QTest::mouseClick(w.label(1), Qt::LeftButton, {}, QPoint(2, 2)); // the new label's events arrive
    QVERIFY(w.state.DragAllowed);
}

QTEST_MAIN(TestBoardWidgets)
#include "tst_board_widgets.moc"
