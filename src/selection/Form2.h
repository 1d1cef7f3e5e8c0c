// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "windows/Form2Ui.h"

#include <QWidget>

class QListWidgetItem;

// The group-selection window. One program-wide instance, created and loaded by the start-up
// window's click and kept until the program ends; closing it ends the program. Selecting an entry
// names the chosen group in Module1 (GroupPath, GroupIndex); the confirm button opens the exercise
// window on it.
class Form2 : public QWidget {
    Q_OBJECT

public:
    // The instance, created and loaded (Form_Load) on first use.
    static Form2& Instance();
    // The instance if it has been created, else nullptr (never creates it).
    static Form2* Existing();
    // Destroys the instance without running Form_Unload; for tests and the program's end.
    static void Unload();

    // Shows the window for another of the program's windows: not modally, brought to the front,
    // made the program's active window. The selection made earlier is kept.
    void ShowFromProgram();

    Form2Ui ui;

    // Handlers, named after their control and event.
    void Form_Load();
    void List1_Click();
    void Command1_Click();
    void Form_Unload();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Form2();
    ~Form2() override;

    void FillGroupList();
    void onItemClicked(QListWidgetItem* item);

    // Row that was current when the pointer went down on the list: a click on the entry already
    // selected changes nothing in the list, yet is a selection all the same.
    int rowAtPress_ = -1;
};
