// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Cue.h"

#include "app/AppFolder.h"

#include <QCoreApplication>
#include <QHash>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>

namespace {

std::function<void(QStringView)>& observer() {
    static std::function<void(QStringView)> callback;
    return callback;
}

// One effect per cue file, loaded on first use and kept: loading is what costs, playing is cheap.
QHash<QString, QSoundEffect*>& effects() {
    static QHash<QString, QSoundEffect*> loaded;
    return loaded;
}

// The application object the release is hooked to; a later application object gets its own hooks.
QPointer<QCoreApplication> hookedApp;

} // namespace

void PlayCue(QStringView literal) {
    if (observer())
        observer()(literal);

    const QString path = AppPath(literal);
    QSoundEffect*& effect = effects()[path];
    if (!effect) {
        if (!IsOrdinaryFile(path)) {
            effects().remove(path);
            return;
        }
        if (QCoreApplication::instance() && hookedApp != QCoreApplication::instance()) {
            // aboutToQuit covers the event loop ending; the post routine covers an application object
            // destroyed without one (a run that never reached exec()), so no effect outlives the audio
            // back end or is dropped unreleased with the table.
            QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, &ReleaseCues);
            qAddPostRoutine(&ReleaseCues);
            hookedApp = QCoreApplication::instance();
        }
        effect = new QSoundEffect;
        effect->setSource(QUrl::fromLocalFile(path));
    }
    // play() on an effect that is still loading starts it once loaded; on a broken file it is silent.
    effect->play();
}

void ReleaseCues() {
    for (QSoundEffect* effect : std::as_const(effects())) {
        effect->stop();
        delete effect;
    }
    effects().clear();
}

void SetCueObserver(std::function<void(QStringView literal)> observer_) {
    observer() = std::move(observer_);
}
