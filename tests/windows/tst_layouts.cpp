// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/AnimatedPicture.h"
#include "windows/BoardWidget.h"
#include "windows/DirList.h"
#include "windows/FileList.h"
#include "windows/Form1Ui.h"
#include "windows/Form2Ui.h"
#include "windows/Form3Ui.h"
#include "windows/Form4Ui.h"
#include "windows/PaletteBox.h"
#include "windows/PictureButton.h"
#include "windows/Twips.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSvgRenderer>
#include <QtTest>

#include <map>
#include <memory>

namespace {

using Controls = std::map<QString, QWidget*>;

// The windows as the program builds them, each control under its designed name.
struct Windows {
    QWidget form1, form2, form3, form4;
    Form1Ui ui1;
    Form2Ui ui2;
    Form3Ui ui3;
    Form4Ui ui4;
    std::map<QString, Controls> controls;

    Windows() {
        ui1.setupUi(&form1);
        ui2.setupUi(&form2);
        ui3.setupUi(&form3);
        ui4.setupUi(&form4);

        Controls& c1 = controls[QStringLiteral("Form1")];
        c1 = {{"Picture1", ui1.Picture1},       {"Text3", ui1.Text3},
              {"Fandorel1", ui1.Fandorel1},     {"Command1(0)", ui1.Command1[0]},
              {"Command1(1)", ui1.Command1[1]}, {"Command7(1)", ui1.Command7[1]},
              {"Command7(2)", ui1.Command7[2]}, {"Command3", ui1.Command3},
              {"Command4", ui1.Command4},       {"Command5", ui1.Command5},
              {"Command6", ui1.Command6},       {"Command8", ui1.Command8},
              {"Picture4", ui1.Picture4},       {"Picture2", ui1.Picture2},
              {"Fandorel2", ui1.Fandorel2},     {"Text2", ui1.Text2},
              {"Combo2", ui1.Combo2},           {"File1", ui1.File1},
              {"Combo1", ui1.Combo1},           {"Text1", ui1.Text1}};
        for (int i = 0; i < 16; ++i)
            c1[QStringLiteral("Command2(%1)").arg(i)] = ui1.Command2[i];
        if (!ui1.Label1.empty())
            c1[QStringLiteral("Label1(0)")] = ui1.Label1[0];
        if (!ui1.Picture3.empty())
            c1[QStringLiteral("Picture3(0)")] = ui1.Picture3[0];

        controls[QStringLiteral("Form2")] = {
            {"Label2", ui2.Label2}, {"List1", ui2.List1}, {"Command1", ui2.Command1}, {"Dir1", ui2.Dir1}};
        controls[QStringLiteral("Form3")] = {{"Command1(0)", ui3.Command1[0]},
                                             {"Command1(2)", ui3.Command1[2]},
                                             {"Text1", ui3.Text1},
                                             {"Shape1", ui3.Shape1}};
    }

    QWidget* form(const QString& name) {
        static const char* names[] = {"Form1", "Form2", "Form3", "Form4"};
        QWidget* forms[] = {&form1, &form2, &form3, &form4};
        for (int i = 0; i < 4; ++i) {
            if (name == QLatin1String(names[i]))
                return forms[i];
        }
        return nullptr;
    }
    QWidget* control(const QString& formName, const QString& name) { return controls[formName][name]; }
};

QString TextOf(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return button->text();
    if (auto* line = qobject_cast<QLineEdit*>(widget))
        return line->text();
    if (auto* text = qobject_cast<QPlainTextEdit*>(widget))
        return text->toPlainText();
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        return combo->currentText();
    return QStringLiteral("<no text>");
}

// Colour at a point of a grabbed window, in the window's own pixels.
QRgb PixelAt(const QImage& grab, QPoint point) {
    return grab.pixel(point * grab.devicePixelRatio()) & 0xFFFFFF;
}

QImage GrabShown(QWidget& form) {
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return {};
    return form.grab().toImage();
}

// Swatch k of the palette strip, left to right.
constexpr QRgb Swatch[35] = {
    0xFFFFFF, 0xC0C0C0, 0xFF0000, 0xFFFF00, 0x00FF00, 0x00FFFF, 0x0000FF, 0xFF00FF, 0xFFFF80,
    0x00FF80, 0x80FFFF, 0x8080FF, 0xFF0080, 0xFF8040, 0xFFFFFF, 0xC0C0C0, 0xFF0000, 0xCC9966,
    0x00FF00, 0xCC33CC, 0x336633, 0xFF00FF, 0x000000, 0x808080, 0x800000, 0x808000, 0x008000,
    0x008080, 0x000080, 0x800080, 0x808040, 0x004040, 0x0080FF, 0x004080, 0x4000FF,
};

} // namespace

