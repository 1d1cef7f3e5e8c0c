// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Cue.h"
#include "exercise/BoardView.h"
#include "exercise/Workspace.h"
#include "problems/ExerciseState.h"

#include <QtTest>

#include <map>

namespace {

// A board in memory. Labels are always 400 x 840 twips, bars start as the layout's element 0.
class FakeBoard : public BoardView {
public:
    struct Label {
        QString text = "Label1";
        QColor color = Qt::white;
        double left = 360, top = 720, fontSize = 36;
        bool visible = false;
    };
    struct Bar {
        QColor color = QColor(0xFF, 0xFF, 0xFF);
        double left = 720, top = 2280, width = 2655;
        bool visible = false;
    };

    std::map<int, Label> labels{{0, Label{}}};
    std::map<int, Bar> bars{{0, Bar{}}};
    QString answer;
    QColor palette = QColor(0xC0, 0xC0, 0xC0);
    double paletteX = -1, paletteY = -1;
    int repaints = 0;

    void CreateLabel(int i) override {
        QVERIFY2(!labels.count(i), "label created twice");
        labels[i] = labels.at(0);
        labels[i].visible = false;
    }
    void DestroyLabel(int i) override { QCOMPARE(labels.erase(i), size_t(1)); }
    void SetLabelText(int i, const QString& text) override { labels.at(i).text = text; }
    QString LabelText(int i) const override { return labels.at(i).text; }
    void SetLabelColor(int i, const QColor& color) override { labels.at(i).color = color; }
    QColor LabelColor(int i) const override { return labels.at(i).color; }
    double LabelLeft(int i) const override { return labels.at(i).left; }
    void SetLabelLeft(int i, double left) override { labels.at(i).left = left; }
    double LabelTop(int i) const override { return labels.at(i).top; }
    void SetLabelTop(int i, double top) override { labels.at(i).top = top; }
    double LabelWidth(int i) const override { return labels.count(i) ? 400 : 0; }
    double LabelHeight(int i) const override { return labels.count(i) ? 840 : 0; }
    void SetLabelVisible(int i, bool visible) override { labels.at(i).visible = visible; }
    bool LabelVisible(int i) const override { return labels.at(i).visible; }
    void SetLabelFontSize(int i, double points) override { labels.at(i).fontSize = points; }
    double LabelFontSize(int i) const override { return labels.at(i).fontSize; }
    void RepaintBoard() override { ++repaints; }
    QString AnswerText() const override { return answer; }
    void SetAnswerText(const QString& text) override { answer = text; }
    QString KeyCaption(int index) const override {
        static const char* captions[16] = {"2", "3", "4", "5", "6", "7", "8", "9",
                                           "0", "1", "+", "-", "x", ":", ",", "="};
        return QString::fromLatin1(captions[index]);
    }
    void CreateBar(int i) override {
        QVERIFY2(!bars.count(i), "bar created twice");
        bars[i] = bars.at(0);
        bars[i].visible = false;
    }
    void DestroyBar(int i) override { QCOMPARE(bars.erase(i), size_t(1)); }
    void SetBarVisible(int i, bool visible) override { bars.at(i).visible = visible; }
    bool BarVisible(int i) const override { return bars.at(i).visible; }
    double BarLeft(int i) const override { return bars.at(i).left; }
    void SetBarLeft(int i, double left) override { bars.at(i).left = left; }
    double BarTop(int i) const override { return bars.at(i).top; }
    void SetBarTop(int i, double top) override { bars.at(i).top = top; }
    double BarWidth(int i) const override { return bars.at(i).width; }
    void SetBarWidth(int i, double width) override { bars.at(i).width = width; }
    double BarHeight(int i) const override { return bars.count(i) ? 135 : 0; }
    void SetBarColor(int i, const QColor& color) override { bars.at(i).color = color; }
    QColor BarColor(int i) const override { return bars.at(i).color; }
    QColor PaletteColorAt(double x, double y) const override {
        const_cast<FakeBoard*>(this)->paletteX = x;
        const_cast<FakeBoard*>(this)->paletteY = y;
        return palette;
    }
};

struct Fixture {
    ExerciseState state;
    FakeBoard board;
    Workspace ws{state, board};
    QStringList cues;
    Fixture() {
        SetCueObserver([this](QStringView cue) { cues << cue.toString(); });
    }
    ~Fixture() { SetCueObserver({}); }
};

enum Step {
    Keypad,        // Command2(0), caption "2"
    BarButton,     // Command4
    LabelClick,    // Label1_Click(0)
    BoardPress,    // Picture2_MouseDown at (500, 600)
    BoardRelease,  // Picture2_MouseUp at (500, 600)
    BoardMove,     // Picture2_MouseMove at (2000, 1000), no button
    LabelMoveFree, // Label1_MouseMove(0) at offset (300, 500), no button
    LabelMoveHeld, // Label1_MouseMove(0) at offset (300, 500), left button
};

void apply(Workspace& ws, Step step) {
    switch (step) {
    case Keypad:
        ws.Command2_Click(0);
        break;
    case BarButton:
        ws.Command4_Click();
        break;
    case LabelClick:
        ws.Label1_Click(0);
        break;
    case BoardPress:
        ws.Picture2_MouseDown(1, 0, 500, 600);
        break;
    case BoardRelease:
        ws.Picture2_MouseUp(1, 0, 500, 600);
        break;
    case BoardMove:
        ws.Picture2_MouseMove(0, 0, 2000, 1000);
        break;
    case LabelMoveFree:
        ws.Label1_MouseMove(0, 0, 0, 300, 500);
        break;
    case LabelMoveHeld:
        ws.Label1_MouseMove(0, 1, 0, 300, 500);
        break;
    }
}

} // namespace

