// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// The report file "texto.txt": the report text with every line ending in CR LF, then one more
// CR LF, in the system's 8-bit code page (Windows-1252 on Windows, UTF-8 elsewhere).
namespace ReportFile {

// Every line break of a text (CR LF, a lone CR, a lone LF, and the paragraph and line separators a
// text document keeps between its blocks) as one CR LF.
QString WithCrLf(QStringView text);

// The bytes of the file for a report text.
QByteArray FileBytes(QStringView reportText);

// Where the report is saved: "texto.txt" in the application folder whenever a file can be made
// there; otherwise (an installation pupils cannot write to) "texto.txt" in the user's documents
// folder, which is created if missing.
QString SavePath();

// Writes the report text to path, replacing the file whole. The new content goes to a temporary
// file beside it that is renamed over the old one only once it is complete, so a failure at any
// point leaves the previous report as it was. Returns false, with a reason in errorString when
// given, if the file could not be written.
bool Save(const QString& path, QStringView reportText, QString* errorString = nullptr);

} // namespace ReportFile
