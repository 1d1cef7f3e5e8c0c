// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/AnimatedPicture.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Qt reads GIFs but cannot write them, so the test animations are put together byte by byte:
// one solid colour per frame (at most four frames), every frame with the same delay.
//   loopCount < 0: no NETSCAPE2.0 block (the file plays once);
//   loopCount = 0: NETSCAPE2.0 block asking for endless looping;
//   loopCount > 0: NETSCAPE2.0 block with that many repeats.
void PutWord(QByteArray& out, int value) {
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
}

// LZW data for `count` pixels of palette index `index`, minimum code size 2: 3-bit codes
// (0..3 colours, 4 clear, 5 end). A clear code before every pair of pixels keeps the decoder's
// table from outgrowing 3-bit codes, so no real compression is needed.
QByteArray PixelData(int index, int count) {
    constexpr int Clear = 4;
    constexpr int End = 5;
    QList<int> codes;
    for (int i = 0; i < count; ++i) {
        if (i % 2 == 0)
            codes.append(Clear);
        codes.append(index);
    }
    codes.append(End);

    QByteArray packed;
    quint32 buffer = 0;
    int bits = 0;
    for (int code : codes) {
        buffer |= quint32(code) << bits;
        bits += 3;
        while (bits >= 8) {
            packed.append(char(buffer & 0xFF));
            buffer >>= 8;
            bits -= 8;
        }
    }
    if (bits > 0)
        packed.append(char(buffer & 0xFF));

    QByteArray blocks;
    for (qsizetype at = 0; at < packed.size(); at += 255) {
        const QByteArray chunk = packed.mid(at, 255);
        blocks.append(char(chunk.size()));
        blocks.append(chunk);
    }
    blocks.append(char(0));
    return blocks;
}

QByteArray MakeGif(const QList<QRgb>& frameColors, int delayCentiseconds, int loopCount, int side = 4) {
    QList<QRgb> table = frameColors.mid(0, 4);
    while (table.size() < 4)
        table.append(qRgb(0, 0, 0));

    QByteArray gif("GIF89a");
    PutWord(gif, side);
    PutWord(gif, side);
    gif.append(char(0x91)); // global colour table of 4 entries
    gif.append(char(0));    // background index
    gif.append(char(0));    // aspect ratio
    for (QRgb color : table) {
        gif.append(char(qRed(color)));
        gif.append(char(qGreen(color)));
        gif.append(char(qBlue(color)));
    }
    if (loopCount >= 0) {
        gif.append("\x21\xFF\x0B", 3);
        gif.append("NETSCAPE2.0");
        gif.append("\x03\x01", 2);
        PutWord(gif, loopCount);
        gif.append(char(0));
    }
    for (int f = 0; f < frameColors.size(); ++f) {
        gif.append("\x21\xF9\x04\x00", 4); // graphic control: no disposal, no transparency
        PutWord(gif, delayCentiseconds);
        gif.append(char(0));
        gif.append(char(0));
        gif.append(char(0x2C)); // image descriptor covering the whole screen
        PutWord(gif, 0);
        PutWord(gif, 0);
        PutWord(gif, side);
        PutWord(gif, side);
        gif.append(char(0));
        gif.append(char(2)); // LZW minimum code size
        gif.append(PixelData(f, side * side));
    }
    gif.append(char(0x3B));
    return gif;
}

// Colours as 0xRRGGBB, the form ShownAt() returns.
constexpr QRgb Red = 0xFF0000;
constexpr QRgb Green = 0x00FF00;
constexpr QRgb Blue = 0x0000FF;
constexpr QRgb Yellow = 0xFFFF00;

// The colour shown at a point of the widget, as on screen.
QRgb ShownAt(QWidget& widget, QPoint point) {
    const QPixmap grab = widget.grab();
    return grab.toImage().pixel(point * grab.devicePixelRatio()) & 0xFFFFFF;
}

} // namespace

class TestAnimatedPicture : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void endsOnceWhateverTheLoopCount_data();
    void endsOnceWhateverTheLoopCount();
    void framesFillTheControl();
    void loadingKeepsVisibility_data();
    void loadingKeepsVisibility();
    void replacingDropsTheOldAnimation_data();
    void replacingDropsTheOldAnimation();
    void reloadingStartsAtTheFirstFrame();
    void missingFileShowsNothing();
    void brokenFilesAreSilent_data();
    void brokenFilesAreSilent();

