// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/DirList.h"
#include "windows/FileList.h"
#include "windows/PictureButton.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QImage Grab(QWidget& widget) {
    return widget.grab().toImage();
}

QRgb At(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFF;
}

// How many pixels of exactly that colour lie inside the rectangle.
int Count(const QImage& image, const QRect& area, QRgb color) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            n += At(image, x, y) == color;
    }
    return n;
}

void Touch(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
}

} // namespace

class TestWidgets : public QObject {
    Q_OBJECT

private slots:
    void buttonShowsItsColourExactly_data();
    void buttonShowsItsColourExactly();
    void pressedButtonIsSunken();
    void focusedButtonShowsADottedFrame();
    void pictureComesAndGoes();
    void pictureIsCrispAtDoubleDensity();

    void fileListCountsOrdinaryFiles();
    void fileListRereadsTheSameFolder();
    void fileListOfAMissingFolderIsEmpty();
    void dirListSortsSubfolders();
    void dirListOfAMissingFolder();
};

void TestWidgets::buttonShowsItsColourExactly_data() {
    QTest::addColumn<QRgb>("back");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("ready, white") << QRgb(0xFFFFFF) << true;
    QTest::newRow("wrong, red") << QRgb(0xFF0000) << true;
    QTest::newRow("right, blue, disabled") << QRgb(0x0000FF) << false;
    QTest::newRow("white, disabled") << QRgb(0xFFFFFF) << false;
}

void TestWidgets::buttonShowsItsColourExactly() {
    QFETCH(QRgb, back);
    QFETCH(bool, enabled);
    PictureButton button;
    button.resize(161, 33);
    button.setFont(QFont(QStringLiteral("Arial"), 14));
    button.setText(QStringLiteral("COMPROBAR"));
    button.SetBackColor(QColor::fromRgb(back));
    button.setEnabled(enabled);
    QCOMPARE(button.BackColor().rgb() & 0xFFFFFF, back);

    const QImage image = Grab(button);
    QCOMPARE(At(image, 5, 5), back);
    QCOMPARE(At(image, 155, 27), back);

    // The caption: solid black when enabled; grey, with no black at all, when disabled.
    const QRect inside = image.rect().adjusted(2, 2, -3, -3);
    if (enabled) {
        QVERIFY(Count(image, inside, 0x000000) > 20);
    } else {
        QCOMPARE(Count(image, inside, 0x000000), 0);
        QVERIFY(Count(image, inside, 0x808080) > 20);
    }
}

void TestWidgets::pressedButtonIsSunken() {
    PictureButton button;
    button.resize(57, 57);
    button.SetBackColor(QColor(0x00, 0xC0, 0xC0));
    QCOMPARE(At(Grab(button), 0, 0), QRgb(0xFFFFFF)); // raised: light top-left edge
    QCOMPARE(At(Grab(button), 56, 56), QRgb(0x000000));
    QCOMPARE(At(Grab(button), 55, 55), QRgb(0x808080));
    QCOMPARE(At(Grab(button), 2, 2), QRgb(0x00C0C0));
    button.setDown(true);
    QCOMPARE(At(Grab(button), 0, 0), QRgb(0x000000)); // sunken: dark all round
    QCOMPARE(At(Grab(button), 56, 56), QRgb(0x000000));
    QCOMPARE(At(Grab(button), 1, 1), QRgb(0x808080));
    QCOMPARE(At(Grab(button), 55, 55), QRgb(0x808080));
    QCOMPARE(At(Grab(button), 28, 28), QRgb(0x00C0C0));
}

void TestWidgets::focusedButtonShowsADottedFrame() {
    QWidget window;
    window.resize(120, 80);
    auto* other = new PictureButton(&window);
    other->setGeometry(60, 0, 57, 57);
    auto* button = new PictureButton(&window);
    button->setGeometry(0, 0, 57, 57);
    button->SetBackColor(QColor(0xFF, 0xFF, 0x00));
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    other->setFocus();
    const QRect frameRow(4, 4, 49, 1); // the frame's top line, two pixels inside the bevel
    QCOMPARE(Count(Grab(*button), frameRow, 0x000000), 0);
    button->setFocus();
    QVERIFY(button->hasFocus());
    QVERIFY(Count(Grab(*button), frameRow, 0x000000) > 10);
    QCOMPARE(At(Grab(*button), 28, 28), QRgb(0xFFFF00));
}

