// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/DirList.h"

#include <QDir>

DirList::DirList(QWidget* parent) : QWidget(parent) {}

bool DirList::SetPath(const QString& folder) {
    path_ = folder;
    folders_.clear();
    const QDir dir(folder);
    if (folder.isEmpty() || !dir.exists())
        return false;
    const QStringList names = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : names)
        folders_.append(dir.absoluteFilePath(name));
    return true;
}

QString DirList::List(int i) const {
    return i >= 0 && i < folders_.size() ? folders_.at(i) : QString();
}