class TestLayouts : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void windows_data();
    void windows();
    void geometry_data();
    void geometry();
    void fonts_data();
    void fonts();
    void texts_data();
    void texts();
    void keypad_data();
    void keypad();
    void boardStartsWithElementZero();
    void tabOrderOfTheExerciseWindow();
    void form2TitleIsTheBanner();
    void controlColours();
    void pixels_data();
    void pixels();
    void titlePictureIsDrawn();
    void paletteSwatches_data();
    void paletteSwatches();
    void paletteBevelAndMargins_data();
    void paletteBevelAndMargins();
    void artwork_data();
    void artwork();
    void arrowsPointTheirWay();
    void speakerInTheStatementCorner();

private:
    std::unique_ptr<Windows> w_;
};

void TestLayouts::initTestCase() {
    w_ = std::make_unique<Windows>();
}

void TestLayouts::cleanupTestCase() {
    w_.reset();
}

void TestLayouts::windows_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<bool>("frameless");

    QTest::newRow("Form1") << "Form1" << QSize(792, 565) << true;
    QTest::newRow("Form2") << "Form2" << QSize(450, 441) << false;
    QTest::newRow("Form3") << "Form3" << QSize(493, 386) << true;
    QTest::newRow("Form4") << "Form4" << QSize(426, 357) << true;
}

void TestLayouts::windows() {
    QFETCH(QString, form);
    QFETCH(QSize, client);
    QFETCH(bool, frameless);
    QWidget* window = w_->form(form);
    QCOMPARE(window->size(), client);
    QCOMPARE(window->minimumSize(), client); // fixed: the pupil cannot resize it
    QCOMPARE(window->maximumSize(), client);
    QCOMPARE(window->windowFlags().testFlag(Qt::FramelessWindowHint), frameless);
    QVERIFY(!window->windowIcon().isNull());
    QVERIFY(!window->windowIcon().pixmap(32, 32).isNull());
}

