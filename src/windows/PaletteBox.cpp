// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/PaletteBox.h"

#include <QPainter>

#include <array>

namespace {

constexpr int StripWidth = 565;
constexpr int StripHeight = 19;
constexpr int SwatchSize = 12;
constexpr int SwatchPitch = 16; // swatch and the 4-pixel bevel that follows it
constexpr int FirstSwatchLeft = 6;
constexpr int SwatchTop = 3;

// Left to right.
constexpr std::array<QRgb, 35> Swatches = {
    0xFFFFFF, 0xC0C0C0, 0xFF0000, 0xFFFF00, 0x00FF00, 0x00FFFF, 0x0000FF, 0xFF00FF, 0xFFFF80,
    0x00FF80, 0x80FFFF, 0x8080FF, 0xFF0080, 0xFF8040, 0xFFFFFF, 0xC0C0C0, 0xFF0000, 0xCC9966,
    0x00FF00, 0xCC33CC, 0x336633, 0xFF00FF, 0x000000, 0x808080, 0x800000, 0x808000, 0x008000,
    0x008080, 0x000080, 0x800080, 0x808040, 0x004040, 0x0080FF, 0x004080, 0x4000FF,
};

const QColor Face(0xC0, 0xC0, 0xC0);
const QColor Shadow(0x80, 0x80, 0x80);
const QColor Black(0x00, 0x00, 0x00);

QImage DrawStrip() {
    QImage strip(StripWidth, StripHeight, QImage::Format_RGB32);
    strip.fill(Face);
    // The bevel left of each swatch: one light grey, two grey and one black column, on the
    // swatch rows only; the rows above and below stay grey.
    const std::array<QColor, 4> bevel = {Face, Shadow, Shadow, Black};
    for (int k = 0; k < static_cast<int>(Swatches.size()); ++k) {
        const int left = FirstSwatchLeft + SwatchPitch * k;
        for (int b = 0; b < 4; ++b) {
            for (int y = SwatchTop; y < SwatchTop + SwatchSize; ++y)
                strip.setPixelColor(left - 4 + b, y, bevel[b]);
        }
        for (int y = SwatchTop; y < SwatchTop + SwatchSize; ++y) {
            for (int x = left; x < left + SwatchSize; ++x)
                strip.setPixel(x, y, 0xFF000000 | Swatches[k]);
        }
    }
    return strip;
}

} // namespace

PaletteBox::PaletteBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QImage PaletteBox::PaletteImage() {
    static const QImage strip = DrawStrip();
    return strip;
}

QColor PaletteBox::ColorAt(QPoint px) const {
    const QImage strip = PaletteImage();
    if (strip.rect().contains(px) && rect().contains(px))
        return strip.pixelColor(px);
    return BackColor();
}

QColor PaletteBox::BackColor() const {
    return Face;
}

void PaletteBox::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), BackColor());
    painter.drawImage(QPoint(0, 0), PaletteImage());
}