Q_DECLARE_METATYPE(QList<int>)

class TestWorkspace : public QObject {
    Q_OBJECT

private slots:
    void half_data();
    void half();
    void tracedSequence();
    void elementZeroAcrossClears_data();
    void elementZeroAcrossClears();
    void gestureStates_data();
    void gestureStates();
    void keypadWhileCarryingLeavesTheOldLabel();
    void newLabelKeepsElementZeroColourUntilMovedOverALabel();
    void carriedLabelFollowsOtherLabelsOffsets();
    void sizeSteps_data();
    void sizeSteps();
    void sizeAppliesToHiddenLabelsAndLaterCopies();
    void barArming();
    void barStretchLeftAndBack();
    void barReleaseAtStartHasWidthZero();
    void armedBarIgnoresMovesWithoutButton();
    void barsMoveCentred_data();
    void barsMoveCentred();
    void paletteThenDraggedLabelTurnsRed();
    void keypadEndsBarMode();
    void doubleClickAppendsEvenInBarMode();
    void clearBoardLeavesElementsZero();
    void cues();
};

void TestWorkspace::half_data() {
    QTest::addColumn<double>("s");
    QTest::addColumn<int>("expected");
    QTest::newRow("841") << 841.0 << 420;
    QTest::newRow("840.5 to even 840") << 840.5 << 420;
    QTest::newRow("841.5 to even 842") << 841.5 << 421;
    QTest::newRow("839") << 839.0 << 419;
    QTest::newRow("840") << 840.0 << 420;
    QTest::newRow("bar height 135") << 135.0 << 67;
    QTest::newRow("0.5 to 0") << 0.5 << 0;
    QTest::newRow("1.5 to 2") << 1.5 << 1;
    QTest::newRow("400.4") << 400.4 << 200;
}

void TestWorkspace::half() {
    QFETCH(double, s);
    QFETCH(int, expected);
    QCOMPARE(Workspace::half(s), expected);
}

