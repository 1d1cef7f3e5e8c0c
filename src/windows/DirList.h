// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

// A directory list, kept hidden: the group window enumerates the group folders with it. It
// holds the ordinary sub-folders of one folder (hidden ones left out), sorted by name with
// letter case ignored.
class DirList : public QWidget {
    Q_OBJECT

public:
    explicit DirList(QWidget* parent = nullptr);

    // False, and an empty list, when the folder does not exist.
    bool SetPath(const QString& folder);
    QString Path() const { return path_; }

    int ListCount() const { return static_cast<int>(folders_.size()); }
    // Full path of sub-folder i; empty outside 0..ListCount()-1.
    QString List(int i) const;

private:
    QString path_;
    QStringList folders_;
};
