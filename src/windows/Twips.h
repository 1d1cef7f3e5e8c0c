// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QRect>
#include <QWidget>

#include <cmath>

// The layout and the handlers speak twips (1/1440 inch); widgets speak device-independent pixels.
// At 96 dpi 15 twips make one pixel; Qt's high-dpi scaling takes care of other screens.
inline constexpr double TwipsPerPixel = 15.0;

inline int TwipsToPx(double twips) {
    return static_cast<int>(std::lround(twips / TwipsPerPixel));
}
inline double PxToTwips(double px) {
    return px * TwipsPerPixel;
}
inline QPointF PxToTwips(QPointF px) {
    return px * TwipsPerPixel;
}

// Places a widget at a position and size given in twips.
inline void PlaceTwips(QWidget* widget, double left, double top, double width, double height) {
    widget->setGeometry(TwipsToPx(left), TwipsToPx(top), TwipsToPx(width), TwipsToPx(height));
}
