// SPDX-License-Identifier: GPL-3.0-or-later
#include "selection/Form2.h"

#include "app/AppFolder.h"
#include "app/Cue.h"
#include "app/Form4.h"
#include "app/LanguageFile.h"
#include "app/Module1.h"
#include "app/Program.h"
#include "problems/Form1.h"
#include "windows/PictureButton.h"

#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>

namespace {

Form2* instance = nullptr;

} // namespace

Form2& Form2::Instance() {
    if (!instance) {
        // The pointer is set before loading, so that whatever the load reaches finds this window.
        instance = new Form2;
        instance->Form_Load();
    }
    return *instance;
}

Form2* Form2::Existing() {
    return instance;
}

void Form2::Unload() {
    delete instance;
}

Form2::Form2() {
    ui.setupUi(this);

    // A selection by keyboard, by pointer or by the load raises the click handler once; a click
    // on the entry already selected does too, as it does on the platform the program comes from.
    connect(ui.List1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            List1_Click();
    });
    connect(ui.List1, &QListWidget::itemClicked, this, &Form2::onItemClicked);
    ui.List1->viewport()->installEventFilter(this);
    connect(ui.Command1, &QPushButton::clicked, this, &Form2::Command1_Click);

    RegisterProgramWindow(this);
}

Form2::~Form2() {
    if (instance == this)
        instance = nullptr;
}

void Form2::ShowFromProgram() {
    BringToFront(this);
    MakeActiveProgramWindow(this);
}

void Form2::Form_Load() {
    // Every step runs even when an earlier one found nothing to work on.
    // 1. Centred; the size stays as designed.
    CentreOnScreen(this);
    // 2.
    FillGroupList();
    // 3. Lines 1 and 2 of the language file.
    const GroupWindowTexts texts = ReadGroupWindowTexts();
    ui.Command1->setText(texts.buttonCaption);
    ui.Label2->setText(texts.heading);
    // 4. Selecting the first entry raises List1_Click; an empty list has none to select.
    if (ui.List1->count() > 0)
        ui.List1->setCurrentRow(0);
}

void Form2::FillGroupList() {
    // 1. The shipped groups and the school's own, sorted by name; none at all leaves the list as it
    //    is.
    const QList<GroupFolder> groups = GroupFolders();
    // 2. Each group by its folder's own name, appended in that order; the entry keeps the folder's
    //    full path, since a group may live in either folder.
    for (const GroupFolder& group : groups) {
        auto* entry = new QListWidgetItem(group.name);
        entry->setData(Qt::UserRole, group.path);
        ui.List1->addItem(entry);
    }
}

void Form2::List1_Click() {
    PlayCue(u"\\sonidos\\lista.WAV");
    const int row = ui.List1->currentRow();
    Module1::GroupIndex = static_cast<qint16>(row);
    Module1::GroupPath = ui.List1->item(row)->data(Qt::UserRole).toString();
}

void Form2::Command1_Click() {
    PlayCue(u"\\sonidos\\pasa.WAV");
    Form1::Instance().ShowFromProgram();
}

void Form2::Form_Unload() {
    EndProgram();
}

void Form2::closeEvent(QCloseEvent* event) {
    event->accept();
    Form_Unload();
}

bool Form2::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui.List1->viewport() &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick))
        rowAtPress_ = ui.List1->currentRow();
    return QWidget::eventFilter(watched, event);
}

void Form2::onItemClicked(QListWidgetItem* item) {
    // A click that changed the selection has raised List1_Click through the row change already.
    const int row = ui.List1->row(item);
    if (row >= 0 && row == rowAtPress_ && row == ui.List1->currentRow())
        List1_Click();
    rowAtPress_ = -1;
}
