// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// The start-up window: the title picture fills it; it has no controls.
struct Form4Ui {
    void setupUi(QWidget* form);
};