void TestWorkspace::tracedSequence() {
    Fixture f;
    f.ws.Command2_Click(0); // caption "2"
    QCOMPARE(f.board.labels.at(0).text, QString("2"));
    QVERIFY(f.state.CarryingLabel);
    QVERIFY(!f.state.DragAllowed);
    QVERIFY(!f.board.labels.at(0).visible);
    QCOMPARE(f.state.LastLabel, 0);

    f.ws.Picture2_MouseMove(0, 0, 1000, 500);
    QVERIFY(f.board.labels.at(0).visible);
    QCOMPARE(f.board.labels.at(0).left, 1000.0);
    QCOMPARE(f.board.labels.at(0).top, 500.0);

    f.ws.Label1_MouseMove(0, 0, 0, 30, 40);
    QCOMPARE(f.board.labels.at(0).top, 120.0);
    QCOMPARE(f.board.labels.at(0).left, 830.0);

    f.ws.Label1_Click(0);
    QVERIFY(!f.state.CarryingLabel);
    QVERIFY(f.state.DragAllowed);
    QCOMPARE(f.board.labels.at(0).left, 830.0);
    QCOMPARE(f.board.labels.at(0).top, 120.0);

    // Fractions are kept.
    f.ws.Label1_MouseMove(0, 1, 0, 200.25, 420.5);
    QCOMPARE(f.board.labels.at(0).left, 830.25);
    QCOMPARE(f.board.labels.at(0).top, 120.5);
}

void TestWorkspace::elementZeroAcrossClears_data() {
    QTest::addColumn<QList<int>>("script"); // -1 clear, k keypad index
    QTest::addColumn<int>("lastLabel");
    QTest::addColumn<QList<int>>("existing");
    QTest::addColumn<QString>("newestText");
    QTest::newRow("first press fills 0") << QList<int>{0} << 0 << QList<int>{0} << "2";
    QTest::newRow("second press creates 1") << QList<int>{0, 1} << 1 << QList<int>{0, 1} << "3";
    QTest::newRow("clear before any symbol") << QList<int>{-1, 9} << 0 << QList<int>{0} << "1";
    QTest::newRow("clear after a symbol") << QList<int>{9, -1, 10} << 1 << QList<int>{0, 1} << "+";
    QTest::newRow("two clears, three presses")
        << QList<int>{0, 1, -1, 2, -1, 3, 4} << 2 << QList<int>{0, 1, 2} << "6";
}

void TestWorkspace::elementZeroAcrossClears() {
    QFETCH(QList<int>, script);
    QFETCH(int, lastLabel);
    QFETCH(QList<int>, existing);
    QFETCH(QString, newestText);
    Fixture f;
    bool cleared = false;
    for (int step : script) {
        if (step < 0) {
            f.ws.ClearBoard();
            cleared = cleared || f.state.FirstLabelUsed;
        } else {
            f.ws.Command2_Click(step);
            f.ws.Picture2_MouseMove(0, 0, 100, 100); // shows the carried label
        }
    }
    QCOMPARE(f.state.LastLabel, lastLabel);
    QList<int> have;
    for (const auto& [i, label] : f.board.labels)
        have << i;
    QCOMPARE(have, existing);
    QCOMPARE(f.board.labels.at(lastLabel).text, newestText);
    QVERIFY(f.state.FirstLabelUsed);
    // Once element 0 has served and been cleared, it is never shown again.
    if (cleared)
        QVERIFY(!f.board.labels.at(0).visible);
}

