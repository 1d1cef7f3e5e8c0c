// SPDX-License-Identifier: GPL-3.0-or-later
#include "checker/TextCheck.h"

#include <QFile>

namespace {

bool isText(QChar c) {
    const char16_t u = c.unicode();
    if (u == u'\t')
        return true;
    return !(u < 0x20 || (u >= 0x7F && u <= 0x9F) || u == 0xFFFD);
}

// Notepad's "Unicode" (UTF-16) with or without its byte-order mark: text of Latin letters has a
// zero in every other byte.
bool isUtf16(const QByteArray& head) {
    if (head.startsWith("\xFF\xFE") || head.startsWith("\xFE\xFF"))
        return true;
    const qsizetype pairs = std::min<qsizetype>(head.size() / 2, 64);
    if (pairs < 2)
        return false;
    int zeroEven = 0;
    int zeroOdd = 0;
    for (qsizetype i = 0; i < pairs; ++i) {
        zeroEven += head[2 * i] == '\0' ? 1 : 0;
        zeroOdd += head[2 * i + 1] == '\0' ? 1 : 0;
    }
    return (zeroOdd * 10 >= pairs * 9 && zeroEven == 0) || (zeroEven * 10 >= pairs * 9 && zeroOdd == 0);
}

// The format the file's first bytes show, worded for the teacher; empty for none known.
QString formatOf(const QByteArray& head) {
    if (isUtf16(head))
        return QStringLiteral("texto UTF-16 (lo que el Bloc de notas llama «Unicode»)");
    if (head.startsWith("PK\x03\x04"))
        return QStringLiteral("un documento comprimido (.docx de Word, .odt de LibreOffice u otro ZIP)");
    if (head.startsWith("%PDF"))
        return QStringLiteral("un documento PDF");
    if (head.startsWith("{\\rtf"))
        return QStringLiteral("un documento RTF (WordPad)");
    if (head.startsWith("\xD0\xCF\x11\xE0"))
        return QStringLiteral("un documento .doc de Word");
    return QString();
}

QByteArray headOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(128) : QByteArray();
}

} // namespace

bool CheckTextCharacters(const QStringList& lines, FindingList& findings, const QString& path) {
    // RTF is plain ASCII: only its first characters tell it.
    bool odd = !lines.isEmpty() && lines[0].startsWith(u"{\\rtf");
    for (qsizetype i = 0; i < lines.size() && !odd; ++i)
        odd = !std::all_of(lines[i].cbegin(), lines[i].cend(), isText);
    if (!odd)
        return false;
    if (!path.isEmpty()) {
        if (const QString format = formatOf(headOf(path)); !format.isEmpty()) {
            findings.add(Severity::Error, QStringLiteral("formato-no-texto"), 0, QString(),
                         QStringLiteral("el fichero es %1, no texto sin formato: el programa lo lee como "
                                        "símbolos extraños")
                             .arg(format),
                         QStringLiteral("ábralo con su programa y guárdelo como «Texto sin formato» (.txt) "
                                        "en ANSI/Windows-1252 o UTF-8; en el Bloc de notas: Guardar como, "
                                        "Codificación ANSI o UTF-8"));
            return true;
        }
    }
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        for (qsizetype c = 0; c < line.size(); ++c) {
            if (isText(line[c]))
                continue;
            findings.add(Severity::Error, QStringLiteral("no-es-texto"), int(i + 1), CodePoint(line[c]),
                         QStringLiteral("el fichero tiene caracteres que no son texto (en la columna %1): se "
                                        "muestran como símbolos extraños o nada")
                             .arg(c + 1),
                         QStringLiteral("guárdelo como texto sin formato (ANSI/Windows-1252 o UTF-8) con un "
                                        "editor de texto, no con un procesador de textos"));
            break; // one finding per line is enough
        }
    }
    return false;
}
