// SPDX-License-Identifier: GPL-3.0-or-later
#include "checker/LanguageCheck.h"

#include "app/AppFolder.h"
#include "app/TextFile.h"
#include "checker/ContentPaths.h"
#include "checker/TextCheck.h"

#include <QFileInfo>

namespace {

constexpr int LanguageLines = 7;

const char16_t* const Roles[LanguageLines] = {u"el botón de aceptar de la ventana de grupos",
                                              u"el título de la lista de grupos",
                                              u"el botón de comprobar",
                                              u"el botón tras una respuesta correcta",
                                              u"el botón tras una respuesta incorrecta",
                                              u"la pregunta al salir",
                                              u"el título del informe"};

} // namespace

QList<Finding> CheckLanguageFile(const CaptionMeter* meter) {
    const QString path = AppPath(u"\\configuracion\\idioma.txt");
    FindingList findings(RelativeName(path));
    const std::optional<QStringList> lines = ReadTextLines(path, LanguageLines);
    if (!lines) {
        const QFileInfo info(path);
        const bool permissions = info.isFile() && !info.isReadable();
        findings.add(Severity::Error, QStringLiteral("sin-idioma"), 0, QString(),
                     permissions
                         ? QStringLiteral("no se puede leer (permisos): los botones y el informe salen "
                                          "sin texto")
                         : QStringLiteral("no existe o no es un fichero: los botones y el informe salen "
                                          "sin texto"),
                     permissions ? QStringLiteral("dé permiso de lectura al fichero para todos los usuarios "
                                                  "(chmod a+r)")
                                 : QStringLiteral("cree configuracion/idioma.txt con sus siete líneas"));
        return findings.take();
    }
    if (CheckTextCharacters(*lines, findings, path))
        return findings.take();
    const qsizetype count = lines->size();
    if (count < LanguageLines) {
        // The group window sets its button and its heading from the same text, so with one line
        // the heading shows line 1 as well.
        QStringList missing;
        for (qsizetype i = count; i < LanguageLines; ++i) {
            if (i != 1 || count == 0)
                missing << QString::fromUtf16(Roles[i]);
        }
        const QString heading =
            count == 1 ? QStringLiteral(" (el título de la lista de grupos repite la línea 1)") : QString();
        QString named = missing.join(QStringLiteral(", "));
        if (missing.size() > 1)
            named = missing.mid(0, missing.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" y ") +
                    missing.last();
        findings.add(Severity::Error, QStringLiteral("idioma-corto"), int(count), QString(),
                     QStringLiteral("tiene %1 de 7: %2 sin texto %3%4")
                         .arg(count == 1 ? QStringLiteral("1 línea") : QStringLiteral("%1 líneas").arg(count),
                              missing.size() == 1 ? QStringLiteral("queda") : QStringLiteral("quedan"), named,
                              heading),
                     QStringLiteral("escriba las siete líneas, una por texto, en su orden"));
    }
    if (!meter)
        return findings.take();
    for (int line = 1; line <= std::min<int>(int(count) + (count == 1 ? 1 : 0), LanguageLines); ++line) {
        const QString& text = lines->at(std::min<qsizetype>(line, count) - 1);
        if (meter->fits(line, text))
            continue;
        findings.add(Severity::Warning, QStringLiteral("texto-no-cabe"), std::min<int>(line, int(count)),
                     text, QStringLiteral("no cabe en %1: el alumno lo ve cortado").arg(meter->placeOf(line)),
                     QStringLiteral("acórtelo"));
    }
    return findings.take();
}