void TestLayouts::geometry_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent"); // empty: the window itself
    QTest::addColumn<QRect>("twips");    // left, top, width, height
    QTest::addColumn<bool>("hidden");

    auto row = [](const char* form, const char* name, const char* parent, int l, int t, int w, int h,
                  bool hidden) {
        QTest::addRow("%s %s", form, name) << form << name << parent << QRect(l, t, w, h) << hidden;
    };
    row("Form1", "Picture1", "", 120, 120, 11655, 2535, false);
    row("Form1", "Text3", "Picture1", 240, 240, 11295, 2055, false);
    row("Form1", "Fandorel1", "", 6840, 1320, 1455, 1215, true);
    row("Form1", "Command1(0)", "", 120, 2760, 855, 855, false);
    row("Form1", "Command1(1)", "", 1080, 2760, 855, 855, false);
    row("Form1", "Command7(1)", "", 2040, 2760, 855, 855, false);
    row("Form1", "Command7(2)", "", 3000, 2760, 855, 855, false);
    row("Form1", "Command6", "", 120, 7560, 855, 855, false);
    row("Form1", "Command3", "", 1080, 7560, 855, 855, false);
    row("Form1", "Command4", "", 2040, 7560, 855, 855, false);
    row("Form1", "Command5", "", 3000, 7560, 855, 855, false);
    row("Form1", "Command2(0)", "", 2040, 3720, 855, 855, false);
    row("Form1", "Command2(7)", "", 3000, 5640, 855, 855, false);
    row("Form1", "Command2(8)", "", 3000, 6600, 855, 855, false);
    row("Form1", "Command2(9)", "", 1080, 3720, 855, 855, false);
    row("Form1", "Command2(13)", "", 120, 6600, 855, 855, false);
    row("Form1", "Command2(15)", "", 1080, 6600, 855, 855, false);
    row("Form1", "Picture4", "", 3960, 2760, 7815, 375, false);
    row("Form1", "Picture2", "", 3960, 3000, 7815, 4455, false);
    row("Form1", "Picture3(0)", "Picture2", 720, 2280, 2655, 135, true);
    row("Form1", "Fandorel2", "Picture2", 6480, 3120, 1695, 1335, true);
    row("Form1", "Text2", "", 4080, 7680, 5055, 675, false);
    row("Form1", "Combo2", "", 4080, 7800, 5055, 450, true);
    row("Form1", "Command8", "", 9240, 7800, 2415, 495, false);
    row("Form1", "File1", "", 9240, 7440, 855, 285, true);
    row("Form1", "Combo1", "", 6240, 8040, 2655, 315, true);
    row("Form1", "Text1", "", 5160, 7920, 855, 375, true);
    row("Form2", "Label2", "", 240, 120, 4215, 375, false);
    row("Form2", "List1", "", 120, 480, 6495, 4845, false);
    row("Form2", "Command1", "", 120, 5400, 6495, 1095, false);
    row("Form2", "Dir1", "", 5760, 240, 615, 315, true);
    row("Form3", "Command1(2)", "", 120, 120, 735, 735, false);
    row("Form3", "Command1(0)", "", 960, 120, 735, 735, false);
    row("Form3", "Text1", "", 1560, 1320, 3735, 4455, false);
    row("Form3", "Shape1", "", 120, 960, 6975, 4695, false);
}

void TestLayouts::geometry() {
    QFETCH(QString, form);
    QFETCH(QString, name);
    QFETCH(QString, parent);
    QFETCH(QRect, twips);
    QFETCH(bool, hidden);

    QWidget* control = w_->control(form, name);
    QVERIFY2(control, "control missing");
    QCOMPARE(control->objectName(), name);
    QWidget* expectedParent = parent.isEmpty() ? w_->form(form) : w_->control(form, parent);
    QCOMPARE(control->parentWidget(), expectedParent);
    const QRect px(TwipsToPx(twips.x()), TwipsToPx(twips.y()), TwipsToPx(twips.width()),
                   TwipsToPx(twips.height()));
    QCOMPARE(control->geometry(), px);
    QCOMPARE(control->isHidden(), hidden);
}

void TestLayouts::fonts_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");

    auto row = [](const char* form, const char* name, double points, bool bold) {
        QTest::addRow("%s %s", form, name) << form << name << points << bold;
    };
    row("Form1", "Text3", 18, false);
    row("Form1", "Command2(0)", 24, false);
    row("Form1", "Command2(14)", 24, false);
    row("Form1", "Command2(10)", 36, true);
    row("Form1", "Command2(15)", 36, true);
    row("Form1", "Label1(0)", 36, true);
    row("Form1", "Text2", 24, true);
    row("Form1", "Combo2", 14.25, true);
    row("Form1", "Command8", 14.25, true);
    row("Form2", "Label2", 12, true);
    row("Form2", "List1", 18, true);
    row("Form2", "Command1", 27.75, true);
    row("Form3", "Text1", 12, false);
}

void TestLayouts::fonts() {
    QFETCH(QString, form);
    QFETCH(QString, name);
    QFETCH(double, points);
    QFETCH(bool, bold);
    const QFont font = w_->control(form, name)->font();
    QCOMPARE(font.family(), QStringLiteral("Arial"));
    QCOMPARE(font.pointSizeF(), points);
    QCOMPARE(font.bold(), bold);
}

void TestLayouts::texts_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");

    auto row = [](const char* form, const char* name, const QString& text) {
        QTest::addRow("%s %s", form, name) << form << name << text;
    };
    row("Form1", "Text3", "Text3");
    row("Form1", "Text2", "");
    row("Form1", "Combo2", "Combo2");
    row("Form1", "Combo1", "Combo1");
    row("Form1", "Text1", "Text1");
    row("Form1", "Command8", "COMPROBAR");
    row("Form1", "Label1(0)", "Label1");
    row("Form2", "Label2", QStringLiteral("Selección del grupo de problemas"));
    row("Form2", "Command1", "ACEPTAR");
    row("Form3", "Text1", "Text1");
}