// One gesture from a given state: (CarryingLabel, DragAllowed, BarMode) before and after, and
// where label 0 (the carried label, placed at 1000, 2000) ends up.
void TestWorkspace::gestureStates_data() {
    QTest::addColumn<bool>("carrying");
    QTest::addColumn<bool>("drag");
    QTest::addColumn<bool>("barMode");
    QTest::addColumn<int>("step");
    QTest::addColumn<bool>("carryingAfter");
    QTest::addColumn<bool>("dragAfter");
    QTest::addColumn<bool>("barModeAfter");
    QTest::addColumn<QPointF>("labelAt"); // left, top

    const QPointF stay(1000, 2000);
    const QPointF centred(1000 + 300 - 200, 2000 + 500 - 420);
    const QPointF atPointer(2000, 1000);
    // clang-format off
    QTest::newRow("locked: label click frees")      << false << false << false << int(LabelClick)    << false << true  << false << stay;
    QTest::newRow("locked: board move nothing")     << false << false << false << int(BoardMove)     << false << false << false << stay;
    QTest::newRow("locked: held label move nothing")<< false << false << false << int(LabelMoveHeld) << false << false << false << stay;
    QTest::newRow("locked: board press nothing")    << false << false << false << int(BoardPress)    << false << false << false << stay;
    QTest::newRow("carrying: board move places")    << true  << false << false << int(BoardMove)     << true  << false << false << atPointer;
    QTest::newRow("carrying: label move centres")   << true  << false << false << int(LabelMoveFree) << true  << false << false << centred;
    QTest::newRow("carrying: label click drops")    << true  << false << false << int(LabelClick)    << false << true  << false << stay;
    QTest::newRow("carrying: board press locks")    << true  << false << false << int(BoardPress)    << false << false << false << stay;
    QTest::newRow("free: held label move drags")    << false << true  << false << int(LabelMoveHeld) << false << true  << false << centred;
    QTest::newRow("free: bare label move nothing")  << false << true  << false << int(LabelMoveFree) << false << true  << false << stay;
    QTest::newRow("free: board move nothing")       << false << true  << false << int(BoardMove)     << false << true  << false << stay;
    QTest::newRow("free: board press stays free")   << false << true  << false << int(BoardPress)    << false << true  << false << stay;
    QTest::newRow("free: keypad carries")           << false << true  << false << int(Keypad)        << true  << false << false << stay;
    QTest::newRow("bar: label click ignored")       << true  << false << true  << int(LabelClick)    << true  << false << true  << stay;
    QTest::newRow("bar: carried label not centred") << true  << false << true  << int(LabelMoveFree) << true  << false << true  << stay;
    QTest::newRow("bar: no drag")                   << false << true  << true  << int(LabelMoveHeld) << false << true  << true  << stay;
    QTest::newRow("bar: board move no carry")       << true  << false << true  << int(BoardMove)     << true  << false << true  << stay;
    QTest::newRow("bar: press drops, stays armed")  << true  << false << true  << int(BoardPress)    << false << false << true  << stay;
    QTest::newRow("bar: release ends bar mode")     << false << true  << true  << int(BoardRelease)  << false << true  << false << stay;
    QTest::newRow("bar: keypad ends bar mode")      << false << true  << true  << int(Keypad)        << true  << false << false << stay;
    QTest::newRow("arming keeps label flags")       << true  << false << false << int(BarButton)     << true  << false << true  << stay;
    // clang-format on
}

void TestWorkspace::gestureStates() {
    QFETCH(bool, carrying);
    QFETCH(bool, drag);
    QFETCH(bool, barMode);
    QFETCH(int, step);
    QFETCH(bool, carryingAfter);
    QFETCH(bool, dragAfter);
    QFETCH(bool, barModeAfter);
    QFETCH(QPointF, labelAt);

    Fixture f;
    f.state.FirstLabelUsed = true;
    f.state.FirstBarUsed = barMode;
    f.board.labels.at(0).left = 1000;
    f.board.labels.at(0).top = 2000;
    f.state.CarryingLabel = carrying;
    f.state.DragAllowed = drag;
    f.state.BarMode = barMode;

    apply(f.ws, Step(step));

    QCOMPARE(f.state.CarryingLabel, carryingAfter);
    QCOMPARE(f.state.DragAllowed, dragAfter);
    QCOMPARE(f.state.BarMode, barModeAfter);
    QCOMPARE(QPointF(f.board.labels.at(0).left, f.board.labels.at(0).top), labelAt);
}

