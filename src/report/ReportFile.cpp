// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ReportFile.h"

#include "app/AppFolder.h"
#include "app/TextFile.h"

#include <QDir>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {

// Whether a file can be made in the folder, found by making one. Permission bits do not answer it:
// root writes where they say no, a read-only mount refuses whatever they say, and on Windows
// QFileInfo does not read a folder's access rights at all.
bool CanMakeFileIn(const QString& folder) {
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral("texto-XXXXXX.tmp")));
    return probe.open(); // removed again when it goes out of scope
}

} // namespace

namespace ReportFile {

QString WithCrLf(QStringView text) {
    QString result;
    result.reserve(text.size() + text.size() / 16);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r') {
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            result += QLatin1String("\r\n");
        } else if (c == u'\n' || c == QChar::ParagraphSeparator || c == QChar::LineSeparator) {
            result += QLatin1String("\r\n");
        } else {
            result += c;
        }
    }
    return result;
}

QByteArray FileBytes(QStringView reportText) {
    const QString text = WithCrLf(reportText) + QLatin1String("\r\n");
#ifdef Q_OS_WIN
    // Qt's own "windows-1252" converter is missing where Qt is built without ICU, the usual case
    // on Windows, and then encodes everything to nothing.
    return EncodeWindows1252(text);
#else
    return text.toUtf8();
#endif
}

QString SavePath() {
    const QString appFolder = AppFolder();
    if (CanMakeFileIn(appFolder))
        return AppPath(u"\\texto.txt");
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty())
        return AppPath(u"\\texto.txt"); // nowhere else to go: the save fails and says where
    QDir().mkpath(documents);
    return QDir(documents).filePath(QStringLiteral("texto.txt"));
}

bool Save(const QString& path, QStringView reportText, QString* errorString) {
    QSaveFile file(path);
    // Never fall back to writing over the old file in place: that is what loses a report.
    file.setDirectWriteFallback(false);
    const QByteArray bytes = FileBytes(reportText);
    // The file always ends in CR LF: no bytes at all means the text could not be converted, and
    // an empty file must never pass for a saved report.
    if (bytes.isEmpty()) {
        if (errorString)
            *errorString = QStringLiteral("The report could not be converted to the file's encoding");
        return false;
    }
    // Unbuffered, so that a short write (disk full, file size limit) shows in write()'s count: a
    // buffered QFileDevice loses it at the flush inside commit(), which then renames a cut-off
    // report over the old one.
    const bool saved = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
                       file.write(bytes) == bytes.size() && file.commit();
    if (!saved && errorString)
        *errorString = file.errorString();
    return saved;
}

} // namespace ReportFile
