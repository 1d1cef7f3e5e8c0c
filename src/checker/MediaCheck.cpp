// SPDX-License-Identifier: GPL-3.0-or-later
#include "checker/MediaCheck.h"

#include "app/AppFolder.h"
#include "checker/ContentPaths.h"

namespace {

struct MediaFile {
    const char16_t* literal; // as the program forms the path
    const char16_t* when;
    bool animation;
};

// The files the windows play and show, with their literals as the windows write them.
const MediaFile Media[] = {
    {u"\\sonidos\\pasa.WAV", u"al pasar de la ventana de inicio, al aceptar un grupo y al volver del informe",
     false},
    {u"\\sonidos\\lista.WAV", u"al elegir un grupo", false},
    {u"\\sonidos\\pasaejercicio.WAV", u"al pasar a otro problema", false},
    {u"\\sonidos\\num.WAV", u"al pulsar una tecla de cifra o signo", false},
    {u"\\sonidos\\operacion.WAV", u"al pulsar los botones de tamaño, barra, borrador y salida", false},
    {u"\\sonidos\\pulsax.WAV", u"al abrir la ventana de grupos o el informe", false},
    {u"\\sonidos\\acierto.WAV", u"con una respuesta correcta", false},
    {u"\\sonidos\\fallo.WAV", u"con una respuesta incorrecta", false},
    {u"\\gifs\\miro.gif", u"mientras se comprueba la respuesta", true},
    {u"\\gifs\\acierto2.gif", u"con una respuesta correcta", true},
    {u"\\gifs\\fallo2.gif", u"con una respuesta incorrecta", true},
};

QString relativeLiteral(const char16_t* literal) {
    return QString::fromUtf16(literal + 1).replace(u'\\', u'/');
}

} // namespace

QList<Finding> CheckMedia() {
    QList<Finding> findings;
    for (const MediaFile& file : Media) {
        if (IsOrdinaryFile(AppPath(file.literal)))
            continue;
        const QString when = QString::fromUtf16(file.when);
        findings << Finding{
            Severity::Warning,
            file.animation ? QStringLiteral("falta-animacion") : QStringLiteral("falta-sonido"),
            relativeLiteral(file.literal),
            0,
            QString(),
            file.animation ? QStringLiteral("falta la animación: no se ve nada %1").arg(when)
                           : QStringLiteral("falta el sonido: el programa queda en silencio %1").arg(when),
            file.animation ? QStringLiteral("ponga el fichero .gif en la carpeta gifs")
                           : QStringLiteral("ponga el fichero .WAV en la carpeta sonidos")};
    }
    return findings;
}
