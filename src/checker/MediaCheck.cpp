#include "checker/MediaCheck.h"

#include "app/AppFolder.h"
#include "checker/ContentPaths.h"

namespace {

struct MediaFile {
    const char16_t* literal; // as the program forms the path
    const char16_t* when;
};

// The files the windows play, with their literals as the windows write them.
const MediaFile Cues[] = {
    {u"\\sonidos\\pasa.WAV",
     u"al pasar de la ventana de inicio, al aceptar un grupo y al volver del informe"},
    {u"\\sonidos\\lista.WAV", u"al elegir un grupo"},
    {u"\\sonidos\\pasaejercicio.WAV", u"al pasar a otro problema"},
    {u"\\sonidos\\num.WAV", u"al pulsar una tecla de cifra o signo"},
    {u"\\sonidos\\operacion.WAV", u"al pulsar los botones de tamaño, barra, borrador y salida"},
    {u"\\sonidos\\pulsax.WAV", u"al abrir la ventana de grupos o el informe"},
    {u"\\sonidos\\acierto.WAV", u"con una respuesta correcta"},
    {u"\\sonidos\\fallo.WAV", u"con una respuesta incorrecta"},
};
const MediaFile Animations[] = {
    {u"\\gifs\\miro.gif", u"mientras se comprueba la respuesta"},
    {u"\\gifs\\acierto2.gif", u"con una respuesta correcta"},
    {u"\\gifs\\fallo2.gif", u"con una respuesta incorrecta"},
};

QString relativeLiteral(const char16_t* literal) {
    return QString::fromUtf16(literal + 1).replace(u'\\', u'/');
}

} // namespace

QList<Finding> CheckMedia() {
    QList<Finding> findings;
    for (const MediaFile& cue : Cues) {
        if (IsOrdinaryFile(AppPath(cue.literal)))
            continue;
        findings << Finding{Severity::Warning,
                            QStringLiteral("falta-sonido"),
                            relativeLiteral(cue.literal),
                            0,
                            QString(),
                            QStringLiteral("falta el sonido: el programa queda en silencio %1")
                                .arg(QString::fromUtf16(cue.when)),
                            QStringLiteral("ponga el fichero .WAV en la carpeta sonidos")};
    }
    for (const MediaFile& animation : Animations) {
        if (IsOrdinaryFile(AppPath(animation.literal)))
            continue;
        findings << Finding{
            Severity::Warning,
            QStringLiteral("falta-animacion"),
            relativeLiteral(animation.literal),
            0,
            QString(),
            QStringLiteral("falta la animación: no se ve nada %1").arg(QString::fromUtf16(animation.when)),
            QStringLiteral("ponga el fichero .gif en la carpeta gifs")};
    }
    return findings;
}
