// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ReportFile.h"

#include "app/AppFolder.h"
#include "app/TextFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

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

QStringList SavePaths() {
    QStringList paths{AppPath(u"\\texto.txt")};
    const auto addIn = [&paths](const QString& folder) {
        if (folder.isEmpty())
            return;
        const QString path = QDir::cleanPath(QDir(folder).filePath(QStringLiteral("texto.txt")));
        if (!paths.contains(path))
            paths.append(path);
    };
    addIn(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    addIn(QDir::homePath());
    return paths;
}

SaveResult SaveReport(QStringView reportText) {
    SaveResult result;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    for (const QString& path : SavePaths()) {
        result.tried.append(path);
        // The documents folder of a new account may not exist yet.
        if (!documents.isEmpty() && QFileInfo(path).absolutePath() == QDir::cleanPath(documents))
            QDir().mkpath(documents);
        // Whether a place takes the report is found by saving there: permission bits do not answer
        // it (root writes where they say no, a read-only mount refuses whatever they say, Windows
        // keeps access rights elsewhere), and only the save itself meets a file that is not the
        // pupil's to replace.
        if (Save(path, reportText)) {
            result.path = path;
            break;
        }
    }
    return result;
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