void TestLayouts::texts() {
    QFETCH(QString, form);
    QFETCH(QString, name);
    QFETCH(QString, text);
    QCOMPARE(TextOf(w_->control(form, name)), text);
}

void TestLayouts::keypad_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRgb>("back");

    const char* captions[16] = {"2", "3", "4", "5", "6", "7", "8", "9",
                                "0", "1", "+", "-", "x", ":", ",", "="};
    const QRgb backs[16] = {0x00C0C0, 0x00C0C0, 0x00C0C0, 0x00C0C0, 0x00C0C0, 0x00C0C0, 0x00C0C0, 0x00C0C0,
                            0x00C0C0, 0x00C0C0, 0xFFFF00, 0xFF8000, 0xFFC0C0, 0x80FF80, 0x00C0C0, 0xC0FFFF};
    for (int i = 0; i < 16; ++i)
        QTest::addRow("Command2(%d)", i) << i << QString::fromLatin1(captions[i]) << backs[i];
}

void TestLayouts::keypad() {
    QFETCH(int, index);
    QFETCH(QString, caption);
    QFETCH(QRgb, back);
    PictureButton* key = w_->ui1.Command2[index];
    QCOMPARE(key->text(), caption);
    QCOMPARE(key->BackColor().rgb() & 0xFFFFFF, back);
    QVERIFY(key->Picture().isEmpty());
}

void TestLayouts::boardStartsWithElementZero() {
    const Form1Ui& ui = w_->ui1;
    QCOMPARE(ui.Label1.size(), size_t(1));
    QCOMPARE(ui.Picture3.size(), size_t(1));
    // Nothing else lies on the board but these two and the verdict animation.
    QCOMPARE(ui.Picture2->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly).size(), 3);

    QLabel* label = ui.Label1[0];
    QCOMPARE(label->parentWidget(), ui.Picture2);
    QVERIFY(label->isHidden());
    QCOMPARE(label->pos(), QPoint(TwipsToPx(360), TwipsToPx(720)));
    QCOMPARE(label->size(), label->sizeHint()); // fitted to its text
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0xFF, 0xFF, 0xFF));
    QVERIFY(!label->autoFillBackground()); // transparent over the board

    QFrame* bar = ui.Picture3[0];
    QVERIFY(bar->autoFillBackground());
    QCOMPARE(bar->palette().color(QPalette::Window), QApplication::palette().color(QPalette::Base));
    QVERIFY(ui.Picture2->hasMouseTracking());
}

void TestLayouts::tabOrderOfTheExerciseWindow() {
    const QStringList expected = {
        "Text1",       "Combo1",       "Command1(0)",  "Picture1",     "Command2(0)",  "Command2(1)",
        "Command2(2)", "Command2(3)",  "Command2(4)",  "Command2(5)",  "Command2(6)",  "Command2(7)",
        "Command2(8)", "Command2(9)",  "Command2(10)", "Command2(11)", "Picture2",     "Label1(0)",
        "Command3",    "Text2",        "Picture3(0)",  "Command4",     "Command5",     "Picture4",
        "Combo2",      "Command2(12)", "Command2(13)", "Command6",     "Command2(14)", "Command2(15)",
        "Fandorel1",   "Command8",     "Fandorel2",    "Command7(1)",  "Command7(2)",  "Command1(1)",
        "File1",       "Text3"};

    std::map<QWidget*, QString> named;
    for (const auto& [name, widget] : w_->controls[QStringLiteral("Form1")])
        named[widget] = name;

    // Follow the focus chain once round, noting the named controls (inner parts of composite
    // controls, such as a combo box's line edit, are passed over).
    QStringList seen;
    QWidget* start = w_->ui1.Text1;
    QWidget* at = start;
    for (int step = 0; step < 500; ++step) {
        if (auto found = named.find(at); found != named.end())
            seen << found->second;
        at = at->nextInFocusChain();
        if (at == start)
            break;
    }
    QCOMPARE(seen, expected);

    // Labels, bars, pictures and animations are in the chain but never take the focus.
    QCOMPARE(w_->ui1.Label1[0]->focusPolicy(), Qt::NoFocus);
    QCOMPARE(w_->ui1.Fandorel1->focusPolicy(), Qt::NoFocus);
}

