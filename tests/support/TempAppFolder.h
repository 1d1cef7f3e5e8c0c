// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A throw-away application folder for a test: files are written beneath it by relative path
// ("datos/NOMBRE.txt") and the program's path routine points at it while the object lives.
class TempAppFolder {
public:
    TempAppFolder();
    ~TempAppFolder();
    TempAppFolder(const TempAppFolder&) = delete;
    TempAppFolder& operator=(const TempAppFolder&) = delete;

    QString path() const { return dir_.path(); }
    // Writes bytes as they are (no line-end or encoding conversion); creates missing folders.
    QString write(const QString& relative, const QByteArray& bytes) const;
    // Writes the lines in Windows-1252 joined by CR LF, with a final CR LF, as a teacher's editor would.
    QString writeLines(const QString& relative, const QStringList& lines) const;
    QString mkdir(const QString& relative) const;

private:
    QTemporaryDir dir_;
};
