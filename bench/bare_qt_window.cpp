// SPDX-License-Identifier: GPL-3.0-or-later
// The floors: a bare Qt Widgets program that shows one window and, with "rss", prints its memory.
//   bare_qt_window         Qt Widgets alone
//   bare_qt_sound_window   (built with KOTIRA_FLOOR_SOUND) linked with the same Qt modules as the
//                          program (Widgets, Multimedia, Svg, TextToSpeech) and holding one sound
//                          effect loaded
//                          from the shipped cues, played once as a cue is: what the program's
//                          stack costs before the program does anything of its own.
#include "QuitOnFirstPaint.h"
#include "Rss.h"

#include <QApplication>
#include <QWidget>

#ifdef KOTIRA_FLOOR_SOUND
#include <QEventLoop>
#include <QSoundEffect>
#include <QSvgRenderer>
#include <QTextToSpeech>
#include <QUrl>
#endif

#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
#ifdef KOTIRA_FLOOR_SOUND
    // Qt Svg is mapped in as the program has it (its icon and artwork), not left to the linker to
    // drop as unused.
    QSvgRenderer svg;
    // Likewise Qt's text-to-speech, linked as the program links it; like the program at its start,
    // it makes no voice.
    const QMetaObject* volatile speech = &QTextToSpeech::staticMetaObject;
    (void)speech;
    // The cue played on every move, from the content placed beside the probes.
    QSoundEffect effect;
    effect.setSource(QUrl::fromLocalFile(QCoreApplication::applicationDirPath() +
                                         QStringLiteral("/sonidos/pasaejercicio.WAV")));
    effect.play();
#endif
    QWidget window;
    window.resize(426, 357);
    QuitOnFirstPaint quit;
    app.installEventFilter(&quit);
    window.show();
    const int code = QApplication::exec();
    if (argc > 1 && std::strcmp(argv[1], "rss") == 0) {
#ifdef KOTIRA_FLOOR_SOUND
        // The memory is read with the effect loaded (or failed), not while it is still loading.
        if (effect.status() == QSoundEffect::Loading) {
            QEventLoop loading;
            QObject::connect(&effect, &QSoundEffect::statusChanged, &loading, &QEventLoop::quit);
            QTimer::singleShot(10000, &loading, &QEventLoop::quit); // never wait for ever
            loading.exec();
        }
        if (effect.status() != QSoundEffect::Ready)
            std::fprintf(stderr, "the sound effect did not load: %s\n",
                         qPrintable(effect.source().toString()));
#endif
        PrintResident();
        DumpSmapsIfAsked();
    }
    return code;
}
