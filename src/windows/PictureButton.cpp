// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/PictureButton.h"

#include "windows/CaptionBoxes.h"

#include <QPainter>
#include <QSvgRenderer>

namespace {
const QColor Light(0xFF, 0xFF, 0xFF);
const QColor Shadow(0x80, 0x80, 0x80);
const QColor Dark(0x00, 0x00, 0x00);
constexpr int BevelWidth = ButtonBevelPx;
} // namespace

PictureButton::PictureButton(QWidget* parent) : QPushButton(parent) {}

void PictureButton::SetBackColor(const QColor& color) {
    backColor_ = color;
    update();
}

void PictureButton::SetPicture(const QString& resourcePath) {
    picturePath_ = resourcePath;
    delete picture_;
    picture_ = resourcePath.isEmpty() ? nullptr : new QSvgRenderer(resourcePath, this);
    update();
}

void PictureButton::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), backColor_);

    const bool sunken = isDown() || isChecked();
    // Pressed contents move one pixel down and right, as a pushed key would.
    QRect content = rect().adjusted(BevelWidth, BevelWidth, -BevelWidth, -BevelWidth);
    if (sunken)
        content.translate(1, 1);

    const QString caption = text();
    QRect captionArea = content;
    if (picture_ && picture_->isValid()) {
        QRect pictureArea = content;
        if (!caption.isEmpty()) {
            // Caption under the picture, one text line high.
            const int lineHeight = fontMetrics().height();
            pictureArea.setBottom(content.bottom() - lineHeight);
            captionArea.setTop(pictureArea.bottom() + 1);
        }
        QSizeF size = picture_->defaultSize();
        size.scale(pictureArea.size(), Qt::KeepAspectRatio);
        QRectF target(QPointF(), size);
        target.moveCenter(QRectF(pictureArea).center());
        painter.setRenderHint(QPainter::Antialiasing);
        picture_->render(&painter, target);
        painter.setRenderHint(QPainter::Antialiasing, false);
    }

    if (!caption.isEmpty()) {
        painter.setFont(font());
        const int flags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
        if (isEnabled()) {
            painter.setPen(Dark);
            painter.drawText(captionArea, flags, caption);
        } else {
            // Engraved grey text, readable on any background colour.
            painter.setPen(Light);
            painter.drawText(captionArea.translated(1, 1), flags, caption);
            painter.setPen(Shadow);
            painter.drawText(captionArea, flags, caption);
        }
    }

    paintBevel(painter, sunken);

    if (hasFocus()) {
        QPen dotted(Dark);
        dotted.setStyle(Qt::DotLine);
        painter.setPen(dotted);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(content.adjusted(2, 2, -3, -3));
    }
}

void PictureButton::paintBevel(QPainter& painter, bool sunken) const {
    if (sunken) {
        // drawRect() outlines one pixel beyond the rectangle's right and bottom edges.
        painter.setPen(Dark);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        painter.setPen(Shadow);
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
        return;
    }
    // Raised: light top and left, dark bottom and right, a grey inner shadow.
    const QRect r = rect();
    painter.setPen(Light);
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(Dark);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
    painter.setPen(Shadow);
    painter.drawLine(r.left() + 1, r.bottom() - 1, r.right() - 1, r.bottom() - 1);
    painter.drawLine(r.right() - 1, r.top() + 1, r.right() - 1, r.bottom() - 1);
}
