// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

// The report file "texto.txt": the report text with every line ending in CR LF, then one more
// CR LF, in the system's 8-bit code page (Windows-1252 on Windows, UTF-8 elsewhere).
namespace ReportFile {

// Every line break of a text (CR LF, a lone CR, a lone LF, and the paragraph and line separators a
// text document keeps between its blocks) as one CR LF.
QString WithCrLf(QStringView text);

// The bytes of the file for a report text.
QByteArray FileBytes(QStringView reportText);

// The places the report may be saved, in the order they are tried: "texto.txt" in the
// application folder; then in the user's documents folder, for an installation pupils cannot
// write to or a "texto.txt" there that is not theirs to replace (another pupil's, in a shared
// copy of the folder); last in the home folder, when the documents folder cannot be used either.
QStringList SavePaths();

struct SaveResult {
    QString path;      // where the report was saved; empty when it could be saved nowhere
    QStringList tried; // every place tried, in order, the last one being path when it was saved
};

// Saves the report at the first of SavePaths() that takes it, making the documents folder when it
// is missing.
SaveResult SaveReport(QStringView reportText);

// Writes the report text to path, replacing the file whole. The new content goes to a temporary
// file beside it that is renamed over the old one only once it is complete, so a failure at any
// point leaves the previous report as it was. Returns false, with a reason in errorString when
// given, if the file could not be written.
bool Save(const QString& path, QStringView reportText, QString* errorString = nullptr);

} // namespace ReportFile
