// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/Form3Ui.h"

#include "windows/PictureButton.h"
#include "windows/Twips.h"
#include "windows/UiHelpers.h"

#include <QFrame>
#include <QPlainTextEdit>

void Form3Ui::setupUi(QWidget* form) {
    form->setWindowTitle(QStringLiteral("KOTIRA"));
    MakeFrameless(form);
    SetProgramIcon(form);
    SetFillColor(form, QColor(0xC0, 0xC0, 0xFF));
    form->setFixedSize(TwipsToPx(7395), TwipsToPx(5790));

    // A drawn outline: created first so that it lies beneath the controls, and blind to the mouse.
    Shape1 = new QFrame(form);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    PlaceTwips(Shape1, 120, 960, 6975, 4695);
    Shape1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Shape1->setLineWidth(1);
    SetTextColor(Shape1, QColor(0x00, 0x00, 0x00));
    Shape1->setAttribute(Qt::WA_TransparentForMouseEvents);

    auto* back = new PictureButton(form);
    back->setObjectName(ElementName("Command1", 2));
    PlaceTwips(back, 120, 120, 735, 735);
    back->SetBackColor(QColor(0xFF, 0x80, 0x00));
    back->SetPicture(QStringLiteral(":/resources/closed_door.svg"));
    Command1[2] = back;

    auto* save = new PictureButton(form);
    save->setObjectName(ElementName("Command1", 0));
    PlaceTwips(save, 960, 120, 735, 735);
    save->SetBackColor(QColor(0xFF, 0x00, 0xFF));
    save->SetPicture(QStringLiteral(":/resources/notepad.svg"));
    Command1[0] = save;

    Text1 = new QPlainTextEdit(form);
    Text1->setObjectName(QStringLiteral("Text1"));
    PlaceTwips(Text1, 1560, 1320, 3735, 4455);
    Text1->setFont(ArialFont(12, false));
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setPlainText(QStringLiteral("Text1"));
    // Tab moves on rather than putting a tab character into the report.
    Text1->setTabChangesFocus(true);
    KeepSystemColors(Text1);
}
