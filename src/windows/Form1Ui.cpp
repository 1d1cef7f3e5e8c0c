// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/Form1Ui.h"

#include "windows/AnimatedPicture.h"
#include "windows/BoardWidget.h"
#include "windows/CaptionBoxes.h"
#include "windows/FileList.h"
#include "windows/PaletteBox.h"
#include "windows/PictureButton.h"
#include "windows/StatementBox.h"
#include "windows/Twips.h"
#include "windows/UiHelpers.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>

namespace {

constexpr int ButtonSide = 855;  // every tool and keypad button is square
constexpr int SpeakerSide = 720; // 48 pixels at 96 dpi: a good target for a small finger

// A tool button showing only its picture, on a background that matches the picture's own.
PictureButton* ToolButton(QWidget* form, const QString& name, int left, int top, const char* picture,
                          QColor back) {
    auto* button = new PictureButton(form);
    button->setObjectName(name);
    PlaceTwips(button, left, top, ButtonSide, ButtonSide);
    button->SetPicture(QStringLiteral(":/resources/%1.svg").arg(QLatin1String(picture)));
    button->SetBackColor(back);
    return button;
}

struct Key {
    const char* caption;
    int left;
    int top;
    QRgb back;
    bool sign; // signs are larger and bold
};

// Index order is not the visual order: digits "2".."9" first, then "0", "1", the signs, ",", "=".
constexpr Key Keypad[16] = {
    {"2", 2040, 3720, 0x00C0C0, false}, {"3", 3000, 3720, 0x00C0C0, false},
    {"4", 1080, 4680, 0x00C0C0, false}, {"5", 2040, 4680, 0x00C0C0, false},
    {"6", 3000, 4680, 0x00C0C0, false}, {"7", 1080, 5640, 0x00C0C0, false},
    {"8", 2040, 5640, 0x00C0C0, false}, {"9", 3000, 5640, 0x00C0C0, false},
    {"0", 3000, 6600, 0x00C0C0, false}, {"1", 1080, 3720, 0x00C0C0, false},
    {"+", 120, 3720, 0xFFFF00, true},   {"-", 120, 4680, 0xFF8000, true},
    {"x", 120, 5640, 0xFFC0C0, true},   {":", 120, 6600, 0x80FF80, true},
    {",", 2040, 6600, 0x00C0C0, false}, {"=", 1080, 6600, 0xC0FFFF, true},
};

QComboBox* EditableCombo(QWidget* form, const QString& name, const QString& text) {
    auto* combo = new QComboBox(form);
    combo->setObjectName(name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert); // items come from the program, not from typing
    // Qt completes what is typed into an editable combo box with the first item it begins, in any
    // letter case; the chooser's text must be what the pupil typed or picked, nothing more.
    combo->setCompleter(nullptr);
    combo->setEditText(text);
    KeepSystemColors(combo);
    return combo;
}

} // namespace

