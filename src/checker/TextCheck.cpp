// SPDX-License-Identifier: GPL-3.0-or-later
#include "checker/TextCheck.h"

namespace {

bool isText(QChar c) {
    const char16_t u = c.unicode();
    if (u == u'\t')
        return true;
    return !(u < 0x20 || (u >= 0x7F && u <= 0x9F) || u == 0xFFFD);
}

} // namespace

void CheckTextCharacters(const QStringList& lines, FindingList& findings) {
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        for (qsizetype c = 0; c < line.size(); ++c) {
            if (isText(line[c]))
                continue;
            findings.add(Severity::Error, QStringLiteral("no-es-texto"), int(i + 1),
                         QStringLiteral("U+%1").arg(line[c].unicode(), 4, 16, QLatin1Char('0')).toUpper(),
                         QStringLiteral("el fichero tiene caracteres que no son texto (en la columna %1): se "
                                        "muestran como símbolos extraños o nada")
                             .arg(c + 1),
                         QStringLiteral("guárdelo como texto sin formato (ANSI/Windows-1252 o UTF-8) con un "
                                        "editor de texto, no con un procesador de textos"));
            break; // one finding per line is enough
        }
    }
}
