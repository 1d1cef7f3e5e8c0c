// SPDX-License-Identifier: GPL-3.0-or-later
#include "checker/LanguageCheck.h"

#include "app/AppFolder.h"
#include "app/TextFile.h"
#include "checker/ContentPaths.h"
#include "checker/TextCheck.h"

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
        findings.add(Severity::Error, QStringLiteral("sin-idioma"), 0, QString(),
                     QStringLiteral("no existe o no se puede leer: los botones y el informe salen sin texto"),
                     QStringLiteral("cree configuracion/idioma.txt con sus siete líneas"));
        return findings.take();
    }
    CheckTextCharacters(*lines, findings);
    if (lines->size() < LanguageLines) {
        QStringList missing;
        for (qsizetype i = lines->size(); i < LanguageLines; ++i)
            missing << QString::fromUtf16(Roles[i]);
        findings.add(Severity::Error, QStringLiteral("idioma-corto"), int(lines->size()), QString(),
                     QStringLiteral("tiene %1 líneas de 7: quedan sin texto %2")
                         .arg(lines->size())
                         .arg(missing.join(QStringLiteral(", "))),
                     QStringLiteral("escriba las siete líneas, una por texto, en su orden"));
    }
    if (!meter)
        return findings.take();
    for (qsizetype i = 0; i < lines->size(); ++i) {
        if (meter->fits(int(i + 1), lines->at(i)))
            continue;
        findings.add(Severity::Warning, QStringLiteral("texto-no-cabe"), int(i + 1), lines->at(i),
                     QStringLiteral("no cabe en %1: el alumno lo ve cortado").arg(meter->placeOf(int(i + 1))),
                     QStringLiteral("acórtelo"));
    }
    return findings.take();
}