void Form1Ui::setupUi(QWidget* form) {
    form->setWindowTitle(QStringLiteral("KOTIRA"));
    MakeFrameless(form);
    SetProgramIcon(form);
    SetFillColor(form, QColor(0xFF, 0xC0, 0xFF));
    form->setFixedSize(TwipsToPx(11880), TwipsToPx(8475));

    // Statement area.
    Picture1 = new QFrame(form);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    PlaceTwips(Picture1, 120, 120, 11655, 2535);
    SetFillColor(Picture1, QColor(0xFF, 0xFF, 0xFF));

    Text3 = new StatementBox(Picture1);
    Text3->setObjectName(QStringLiteral("Text3"));
    PlaceTwips(Text3, 240, 240, 11295, 2055);
    Text3->setFont(ArialFont(18, false));
    Text3->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text3->setPlainText(QStringLiteral("Text3"));
    // The statement is the program's: the pupil reads, selects and copies it but never changes it,
    // since the report quotes it. Tab moves on, so a keyboard user is not held there.
    Text3->setReadOnly(true);
    Text3->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Text3->setTabChangesFocus(true);
    KeepSystemColors(Text3);

    // Created after Picture1 so that it lies over the statement area.
    Fandorel1 = new AnimatedPicture(form);
    Fandorel1->setObjectName(QStringLiteral("Fandorel1"));
    PlaceTwips(Fandorel1, 6840, 1320, 1455, 1215);
    Fandorel1->hide();

    // Navigation and tool buttons.
    const QColor face(0xC0, 0xC0, 0xC0);
    Command1[0] = ToolButton(form, ElementName("Command1", 0), 120, 2760, "arrow_left", face);
    Command1[1] = ToolButton(form, ElementName("Command1", 1), 1080, 2760, "arrow_right", face);
    Command7[1] = ToolButton(form, ElementName("Command7", 1), 2040, 2760, "signs", QColor(0xFF, 0xFF, 0xFF));
    Command7[2] = ToolButton(form, ElementName("Command7", 2), 3000, 2760, "eyes", QColor(0xFF, 0xC0, 0x80));
    Command6 = ToolButton(form, QStringLiteral("Command6"), 120, 7560, "door", face);
    Command3 = ToolButton(form, QStringLiteral("Command3"), 1080, 7560, "digits", QColor(0xFF, 0xFF, 0x00));
    Command4 = ToolButton(form, QStringLiteral("Command4"), 2040, 7560, "bar", QColor(0x00, 0x40, 0x00));
    Command5 = ToolButton(form, QStringLiteral("Command5"), 3000, 7560, "eraser", QColor(0x00, 0x80, 0x00));

    // Keypad.
    for (int i = 0; i < 16; ++i) {
        const Key& key = Keypad[i];
        auto* button = new PictureButton(form);
        button->setObjectName(ElementName("Command2", i));
        PlaceTwips(button, key.left, key.top, ButtonSide, ButtonSide);
        button->setText(QString::fromLatin1(key.caption));
        button->SetBackColor(QColor::fromRgb(key.back));
        button->setFont(key.sign ? ArialFont(36, true) : ArialFont(24, false));
        Command2[i] = button;
    }

    // Board and palette.
    Picture2 = new BoardWidget(form);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    PlaceTwips(Picture2, 3960, 3000, 7815, 4455);

    auto* label = new QLabel(QStringLiteral("Label1"), Picture2);
    label->setObjectName(ElementName("Label1", 0));
    SetTextColor(label, QColor(0xFF, 0xFF, 0xFF));
    label->setFont(ArialFont(36, true));
    PlaceTwips(label, 360, 720, 2280, 840);
    label->adjustSize(); // the label fits its text
    label->hide();
    Label1 = {label};

    const QPalette system = QApplication::palette();
    auto* bar = new QFrame(Picture2);
    bar->setObjectName(ElementName("Picture3", 0));
    SetFillColor(bar, system.color(QPalette::Base)); // the desktop's window colour
    SetTextColor(bar, system.color(QPalette::Text));
    PlaceTwips(bar, 720, 2280, 2655, 135);
    bar->hide();
    Picture3 = {bar};

    Fandorel2 = new AnimatedPicture(Picture2);
    Fandorel2->setObjectName(QStringLiteral("Fandorel2"));
    PlaceTwips(Fandorel2, 6480, 3120, 1695, 1335);
    Fandorel2->hide();

    // The palette's lower rows overlap the board's top; the palette lies over it, so its grey band
    // shows (and can be clicked) under the strip.
    Picture4 = new PaletteBox(form);
    Picture4->setObjectName(QStringLiteral("Picture4"));
    PlaceTwips(Picture4, 3960, 2760, 7815, 375);

    // Answer row. Text2 and Combo2 share a place; only one of them shows at a time.
    Text2 = new QLineEdit(form);
    Text2->setObjectName(QStringLiteral("Text2"));
    PlaceTwips(Text2, 4080, 7680, 5055, 675);
    Text2->setAlignment(Qt::AlignCenter);
    Text2->setFont(ArialFont(24, true));
    KeepSystemColors(Text2);

    Combo2 = EditableCombo(form, QStringLiteral("Combo2"), QStringLiteral("Combo2"));
    PlaceTwips(Combo2, 4080, 7800, 5055, 450);
    Combo2->setFont(ArialFont(14.25, true));
    Combo2->hide();

    Command8 = new PictureButton(form);
    Command8->setObjectName(QStringLiteral("Command8"));
    PlaceTwips(Command8, Form1Command8Box.left, Form1Command8Box.top, Form1Command8Box.width,
               Form1Command8Box.height);
    Command8->setText(QStringLiteral("COMPROBAR"));
    Command8->setFont(ArialFont(Form1Command8Box.points, Form1Command8Box.bold));
    Command8->SetBackColor(QColor(0xFF, 0xFF, 0xFF));

    // Working controls, never shown.
    File1 = new FileList(form);
    File1->setObjectName(QStringLiteral("File1"));
    PlaceTwips(File1, 9240, 7440, 855, 285);
    KeepSystemColors(File1);
    File1->hide();

    Combo1 = EditableCombo(form, QStringLiteral("Combo1"), QStringLiteral("Combo1"));
    PlaceTwips(Combo1, 6240, 8040, 2655, 315);
    Combo1->hide();

    Text1 = new QLineEdit(QStringLiteral("Text1"), form);
    Text1->setObjectName(QStringLiteral("Text1"));
    PlaceTwips(Text1, 5160, 7920, 855, 375);
    KeepSystemColors(Text1);
    Text1->hide();

    SetTabChain({Text1,       Combo1,       Command1[0],  Picture1,     Command2[0],  Command2[1],
                 Command2[2], Command2[3],  Command2[4],  Command2[5],  Command2[6],  Command2[7],
                 Command2[8], Command2[9],  Command2[10], Command2[11], Picture2,     Label1[0],
                 Command3,    Text2,        Picture3[0],  Command4,     Command5,     Picture4,
                 Combo2,      Command2[12], Command2[13], Command6,     Command2[14], Command2[15],
                 Fandorel1,   Command8,     Fandorel2,    Command7[1],  Command7[2],  Command1[1],
                 File1,       Text3});

    // The speaker, after the designed controls: last in the tab order, over the statement's corner.
    Command9 = new PictureButton(form);
    Command9->setObjectName(QStringLiteral("Command9"));
    Command9->resize(TwipsToPx(SpeakerSide), TwipsToPx(SpeakerSide));
    Command9->SetPicture(QStringLiteral(":/resources/speaker.svg"));
    Command9->SetBackColor(QColor(0xFF, 0xFF, 0xFF));
    Command9->setToolTip(QStringLiteral("Escuchar el enunciado"));
    Command9->setAccessibleName(QStringLiteral("Escuchar el enunciado"));
    Command9->setShortcut(QKeySequence(Qt::Key_F5));
    Text3->SetCornerButton(Command9);
    QWidget::setTabOrder(Text3, Command9);
}
