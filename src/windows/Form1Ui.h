// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "windows/StatementBox.h" // Text3: its users see it as the QPlainTextEdit it is

#include <QColor>
#include <QString>

#include <array>
#include <vector>

class AnimatedPicture;
class BoardWidget;
class PaletteBox;
class PictureButton;
class FileList;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QWidget;

// The exercise window's controls, under their designed names, as setupUi() creates them on the
// window: every position, size, colour, font, caption, picture, initial text, visibility and the
// tab order of the layout. Control arrays are indexable; an index that the layout does not use
// holds nullptr. Elements of Label1 and Picture3 beyond 0 are made at run time by the board.
struct Form1Ui {
    QFrame* Picture1 = nullptr;    // white statement area
    StatementBox* Text3 = nullptr; // the statement (inside Picture1)
    AnimatedPicture* Fandorel1 = nullptr;

    std::array<PictureButton*, 2> Command1{};  // 0 previous, 1 next
    std::array<PictureButton*, 16> Command2{}; // the keypad
    PictureButton* Command3 = nullptr;         // symbol size
    PictureButton* Command4 = nullptr;         // bar
    PictureButton* Command5 = nullptr;         // eraser
    PictureButton* Command6 = nullptr;         // exit
    std::array<PictureButton*, 3> Command7{};  // 1 group window, 2 report window (0 unused)
    PictureButton* Command8 = nullptr;         // check
    // Speaker: reads the statement aloud. Not a designed control: it sits inside Text3's frame, at
    // its lower right, in a strip the text keeps clear of, so every designed control keeps its place.
    PictureButton* Command9 = nullptr;

    PaletteBox* Picture4 = nullptr;       // colour palette
    BoardWidget* Picture2 = nullptr;      // the board
    std::vector<QLabel*> Label1;          // symbol labels; element 0 from the layout
    std::vector<QFrame*> Picture3;        // bars; element 0 from the layout
    AnimatedPicture* Fandorel2 = nullptr; // verdict animation (on the board)

    QLineEdit* Text2 = nullptr;  // answer box
    QComboBox* Combo2 = nullptr; // answer chooser / expression tokens
    FileList* File1 = nullptr;   // hidden: files of the group folder
    QComboBox* Combo1 = nullptr; // hidden: words of the statement line
    QLineEdit* Text1 = nullptr;  // hidden: statement line as read

    void setupUi(QWidget* form);
};