void TestWorkspace::keypadWhileCarryingLeavesTheOldLabel() {
    Fixture f;
    f.ws.Command2_Click(0);
    f.ws.Picture2_MouseMove(0, 0, 1500, 900);
    f.ws.Command2_Click(1);
    QCOMPARE(f.state.LastLabel, 1);
    f.ws.Picture2_MouseMove(0, 0, 3000, 2000);
    QVERIFY(f.board.labels.at(0).visible);
    QCOMPARE(f.board.labels.at(0).left, 1500.0);
    QCOMPARE(f.board.labels.at(0).top, 900.0);
    QCOMPARE(f.board.labels.at(1).left, 3000.0);
    QCOMPARE(f.board.labels.at(1).top, 2000.0);
    QCOMPARE(f.board.labels.at(1).text, QString("3"));
}

void TestWorkspace::newLabelKeepsElementZeroColourUntilMovedOverALabel() {
    Fixture f;
    f.state.PenRed = 0;
    f.state.PenGreen = 255;
    f.state.PenBlue = 0;
    f.ws.Command2_Click(0);
    f.ws.Picture2_MouseMove(0, 0, 1000, 1000);
    QCOMPARE(f.board.labels.at(0).color, QColor(Qt::white));
    f.ws.Label1_MouseMove(0, 0, 0, 200, 420);
    QCOMPARE(f.board.labels.at(0).color, QColor(0, 255, 0));
    // Element 0's current colour is what the next label starts with.
    f.ws.Label1_Click(0);
    f.ws.Command2_Click(1);
    QCOMPARE(f.board.labels.at(1).color, QColor(0, 255, 0));
}

// While carrying, the offset reported by another label moves the carried one.
void TestWorkspace::carriedLabelFollowsOtherLabelsOffsets() {
    Fixture f;
    f.ws.Command2_Click(0);
    f.ws.Picture2_MouseMove(0, 0, 5000, 3000);
    f.ws.Label1_Click(0);
    f.ws.Command2_Click(1);
    f.ws.Picture2_MouseMove(0, 0, 1000, 1000);
    f.ws.Label1_MouseMove(0, 0, 0, 10, 20);
    QCOMPARE(f.board.labels.at(0).left, 5000.0);
    QCOMPARE(f.board.labels.at(0).top, 3000.0);
    QCOMPARE(f.board.labels.at(1).left, 1000.0 + 10 - 200);
    QCOMPARE(f.board.labels.at(1).top, 1000.0 + 20 - 420);
}

void TestWorkspace::sizeSteps_data() {
    QTest::addColumn<double>("from");
    QTest::addColumn<double>("to");
    QTest::newRow("36 to 40") << 36.0 << 40.0;
    QTest::newRow("56 to 60") << 56.0 << 60.0;
    QTest::newRow("60 to 18") << 60.0 << 18.0;
    QTest::newRow("58 to 18") << 58.0 << 18.0;
    QTest::newRow("18 to 22") << 18.0 << 22.0;
    QTest::newRow("realised 39.75 to 43.75") << 39.75 << 43.75;
}

void TestWorkspace::sizeSteps() {
    QFETCH(double, from);
    QFETCH(double, to);
    Fixture f;
    f.board.labels.at(0).fontSize = from;
    f.ws.Command3_Click();
    QCOMPARE(f.board.labels.at(0).fontSize, to);
    QCOMPARE(f.board.repaints, 1);
}

void TestWorkspace::sizeAppliesToHiddenLabelsAndLaterCopies() {
    Fixture f;
    f.ws.Command2_Click(0);
    f.ws.Command2_Click(1);
    f.ws.Command2_Click(2); // labels 0..2, all still hidden
    f.board.labels.at(1).fontSize = 12;
    f.ws.Command3_Click();
    for (int i = 0; i <= 2; ++i)
        QCOMPARE(f.board.labels.at(i).fontSize, 40.0);
    // The full cycle from 36: 40, 44, ..., 60, then 18.
    QList<double> seen;
    for (int n = 0; n < 6; ++n) {
        f.ws.Command3_Click();
        seen << f.board.labels.at(0).fontSize;
    }
    QCOMPARE(seen, (QList<double>{44, 48, 52, 56, 60, 18}));
    f.ws.Command2_Click(3);
    QCOMPARE(f.board.labels.at(3).fontSize, 18.0);
}

