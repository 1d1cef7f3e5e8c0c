// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/FileList.h"

#include <QDir>

FileList::FileList(QWidget* parent) : QListWidget(parent) {}

void FileList::SetPath(const QString& folder) {
    path_ = folder;
    clear();
    const QDir dir(folder);
    if (folder.isEmpty() || !dir.exists())
        return;
    // QDir::Files without QDir::Hidden: ordinary files only; names sort as on Windows, case ignored.
    addItems(dir.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase));
}

QString FileList::List(int i) const {
    const QListWidgetItem* entry = item(i);
    return entry ? entry->text() : QString();
}
