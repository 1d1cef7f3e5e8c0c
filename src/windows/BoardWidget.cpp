// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/BoardWidget.h"

#include <QPalette>

BoardWidget::BoardWidget(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::NoFrame);
    QPalette board = palette();
    board.setColor(QPalette::Window, QColor(0x00, 0x40, 0x00));
    setPalette(board);
    setAutoFillBackground(true);
    setMouseTracking(true);
}
