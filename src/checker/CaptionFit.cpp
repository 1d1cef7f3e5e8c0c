// SPDX-License-Identifier: GPL-3.0-or-later
#include "checker/CaptionFit.h"

#include "windows/CaptionBoxes.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>

#include <cmath>

namespace {

// 15 twips make a pixel at the 96 dots per inch the layout is drawn for.
int pixels(double twips) {
    return int(std::lround(twips / 15.0));
}

// Measured as on a 96 dpi screen, whatever screen (if any) this program runs on.
const QImage& device96() {
    static const QImage image = [] {
        QImage made(1, 1, QImage::Format_RGB32);
        made.setDotsPerMeterX(3780);
        made.setDotsPerMeterY(3780);
        return made;
    }();
    return image;
}

QFontMetricsF metricsOf(const CaptionBox& box) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(box.points);
    font.setBold(box.bold);
    return QFontMetricsF(font, &device96());
}

// A picture button wraps its caption at spaces inside its bevel, centred.
bool fitsButton(const CaptionBox& box, const QString& text) {
    const QRectF area(0, 0, pixels(box.width) - 2 * ButtonBevelPx, pixels(box.height) - 2 * ButtonBevelPx);
    const QRectF needed =
        metricsOf(box).boundingRect(area, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, text);
    return needed.width() <= area.width() && needed.height() <= area.height();
}

// The heading is one line, cut at the label's edge.
bool fitsLabel(const CaptionBox& box, const QString& text) {
    return metricsOf(box).horizontalAdvance(text) <= pixels(box.width);
}

} // namespace

QString WindowCaptionMeter::groupNameShown(const QString& name) const {
    // A list entry's text lies inside the list's frame and the item's margins, and is cut at the
    // right with "…" as the list box cuts it.
    constexpr int FramePx = 2;
    constexpr int ItemMarginPx = 3;
    const double width = pixels(Form2List1Box.width) - 2 * FramePx - 2 * ItemMarginPx;
    const QFontMetricsF metrics = metricsOf(Form2List1Box);
    if (metrics.horizontalAdvance(name) <= width)
        return name;
    return metrics.elidedText(name, Qt::ElideRight, width);
}

bool WindowCaptionMeter::fits(int line, const QString& text) const {
    switch (line) {
    case 1:
        return fitsButton(Form2Command1Box, text);
    case 2:
        return fitsLabel(Form2Label2Box, text);
    case 3:
    case 4:
    case 5:
        return fitsButton(Form1Command8Box, text);
    default:
        return true;
    }
}

QString WindowCaptionMeter::placeOf(int line) const {
    switch (line) {
    case 1:
        return QStringLiteral("el botón de aceptar de la ventana de grupos");
    case 2:
        return QStringLiteral("el título de la lista de grupos");
    case 3:
        return QStringLiteral("el botón de comprobar");
    case 4:
        return QStringLiteral("el botón de comprobar tras una respuesta correcta");
    default:
        return QStringLiteral("el botón de comprobar tras una respuesta incorrecta");
    }
}
