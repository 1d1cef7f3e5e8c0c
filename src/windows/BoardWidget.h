// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>

// The dark-green board on which the pupil lays symbols and bars. It has no border, so its
// children's positions are measured from its top-left corner. Mouse tracking is on: the board's
// pointer-move events arrive without a button held. The gestures are added by the exercise window.
class BoardWidget : public QFrame {
    Q_OBJECT

public:
    explicit BoardWidget(QWidget* parent = nullptr);
};