void TestWorkspace::barArming() {
    Fixture f;
    f.ws.Command4_Click();
    QVERIFY(f.state.FirstBarUsed);
    QVERIFY(f.state.BarMode);
    QCOMPARE(f.state.LastBar, 0);
    QCOMPARE(f.board.bars.size(), size_t(1));

    f.ws.Command4_Click(); // already armed: the same bar
    QCOMPARE(f.state.LastBar, 0);
    QCOMPARE(f.board.bars.size(), size_t(1));

    f.ws.Picture2_MouseDown(1, 0, 300, 400);
    QVERIFY(f.board.bars.at(0).visible);
    QCOMPARE(f.board.bars.at(0).left, 300.0);
    QCOMPARE(f.board.bars.at(0).top, 400.0);
    QCOMPARE(f.board.bars.at(0).width, 2655.0); // as created until the first stretch
    f.ws.Picture2_MouseUp(1, 0, 900, 700);
    QVERIFY(!f.state.BarMode);

    f.ws.Command4_Click();
    f.ws.Command4_Click();
    QCOMPARE(f.state.LastBar, 1);
    QCOMPARE(f.board.bars.size(), size_t(2));
    QVERIFY(!f.board.bars.at(1).visible);
    // A copy of element 0 as it now stands.
    QCOMPARE(f.board.bars.at(1).width, 600.0);
    QCOMPARE(f.board.bars.at(1).left, 300.0);

    // After a clear the armed bar is element 0 again; the next arming creates element 1.
    f.ws.ClearBoard();
    f.ws.Picture2_MouseDown(1, 0, 100, 100);
    QVERIFY(f.board.bars.at(0).visible);
    f.ws.Picture2_MouseUp(1, 0, 200, 100);
    f.ws.Command4_Click();
    QCOMPARE(f.state.LastBar, 1);
    QVERIFY(f.board.bars.count(1));
}

void TestWorkspace::barStretchLeftAndBack() {
    Fixture f;
    f.state.PenRed = 0;
    f.state.PenGreen = 0;
    f.state.PenBlue = 255;
    f.ws.Command4_Click();
    f.ws.Picture2_MouseDown(1, 0, 2000, 1500);
    QCOMPARE(f.board.bars.at(0).color, QColor(0xFF, 0xFF, 0xFF));

    f.ws.Picture2_MouseMove(1, 0, 1200.5, 3000);
    QCOMPARE(f.board.bars.at(0).color, QColor(0, 0, 255));
    QCOMPARE(f.board.bars.at(0).left, 1200.5);
    QCOMPARE(f.board.bars.at(0).width, 799.5);
    QCOMPARE(f.board.bars.at(0).top, 1500.0); // the height of the pointer plays no part

    f.ws.Picture2_MouseMove(2, 0, 2600, 100);
    QCOMPARE(f.board.bars.at(0).left, 2000.0);
    QCOMPARE(f.board.bars.at(0).width, 600.0);

    f.state.PenRed = 255; // the release does not recolour
    f.ws.Picture2_MouseUp(1, 0, 2900, 50);
    QCOMPARE(f.board.bars.at(0).left, 2000.0);
    QCOMPARE(f.board.bars.at(0).width, 900.0);
    QCOMPARE(f.board.bars.at(0).top, 1500.0);
    QCOMPARE(f.board.bars.at(0).color, QColor(0, 0, 255));
    QVERIFY(!f.state.BarMode);
}

