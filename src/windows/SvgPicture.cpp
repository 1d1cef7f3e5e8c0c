// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/SvgPicture.h"

#include <QPainter>
#include <QSvgRenderer>

SvgPicture::SvgPicture(const QString& resourcePath, QWidget* parent)
    : QWidget(parent), renderer_(new QSvgRenderer(resourcePath, this)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

QSize SvgPicture::sizeHint() const {
    return renderer_->defaultSize();
}

void SvgPicture::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    renderer_->render(&painter, QRectF(rect()));
}
