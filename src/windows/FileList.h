// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListWidget>
#include <QString>

// A file list over one folder, kept hidden: the exercise window counts the templates of the
// chosen group with it. It lists every ordinary file of the folder, whatever its name; hidden
// files and sub-folders are left out.
class FileList : public QListWidget {
    Q_OBJECT

public:
    explicit FileList(QWidget* parent = nullptr);

    // Reads the folder afresh, even when it is the one already shown (files may have changed).
    // A missing folder leaves the list empty.
    void SetPath(const QString& folder);
    QString Path() const { return path_; }

    int ListCount() const { return count(); }
    // The file name (without folder) of entry i.
    QString List(int i) const;

private:
    QString path_;
};
