// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/Form2Ui.h"

#include "windows/CaptionBoxes.h"
#include "windows/DirList.h"
#include "windows/PictureButton.h"
#include "windows/Twips.h"
#include "windows/UiHelpers.h"

#include <QLabel>
#include <QListWidget>

// The banner in the title bar: product, version and two contact addresses.
static const char16_t ProgramBanner[] =
    u"KOTIRA - " KOTIRA_VERSION " - kotira@example.org - maestros@example.org";

void Form2Ui::setupUi(QWidget* form) {
    form->setWindowTitle(QString::fromUtf16(ProgramBanner));
    SetProgramIcon(form);
    SetFillColor(form, QColor(0xFF, 0x80, 0xFF));
    form->setFixedSize(TwipsToPx(6750), TwipsToPx(6615));

    Label2 = new QLabel(QStringLiteral("Selección del grupo de problemas"), form);
    Label2->setObjectName(QStringLiteral("Label2"));
    PlaceTwips(Label2, Form2Label2Box.left, Form2Label2Box.top, Form2Label2Box.width, Form2Label2Box.height);
    SetTextColor(Label2, QColor(0xC0, 0x00, 0x00));
    Label2->setFont(ArialFont(Form2Label2Box.points, Form2Label2Box.bold));

    List1 = new QListWidget(form);
    List1->setObjectName(QStringLiteral("List1"));
    PlaceTwips(List1, Form2List1Box.left, Form2List1Box.top, Form2List1Box.width, Form2List1Box.height);
    KeepSystemColors(List1);
    QPalette list = List1->palette();
    list.setColor(QPalette::Base, QColor(0xFF, 0x80, 0x00));
    list.setColor(QPalette::Text, QColor(0xFF, 0xFF, 0xFF));
    List1->setPalette(list);
    List1->setFont(ArialFont(Form2List1Box.points, Form2List1Box.bold));

    Command1 = new PictureButton(form);
    Command1->setObjectName(QStringLiteral("Command1"));
    PlaceTwips(Command1, Form2Command1Box.left, Form2Command1Box.top, Form2Command1Box.width,
               Form2Command1Box.height);
    Command1->setText(QStringLiteral("ACEPTAR"));
    Command1->SetBackColor(QColor(0x00, 0xFF, 0x00));
    Command1->setFont(ArialFont(Form2Command1Box.points, Form2Command1Box.bold));

    Dir1 = new DirList(form);
    Dir1->setObjectName(QStringLiteral("Dir1"));
    PlaceTwips(Dir1, 5760, 240, 615, 315);
    Dir1->hide();
}
