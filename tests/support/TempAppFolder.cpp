// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TempAppFolder.h"

#include "app/AppFolder.h"
#include "app/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TempAppFolder::TempAppFolder() {
    SetAppFolder(dir_.path());
}

TempAppFolder::~TempAppFolder() {
    SetAppFolder(QString());
}

QString TempAppFolder::write(const QString& relative, const QByteArray& bytes) const {
    const QString full = dir_.path() + u'/' + relative;
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile file(full);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
    return full;
}

QString TempAppFolder::writeLines(const QString& relative, const QStringList& lines) const {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += EncodeWindows1252(line);
        bytes += "\r\n";
    }
    return write(relative, bytes);
}

QString TempAppFolder::mkdir(const QString& relative) const {
    const QString full = dir_.path() + u'/' + relative;
    QDir().mkpath(full);
    return full;
}
