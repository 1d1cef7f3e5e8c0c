// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPushButton>
#include <QString>

class QSvgRenderer;

// A graphical button: a background colour of its own, an optional picture and a caption in the
// button's font. It paints itself, so the background shows exactly the colour asked for (the
// check button's white, blue and red are read back from screen grabs), with a raised bevel, a
// sunken one while pressed, a dotted focus frame, and a greyed caption when disabled.
class PictureButton : public QPushButton {
    Q_OBJECT

public:
    explicit PictureButton(QWidget* parent = nullptr);

    void SetBackColor(const QColor& color);
    QColor BackColor() const { return backColor_; }

    // An SVG from the resources (":/resources/door.svg"), drawn crisp at the button's size;
    // an empty path removes the picture.
    void SetPicture(const QString& resourcePath);
    QString Picture() const { return picturePath_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintBevel(QPainter& painter, bool sunken) const;

    QColor backColor_{0xC0, 0xC0, 0xC0}; // button face until told otherwise
    QString picturePath_;
    QSvgRenderer* picture_ = nullptr;
};