void TestWidgets::pictureComesAndGoes() {
    PictureButton button;
    button.resize(57, 57);
    button.SetBackColor(QColor(0xC0, 0xC0, 0xC0));
    button.SetPicture(QStringLiteral(":/resources/bar.svg"));
    // The picture fills the button inside its bevel: its dark green and its white bar.
    QCOMPARE(At(Grab(button), 4, 4), QRgb(0x004000));
    QCOMPARE(At(Grab(button), 28, 28), QRgb(0xFFFFFF));

    button.SetPicture(QString());
    QVERIFY(button.Picture().isEmpty());
    QCOMPARE(At(Grab(button), 4, 4), QRgb(0xC0C0C0));
    QCOMPARE(At(Grab(button), 28, 28), QRgb(0xC0C0C0));
}

void TestWidgets::pictureIsCrispAtDoubleDensity() {
    // The bar's top edge falls at y = 25.19 in a 57-pixel button. At double density the device
    // row 51 (25.5..26) lies wholly inside the bar, so a picture drawn at device resolution is
    // pure white there; a picture drawn at 1x and enlarged would show a blend.
    PictureButton button;
    button.resize(57, 57);
    button.SetPicture(QStringLiteral(":/resources/bar.svg"));
    QPixmap pixmap(114, 114);
    pixmap.setDevicePixelRatio(2);
    pixmap.fill(Qt::black);
    button.render(&pixmap);
    const QImage image = pixmap.toImage();
    QCOMPARE(At(image, 57, 51), QRgb(0xFFFFFF));
    QCOMPARE(At(image, 57, 49), QRgb(0x004000));
}

void TestWidgets::fileListCountsOrdinaryFiles() {
    QTemporaryDir dir;
    for (const char* name : {"2.txt", "1.txt", "3.TXT", "notas sin número", ".oculto"})
        Touch(dir.filePath(QString::fromUtf8(name)));
    QDir(dir.path()).mkdir(QStringLiteral("sub"));

    FileList list;
    list.SetPath(dir.path());
    QCOMPARE(list.ListCount(), 4);
    QCOMPARE(list.List(0), QStringLiteral("1.txt"));
    QCOMPARE(list.List(2), QStringLiteral("3.TXT"));
    QCOMPARE(list.List(3), QStringLiteral("notas sin número"));
    QVERIFY(list.List(4).isEmpty());
}

void TestWidgets::fileListRereadsTheSameFolder() {
    QTemporaryDir dir;
    Touch(dir.filePath(QStringLiteral("1.txt")));
    FileList list;
    list.SetPath(dir.path());
    QCOMPARE(list.ListCount(), 1);

    Touch(dir.filePath(QStringLiteral("2.txt")));
    Touch(dir.filePath(QStringLiteral("3.txt")));
    list.SetPath(dir.path());
    QCOMPARE(list.ListCount(), 3);

    QFile::remove(dir.filePath(QStringLiteral("1.txt")));
    list.SetPath(dir.path());
    QCOMPARE(list.ListCount(), 2);
}

void TestWidgets::fileListOfAMissingFolderIsEmpty() {
    QTemporaryDir dir;
    Touch(dir.filePath(QStringLiteral("1.txt")));
    FileList list;
    list.SetPath(dir.path());
    QCOMPARE(list.ListCount(), 1);
    list.SetPath(dir.filePath(QStringLiteral("no existe")));
    QCOMPARE(list.ListCount(), 0);
    list.SetPath(QString());
    QCOMPARE(list.ListCount(), 0);
}

void TestWidgets::dirListSortsSubfolders() {
    QTemporaryDir dir;
    QDir root(dir.path());
    for (const char* name : {"b Restas", "A Sumas", "c Mixtos", ".oculta"})
        root.mkdir(QString::fromUtf8(name));
    Touch(dir.filePath(QStringLiteral("léeme.txt")));

    DirList list;
    QVERIFY(list.SetPath(dir.path()));
    QCOMPARE(list.ListCount(), 3);
    QCOMPARE(list.List(0), root.absoluteFilePath(QStringLiteral("A Sumas")));
    QCOMPARE(list.List(1), root.absoluteFilePath(QStringLiteral("b Restas")));
    QCOMPARE(list.List(2), root.absoluteFilePath(QStringLiteral("c Mixtos")));
    QVERIFY(list.List(3).isEmpty());
    QVERIFY(list.List(-1).isEmpty());
}

void TestWidgets::dirListOfAMissingFolder() {
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("g"));
    DirList list;
    QVERIFY(list.SetPath(dir.path()));
    QCOMPARE(list.ListCount(), 1);
    QVERIFY(!list.SetPath(dir.filePath(QStringLiteral("Problemas"))));
    QCOMPARE(list.ListCount(), 0);
}

QTEST_MAIN(TestWidgets)
#include "tst_widgets.moc"
