// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class PictureButton;
class QLabel;
class QListWidget;
class QWidget;
class DirList;

// The group-selection window's controls as designed.
struct Form2Ui {
    QLabel* Label2 = nullptr;          // heading
    QListWidget* List1 = nullptr;      // the groups
    PictureButton* Command1 = nullptr; // confirm
    DirList* Dir1 = nullptr;           // hidden, as designed; the list comes from GroupFolders()

    void setupUi(QWidget* form);
};