void TestWorkspace::barReleaseAtStartHasWidthZero() {
    Fixture f;
    f.ws.Command4_Click();
    f.ws.Picture2_MouseDown(1, 0, 700, 800);
    f.ws.Picture2_MouseUp(1, 0, 700, 800);
    QCOMPARE(f.board.bars.at(0).width, 0.0);
    QCOMPARE(f.board.bars.at(0).left, 700.0);
    QVERIFY(!f.state.BarMode);
    // Released, the board no longer draws: a further press or release leaves the bar alone.
    f.ws.Picture2_MouseDown(1, 0, 100, 100);
    f.ws.Picture2_MouseUp(1, 0, 3000, 100);
    QCOMPARE(f.board.bars.at(0).left, 700.0);
    QCOMPARE(f.board.bars.at(0).width, 0.0);
}

void TestWorkspace::armedBarIgnoresMovesWithoutButton() {
    Fixture f;
    f.state.PenRed = 0;
    f.ws.Command4_Click();
    f.ws.Picture2_MouseDown(1, 0, 1000, 1000);
    f.ws.Picture2_MouseMove(0, 0, 3000, 2000);
    QCOMPARE(f.board.bars.at(0).left, 1000.0);
    QCOMPARE(f.board.bars.at(0).width, 2655.0);
    QCOMPARE(f.board.bars.at(0).color, QColor(0xFF, 0xFF, 0xFF));
}

void TestWorkspace::barsMoveCentred_data() {
    QTest::addColumn<bool>("barMode");
    QTest::addColumn<int>("button");
    QTest::addColumn<QPointF>("barAt");
    QTest::addColumn<bool>("recoloured");
    // Bar 1 at (1000, 2000), width 900, height 135: offset (50, 10) gives
    // top 2000 + 10 - 67 and left 1000 + 50 - 450.
    QTest::newRow("left button") << false << 1 << QPointF(600, 1943) << true;
    QTest::newRow("middle button") << false << 4 << QPointF(600, 1943) << true;
    QTest::newRow("no button") << false << 0 << QPointF(1000, 2000) << false;
    QTest::newRow("bar mode") << true << 1 << QPointF(1000, 2000) << false;
}

void TestWorkspace::barsMoveCentred() {
    QFETCH(bool, barMode);
    QFETCH(int, button);
    QFETCH(QPointF, barAt);
    QFETCH(bool, recoloured);
    Fixture f;
    f.state.FirstBarUsed = true;
    f.state.LastBar = 1;
    f.board.bars[1] = FakeBoard::Bar{QColor(1, 2, 3), 1000, 2000, 900, true};
    f.state.BarMode = barMode;
    f.state.PenRed = 10;
    f.state.PenGreen = 20;
    f.state.PenBlue = 30;
    f.ws.Picture3_MouseMove(1, button, 0, 50, 10);
    QCOMPARE(QPointF(f.board.bars.at(1).left, f.board.bars.at(1).top), barAt);
    QCOMPARE(f.board.bars.at(1).color, recoloured ? QColor(10, 20, 30) : QColor(1, 2, 3));
    QCOMPARE(f.board.bars.at(1).width, 900.0);
}

void TestWorkspace::paletteThenDraggedLabelTurnsRed() {
    Fixture f;
    f.ws.Command2_Click(0);
    f.ws.Picture2_MouseMove(0, 0, 1000, 1000);
    f.ws.Label1_Click(0);
    f.board.palette = QColor(0xFF, 0x00, 0x00);
    f.ws.Picture4_MouseDown(2, 0, 495.5, 120);
    QCOMPARE(f.board.paletteX, 495.5);
    QCOMPARE(f.board.paletteY, 120.0);
    QCOMPARE(f.state.PenRed, 255);
    QCOMPARE(f.state.PenGreen, 0);
    QCOMPARE(f.state.PenBlue, 0);
    QCOMPARE(f.board.labels.at(0).color, QColor(Qt::white)); // nothing changes at once
    f.ws.Label1_MouseMove(0, 1, 0, 200, 420);
    QCOMPARE(f.board.labels.at(0).color, QColor(0xFF, 0, 0));

    f.board.palette = QColor(0x33, 0x66, 0x33);
    f.ws.Picture4_MouseDown(1, 0, 0, 0);
    QCOMPARE(f.state.PenRed, 0x33);
    QCOMPARE(f.state.PenGreen, 0x66);
    QCOMPARE(f.state.PenBlue, 0x33);
    QCOMPARE(f.ws.PenColor(), QColor(0x33, 0x66, 0x33));
}

