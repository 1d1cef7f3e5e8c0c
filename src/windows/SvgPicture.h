// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

class QSvgRenderer;

// An SVG picture stretched over the whole widget, drawn afresh at every paint so it stays crisp at
// any size and device pixel ratio. It lets mouse events through to the window beneath. Its size
// hint is the picture's designed size.
class SvgPicture : public QWidget {
    Q_OBJECT

public:
    explicit SvgPicture(const QString& resourcePath, QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSvgRenderer* renderer_;
};
