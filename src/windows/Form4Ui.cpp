// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/Form4Ui.h"

#include "windows/SvgPicture.h"
#include "windows/Twips.h"
#include "windows/UiHelpers.h"

void Form4Ui::setupUi(QWidget* form) {
    form->setWindowTitle(QStringLiteral("KOTIRA"));
    MakeFrameless(form);
    SetProgramIcon(form);
    SetFillColor(form, QColor(0x00, 0x00, 0x80)); // the title picture's own blue, under it
    form->setFixedSize(TwipsToPx(6390), TwipsToPx(5355));

    // The title picture at its designed size from the top-left corner, as a window's picture is
    // drawn: a little larger than the window, it is cut at the right and bottom edges, never
    // squeezed. Clicks go through it to the window.
    auto* title = new SvgPicture(QStringLiteral(":/resources/title.svg"), form);
    title->setObjectName(QStringLiteral("TitlePicture"));
    title->setGeometry(QRect(QPoint(0, 0), title->sizeHint()));
}