private:
    QString write(const QString& name, const QByteArray& bytes);

    QTemporaryDir dir_;
    AnimatedPicture* picture_ = nullptr;
};

QString TestAnimatedPicture::write(const QString& name, const QByteArray& bytes) {
    const QString path = dir_.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    file.write(bytes);
    return path;
}

void TestAnimatedPicture::init() {
    picture_ = new AnimatedPicture;
    picture_->resize(40, 30);
    picture_->show();
    QVERIFY(QTest::qWaitForWindowExposed(picture_));
}

void TestAnimatedPicture::cleanup() {
    delete picture_;
    picture_ = nullptr;
}

void TestAnimatedPicture::endsOnceWhateverTheLoopCount_data() {
    QTest::addColumn<QList<QRgb>>("frames");
    QTest::addColumn<int>("delay"); // centiseconds per frame
    QTest::addColumn<int>("loops");

    QTest::newRow("no loop block") << QList<QRgb>{Red, Green, Blue} << 5 << -1;
    QTest::newRow("endless loop") << QList<QRgb>{Red, Green, Blue} << 5 << 0;
    QTest::newRow("two repeats") << QList<QRgb>{Red, Green, Blue} << 5 << 2;
    QTest::newRow("single frame, endless") << QList<QRgb>{Yellow} << 8 << 0;
    QTest::newRow("single frame, no loop block") << QList<QRgb>{Yellow} << 8 << -1;
}

void TestAnimatedPicture::endsOnceWhateverTheLoopCount() {
    QFETCH(QList<QRgb>, frames);
    QFETCH(int, delay);
    QFETCH(int, loops);
    const QString path = write(QStringLiteral("a.gif"), MakeGif(frames, delay, loops));
    const int passMs = int(frames.size()) * delay * 10;

    QSignalSpy ends(picture_, &AnimatedPicture::GifEnd);
    QElapsedTimer clock;
    clock.start();
    picture_->LoadFile(path);
    QCOMPARE(ShownAt(*picture_, QPoint(20, 15)), frames.first());

    QVERIFY(ends.wait(5000));
    // Not before the last frame has had its delay (timers may fire a little early).
    QVERIFY2(clock.elapsed() >= passMs * 8 / 10, qPrintable(QString::number(clock.elapsed())));

    // No second pass: no further end, and the last frame stays on show.
    QTest::qWait(3 * passMs + 200);
    QCOMPARE(ends.count(), 1);
    QCOMPARE(ShownAt(*picture_, QPoint(20, 15)), frames.last());
}

void TestAnimatedPicture::framesFillTheControl() {
    // A 4x4 animation in a 40x30 control: the corners show the frame too.
    picture_->LoadFile(write(QStringLiteral("small.gif"), MakeGif({Blue, Green}, 50, 0)));
    QCOMPARE(ShownAt(*picture_, QPoint(1, 1)), Blue);
    QCOMPARE(ShownAt(*picture_, QPoint(38, 28)), Blue);
}

void TestAnimatedPicture::loadingKeepsVisibility_data() {
    QTest::addColumn<bool>("hidden");
    QTest::newRow("hidden") << true;
    QTest::newRow("shown") << false;
}

void TestAnimatedPicture::loadingKeepsVisibility() {
    QFETCH(bool, hidden);
    picture_->setHidden(hidden);
    QSignalSpy ends(picture_, &AnimatedPicture::GifEnd);
    picture_->LoadFile(write(QStringLiteral("v.gif"), MakeGif({Red, Green}, 3, 0)));
    QCOMPARE(picture_->isHidden(), hidden);
    // A hidden control still plays its animation through and says so.
    QVERIFY(ends.wait(5000));
    QCOMPARE(picture_->isHidden(), hidden);
}

void TestAnimatedPicture::replacingDropsTheOldAnimation_data() {
    QTest::addColumn<int>("replaceAfterMs");
    // The old animation: red for 400 ms, then yellow held for 400 ms.
    QTest::newRow("during its first frame") << 150;
    QTest::newRow("while it holds its last frame") << 550;
}

