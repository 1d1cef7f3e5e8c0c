// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/StatementBox.h"

#include <QEvent>

namespace {
constexpr int Gap = 2; // pixels between the button and the text, the scroll bar and the frame
}

void StatementBox::SetCornerButton(QWidget* button) {
    corner_ = button;
    button->setParent(this);
    button->installEventFilter(this);
    placeCornerButton();
}

void StatementBox::resizeEvent(QResizeEvent* event) {
    QPlainTextEdit::resizeEvent(event);
    placeCornerButton();
}

bool StatementBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == corner_ &&
        (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent))
        placeCornerButton();
    return QPlainTextEdit::eventFilter(watched, event);
}

void StatementBox::placeCornerButton() {
    if (!corner_)
        return;
    const int strip = corner_->isHidden() ? 0 : corner_->width() + 2 * Gap;
    setViewportMargins(0, 0, strip, 0);
    // The strip lies between the text and the scroll bar, inside the frame.
    corner_->move(viewport()->geometry().right() + 1 + Gap,
                  contentsRect().bottom() - Gap - corner_->height() + 1);
}