void TestLayouts::form2TitleIsTheBanner() {
    const QString title = w_->form2.windowTitle();
    QVERIFY2(title.startsWith(QStringLiteral("KOTIRA - " KOTIRA_VERSION " - ")), qPrintable(title));
    const QStringList parts = title.split(QStringLiteral(" - "));
    QCOMPARE(parts.size(), 4);
    for (int i = 2; i < 4; ++i) {
        QVERIFY2(parts[i].contains(u'@') && !parts[i].contains(u' '), qPrintable(parts[i]));
    }
}

void TestLayouts::controlColours() {
    const QPalette list = w_->ui2.List1->palette();
    QCOMPARE(list.color(QPalette::Base), QColor(0xFF, 0x80, 0x00));
    QCOMPARE(list.color(QPalette::Text), QColor(0xFF, 0xFF, 0xFF));
    QCOMPARE(w_->ui2.Label2->palette().color(QPalette::WindowText), QColor(0xC0, 0x00, 0x00));
    QVERIFY(!w_->ui2.Label2->autoFillBackground());
    QCOMPARE(w_->ui1.Text2->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QCOMPARE(w_->ui1.Text3->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(w_->ui3.Text1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

void TestLayouts::pixels_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QPoint>("at"); // window pixels
    QTest::addColumn<QRgb>("color");

    const QPoint palette(TwipsToPx(3960), TwipsToPx(2760));
    QTest::newRow("Form1 background") << "Form1" << QPoint(3, 180) << QRgb(0xFFC0FF);
    QTest::newRow("Form1 statement area") << "Form1" << QPoint(10, 10) << QRgb(0xFFFFFF);
    QTest::newRow("Form1 board") << "Form1" << QPoint(664, 450) << QRgb(0x004000);
    QTest::newRow("Form1 check button") << "Form1" << QPoint(619, 535) << QRgb(0xFFFFFF);
    QTest::newRow("Form1 plus key") << "Form1" << QPoint(12, 252) << QRgb(0xFFFF00);
    QTest::newRow("Form1 eyes button") << "Form1" << QPoint(203, 187) << QRgb(0xFFC080);
    QTest::newRow("palette white swatch") << "Form1" << palette + QPoint(11, 8) << QRgb(0xFFFFFF);
    QTest::newRow("palette red swatch") << "Form1" << palette + QPoint(16 * 2 + 11, 8) << QRgb(0xFF0000);
    QTest::newRow("palette light bevel") << "Form1" << palette + QPoint(18, 8) << QRgb(0xC0C0C0);
    QTest::newRow("palette grey bevel") << "Form1" << palette + QPoint(19, 8) << QRgb(0x808080);
    QTest::newRow("palette black bevel") << "Form1" << palette + QPoint(21, 8) << QRgb(0x000000);
    QTest::newRow("palette below the strip") << "Form1" << palette + QPoint(100, 22) << QRgb(0xC0C0C0);
    QTest::newRow("palette last column, swatch 32") << "Form1" << palette + QPoint(520, 8) << QRgb(0x0080FF);
    QTest::newRow("right of the palette") << "Form1" << palette + QPoint(521, 8) << QRgb(0xFFC0FF);
    QTest::newRow("Form2 background") << "Form2" << QPoint(3, 3) << QRgb(0xFF80FF);
    QTest::newRow("Form2 group list") << "Form2" << QPoint(208, 232) << QRgb(0xFF8000);
    QTest::newRow("Form2 confirm button") << "Form2" << QPoint(13, 365) << QRgb(0x00FF00);
    QTest::newRow("Form3 background") << "Form3" << QPoint(470, 30) << QRgb(0xC0C0FF);
    QTest::newRow("Form3 back button") << "Form3" << QPoint(11, 11) << QRgb(0xFF8000);
    QTest::newRow("Form3 save button") << "Form3" << QPoint(67, 11) << QRgb(0xFF00FF);
    QTest::newRow("Form3 inside the frame") << "Form3" << QPoint(13, 69) << QRgb(0xC0C0FF);
    QTest::newRow("Form3 frame line") << "Form3" << QPoint(8, 164) << QRgb(0x000000);
    QTest::newRow("Form4 title background") << "Form4" << QPoint(3, 3) << QRgb(0x000080);
}

void TestLayouts::pixels() {
    QFETCH(QString, form);
    QFETCH(QPoint, at);
    QFETCH(QRgb, color);
    const QImage grab = GrabShown(*w_->form(form));
    QVERIFY(!grab.isNull());
    QCOMPARE(QString::number(PixelAt(grab, at), 16), QString::number(color, 16));
}

void TestLayouts::titlePictureIsDrawn() {
    // The large white name: many white pixels in the upper half, none in the blue margin.
    const QImage grab = GrabShown(w_->form4);
    int white = 0;
    for (int y = 40; y < 140; ++y) {
        for (int x = 0; x < grab.width(); ++x)
            white += (grab.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF;
    }
    QVERIFY2(white > 2000, qPrintable(QString::number(white)));
    QCOMPARE(PixelAt(grab, QPoint(420, 3)), QRgb(0x000080));
}

void TestLayouts::paletteSwatches_data() {
    QTest::addColumn<int>("k");
    QTest::addColumn<QRgb>("color");
    for (int k = 0; k < 35; ++k)
        QTest::addRow("swatch %d", k) << k << Swatch[k];
}

void TestLayouts::paletteSwatches() {
    QFETCH(int, k);
    QFETCH(QRgb, color);
    const QImage strip = PaletteBox::PaletteImage();
    QCOMPARE(strip.size(), QSize(565, 19));

    // The whole 12x12 square, in the strip.
    const int left = 6 + 16 * k;
    for (int y = 3; y <= 14; ++y) {
        for (int x = left; x <= left + 11; ++x)
            QCOMPARE(strip.pixel(x, y) & 0xFFFFFF, color);
    }
    QVERIFY((strip.pixel(left, 2) & 0xFFFFFF) != color || color == 0xC0C0C0);

    // In the box, 521 pixels wide: the first 32 swatches show whole, the 33rd in part, the rest
    // are cut off and the box's own colour shows there.
    const PaletteBox* box = w_->ui1.Picture4;
    QCOMPARE(box->width(), 521);
    const QPoint centre(left + 5, 8);
    const QRgb shown = box->ColorAt(centre).rgb() & 0xFFFFFF;
    if (left + 11 < box->width())
        QCOMPARE(shown, color);
    else
        QCOMPARE(shown, box->BackColor().rgb() & 0xFFFFFF);
}

void TestLayouts::paletteBevelAndMargins_data() {
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QRgb>("color");
    QTest::newRow("left margin") << QPoint(0, 8) << QRgb(0xC0C0C0);
    QTest::newRow("bevel before swatch 0, dark") << QPoint(5, 8) << QRgb(0x000000);
    QTest::newRow("bevel light") << QPoint(16 * 5 + 2, 10) << QRgb(0xC0C0C0);
    QTest::newRow("bevel grey 1") << QPoint(16 * 5 + 3, 10) << QRgb(0x808080);
    QTest::newRow("bevel grey 2") << QPoint(16 * 5 + 4, 10) << QRgb(0x808080);
    QTest::newRow("bevel black") << QPoint(16 * 5 + 5, 10) << QRgb(0x000000);
    QTest::newRow("row above the swatches") << QPoint(11, 2) << QRgb(0xC0C0C0);
    QTest::newRow("row below the swatches") << QPoint(11, 15) << QRgb(0xC0C0C0);
    QTest::newRow("box under the strip") << QPoint(11, 19) << QRgb(0xC0C0C0);
    QTest::newRow("box bottom row") << QPoint(300, 24) << QRgb(0xC0C0C0);
    QTest::newRow("partly shown swatch 32") << QPoint(518, 14) << QRgb(0x0080FF);
}

void TestLayouts::paletteBevelAndMargins() {
    QFETCH(QPoint, at);
    QFETCH(QRgb, color);
    QCOMPARE(QString::number(w_->ui1.Picture4->ColorAt(at).rgb() & 0xFFFFFF, 16), QString::number(color, 16));
}

void TestLayouts::artwork_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("name");
    for (const char* name : {"Command1(0)", "Command1(1)", "Command7(1)", "Command7(2)", "Command3",
                             "Command4", "Command5", "Command6"})
        QTest::addRow("Form1 %s", name) << "Form1" << name;
    QTest::newRow("Form3 Command1(0)") << "Form3"
                                       << "Command1(0)";
    QTest::newRow("Form3 Command1(2)") << "Form3"
                                       << "Command1(2)";
}

void TestLayouts::artwork() {
    // Every graphical button has a picture that loads, and no two buttons share one.
    QFETCH(QString, form);
    QFETCH(QString, name);
    auto* button = qobject_cast<PictureButton*>(w_->control(form, name));
    QVERIFY(button);
    QVERIFY(button->text().isEmpty());
    QSvgRenderer picture(button->Picture());
    QVERIFY2(picture.isValid(), qPrintable(button->Picture()));
    for (const auto& [formName, controls] : w_->controls) {
        for (const auto& [other, widget] : controls) {
            auto* otherButton = qobject_cast<PictureButton*>(widget);
            if (otherButton && otherButton != button && !otherButton->Picture().isEmpty())
                QVERIFY2(otherButton->Picture() != button->Picture(), qPrintable(other));
        }
    }
}

void TestLayouts::arrowsPointTheirWay() {
    // Just left of the ball's centre, a little above it: the left arrow's head is there, the
    // right arrow's is not (there the red ball shows).
    const QImage grab = GrabShown(w_->form1);
    const QPoint leftButton(TwipsToPx(120), TwipsToPx(2760));
    const QPoint rightButton(TwipsToPx(1080), TwipsToPx(2760));
    const QPoint probe(24, 19);
    const QColor onLeft = QColor::fromRgb(PixelAt(grab, leftButton + probe));
    const QColor onRight = QColor::fromRgb(PixelAt(grab, rightButton + probe));
    QVERIFY2(onLeft.red() > 220 && onLeft.green() > 220 && onLeft.blue() > 220, qPrintable(onLeft.name()));
    QVERIFY2(onRight.red() > 180 && onRight.green() < 80 && onRight.blue() < 80, qPrintable(onRight.name()));
}

void TestLayouts::speakerInTheStatementCorner() {
    // Inside the statement box, at its lower right, clear of the text and of the scroll bar; big
    // enough for a small finger; a picture of its own; named for screen readers.
    GrabShown(w_->form1);
    const Form1Ui& ui = w_->ui1;
    PictureButton* speaker = ui.Command9;
    QCOMPARE(speaker->parentWidget(), ui.Text3);
    QVERIFY(!speaker->isHidden());
    QVERIFY(speaker->width() >= 48 && speaker->height() >= 48);
    const QRect inside = ui.Text3->contentsRect();
    QVERIFY(inside.contains(speaker->geometry()));
    QVERIFY(!ui.Text3->viewport()->geometry().intersects(speaker->geometry()));
    const QWidget* bar = ui.Text3->verticalScrollBar();
    QVERIFY(!QRect(bar->mapTo(ui.Text3, QPoint()), bar->size()).intersects(speaker->geometry()));
    QVERIFY(inside.bottom() - speaker->geometry().bottom() < 8);
    QVERIFY(QSvgRenderer(speaker->Picture()).isValid());
    QCOMPARE(speaker->accessibleName(), QStringLiteral("Escuchar el enunciado"));
    QCOMPARE(speaker->toolTip(), QStringLiteral("Escuchar el enunciado"));
    QCOMPARE(speaker->shortcut(), QKeySequence(Qt::Key_F5));
}

QTEST_MAIN(TestLayouts)
#include "tst_layouts.moc"