void TestWorkspace::keypadEndsBarMode() {
    Fixture f;
    f.ws.Command4_Click(); // arms element 0
    f.ws.Command2_Click(0);
    QVERIFY(!f.state.BarMode);
    QVERIFY(!f.board.bars.at(0).visible); // the abandoned bar is left as it was
    // With bar mode off a press on the board neither places nor shows a bar.
    f.ws.Picture2_MouseDown(1, 0, 100, 100);
    QVERIFY(!f.board.bars.at(0).visible);
    QCOMPARE(f.board.bars.at(0).left, 720.0);
    // The next arming creates a new element, since element 0 counts as used.
    f.ws.Command4_Click();
    QCOMPARE(f.state.LastBar, 1);
}

void TestWorkspace::doubleClickAppendsEvenInBarMode() {
    Fixture f;
    f.board.answer = "7";
    for (int key : {9, 0, 14, 3}) { // "1", "2", ",", "5"
        f.ws.Command2_Click(key);
        f.ws.Picture2_MouseMove(0, 0, 500, 500);
        f.ws.Label1_Click(f.state.LastLabel);
    }
    f.ws.Command4_Click();
    for (int i = 0; i <= 3; ++i) {
        f.ws.Label1_Click(i);
        f.ws.Label1_DblClick(i);
    }
    QCOMPARE(f.board.answer, QString("712,5"));
    QVERIFY(f.state.BarMode);
}

void TestWorkspace::clearBoardLeavesElementsZero() {
    Fixture f;
    for (int n = 0; n < 4; ++n) {
        f.ws.Command2_Click(n);
        f.ws.Picture2_MouseMove(0, 0, 100.0 * n, 100);
    }
    for (int n = 0; n < 3; ++n) {
        f.ws.Command4_Click();
        f.ws.Picture2_MouseDown(1, 0, 100, 100.0 * n);
        f.ws.Picture2_MouseUp(1, 0, 900, 100.0 * n);
    }
    f.ws.Command2_Click(5);
    f.ws.Command4_Click();
    f.ws.Picture2_MouseDown(1, 0, 100, 100); // armed, placed and still in bar mode
    QCOMPARE(f.state.LastLabel, 4);
    QCOMPARE(f.state.LastBar, 3);
    f.board.answer = "12";

    f.ws.ClearBoard();

    QCOMPARE(f.board.labels.size(), size_t(1));
    QCOMPARE(f.board.bars.size(), size_t(1));
    QVERIFY(!f.board.labels.at(0).visible);
    QVERIFY(!f.board.bars.at(0).visible);
    QCOMPARE(f.state.LastLabel, 0);
    QCOMPARE(f.state.LastBar, 0);
    QVERIFY(f.state.FirstLabelUsed);
    QVERIFY(f.state.FirstBarUsed);
    QVERIFY(f.state.BarMode);
    QVERIFY(!f.state.CarryingLabel);
    QCOMPARE(f.board.answer, QString("12"));

    // A second clear has nothing left to remove.
    f.ws.ClearBoard();
    QCOMPARE(f.board.labels.size(), size_t(1));
}

void TestWorkspace::cues() {
    Fixture f;
    f.ws.Command2_Click(0);
    f.ws.Command3_Click();
    f.ws.Command4_Click();
    f.ws.Picture2_MouseDown(1, 0, 0, 0);
    f.ws.Label1_DblClick(0);
    f.ws.ClearBoard();
    QCOMPARE(f.cues,
             (QStringList{"\\sonidos\\num.WAV", "\\sonidos\\operacion.WAV", "\\sonidos\\operacion.WAV"}));
}

QTEST_GUILESS_MAIN(TestWorkspace)
#include "tst_workspace.moc"
