// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QWidget>

// The colour palette: a strip of 35 swatches drawn at the box's top-left corner. The box is
// narrower than the strip (the last swatches are cut off) and taller (a band of the box's own
// colour shows below). A click picks the colour of the pixel under the pointer, so the strip is
// drawn pixel for pixel and the colours read back are exactly the listed ones.
class PaletteBox : public QWidget {
    Q_OBJECT

public:
    explicit PaletteBox(QWidget* parent = nullptr);

    // The strip, 565 by 19 pixels: swatch k fills columns 6+16k..17+16k of rows 3..14.
    static QImage PaletteImage();

    // The colour shown at a pixel of the box: the strip's pixel inside the strip, the box's
    // background colour (button-face grey #C0C0C0) elsewhere.
    QColor ColorAt(QPoint px) const;
    QColor BackColor() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};