void TestAnimatedPicture::replacingDropsTheOldAnimation() {
    QFETCH(int, replaceAfterMs);
    const QString old = write(QStringLiteral("old.gif"), MakeGif({Red, Yellow}, 40, 0));
    const QString next = write(QStringLiteral("next.gif"), MakeGif({Green, Blue, Blue}, 20, -1)); // 600 ms
    QSignalSpy ends(picture_, &AnimatedPicture::GifEnd);

    QElapsedTimer sinceOld;
    sinceOld.start();
    picture_->LoadFile(old);
    QTest::qWait(replaceAfterMs);
    // The old animation ends about 800 ms after its load (timers may fire a little early). A
    // machine that held the test up that long leaves nothing to replace: no fault of the control.
    if (sinceOld.elapsed() >= 750)
        QSKIP("held up past the old animation's end");
    QCOMPARE(ends.count(), 0);
    QElapsedTimer clock;
    clock.start();
    picture_->LoadFile(next);
    QCOMPARE(ShownAt(*picture_, QPoint(20, 15)), Green);

    QVERIFY(ends.wait(5000));
    // The end is the new animation's, after its whole pass.
    QVERIFY2(clock.elapsed() >= 600 * 8 / 10, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(ShownAt(*picture_, QPoint(20, 15)), Blue);
    QTest::qWait(900);
    QCOMPARE(ends.count(), 1);
}

void TestAnimatedPicture::reloadingStartsAtTheFirstFrame() {
    const QString path = write(QStringLiteral("r.gif"), MakeGif({Red, Green, Blue}, 20, 0));
    QSignalSpy ends(picture_, &AnimatedPicture::GifEnd);
    QElapsedTimer sinceFirst;
    sinceFirst.start();
    picture_->LoadFile(path);
    QTRY_VERIFY(ShownAt(*picture_, QPoint(20, 15)) != Red);
    // The first pass ends about 600 ms after its load; a machine that held the test up that long
    // would see that end too, no fault of the control.
    if (sinceFirst.elapsed() >= 550)
        QSKIP("held up past the first pass's end");

    picture_->LoadFile(path);
    QCOMPARE(ShownAt(*picture_, QPoint(20, 15)), Red);
    QVERIFY(ends.wait(5000));
    QTest::qWait(800);
    QCOMPARE(ends.count(), 1);
}

void TestAnimatedPicture::missingFileShowsNothing() {
    QSignalSpy ends(picture_, &AnimatedPicture::GifEnd);
    picture_->LoadFile(write(QStringLiteral("m.gif"), MakeGif({Red, Red}, 50, 0))); // 1 s
    QCOMPARE(ShownAt(*picture_, QPoint(20, 15)), Red);

    picture_->LoadFile(dir_.filePath(QStringLiteral("nowhere/miro.gif")));
    QVERIFY(ShownAt(*picture_, QPoint(20, 15)) != Red);
    QTest::qWait(1400);
    QCOMPARE(ends.count(), 0); // neither the missing file nor the dropped one ends

    picture_->LoadFile(QString());
    QTest::qWait(100);
    QCOMPARE(ends.count(), 0);
}

void TestAnimatedPicture::brokenFilesAreSilent_data() {
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray good = MakeGif({Red, Green, Blue}, 5, 0);

    QTest::newRow("not a picture") << QByteArray("this is no GIF at all\r\n");
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("header only") << good.left(6 + 7 + 12);
    QTest::newRow("garbage after the header") << QByteArray("GIF89a") + QByteArray(64, '\xA5');
}

void TestAnimatedPicture::brokenFilesAreSilent() {
    QFETCH(QByteArray, bytes);
    QSignalSpy ends(picture_, &AnimatedPicture::GifEnd);
    picture_->LoadFile(write(QStringLiteral("broken.gif"), bytes));
    QTest::qWait(400);
    QCOMPARE(ends.count(), 0);

    // The control still works afterwards.
    picture_->LoadFile(write(QStringLiteral("fine.gif"), MakeGif({Green}, 5, -1)));
    QVERIFY(ends.wait(5000));
    QCOMPARE(ShownAt(*picture_, QPoint(20, 15)), Green);
}

QTEST_MAIN(TestAnimatedPicture)
#include "tst_animatedpicture.moc"
