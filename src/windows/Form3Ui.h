// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

class PictureButton;
class QFrame;
class QPlainTextEdit;
class QWidget;

// The report window's controls as designed.
struct Form3Ui {
    std::array<PictureButton*, 3> Command1{}; // 0 save and open, 2 back (1 unused)
    QFrame* Shape1 = nullptr;                 // frame around the text
    QPlainTextEdit* Text1 = nullptr;          // the report text

    void setupUi(QWidget* form);
};
