// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/SpeechVoice.h"

#include <QLocale>
#include <QTextToSpeech>
#include <QThread>
#include <QTimer>

#include <atomic>

// Runs on the voice's thread: everything that talks to the speech service.
class SpeechEngine : public QObject {
    Q_OBJECT

public:
    void Start() {
        // Connects to speech-dispatcher, starting it if need be: this may take seconds.
        speech_ = new QTextToSpeech(this);
        if (speech_->state() == QTextToSpeech::Error) {
            emit Failed(QStringLiteral("No se puede leer en voz alta: el servicio de voz no responde (%1).")
                            .arg(speech_->errorString()));
            return;
        }
        bool found = false;
        QLocale spanish;
        for (const QLocale& locale : speech_->availableLocales()) {
            if (locale.language() == QLocale::Spanish && (!found || locale.territory() == QLocale::Spain)) {
                spanish = locale;
                found = true;
            }
        }
        if (!found) {
            emit Failed(
                QStringLiteral("No se puede leer en voz alta: no hay ninguna voz en español instalada."));
            return;
        }
        speech_->setLocale(spanish);
        // A little slower than the default, for young listeners.
        speech_->setRate(-0.2);
        connect(speech_, &QTextToSpeech::stateChanged, this, [this](QTextToSpeech::State state) {
            emit Reported(request_, state == QTextToSpeech::Speaking);
        });
        connect(speech_, &QTextToSpeech::errorOccurred, this, [this](auto, const QString& why) {
            emit Failed(QStringLiteral("No se puede leer en voz alta: %1").arg(why));
        });
        ready_ = true;
        emit Started();
    }

    // Called from the window's thread when it no longer waits for the service: whatever was asked
    // meanwhile is not said if the service answers after all.
    void GiveUp() { givenUp_ = true; }

    void Say(quint64 request, const QString& text) {
        if (!ready_ || givenUp_)
            return;
        // The end of what was being read is reported under the earlier request, so ignored.
        speech_->stop();
        request_ = request;
        speech_->say(text);
    }

    void Stop(quint64 request) {
        if (!ready_)
            return;
        request_ = request;
        speech_->stop();
    }

signals:
    void Started();
    void Reported(quint64 request, bool speaking);
    void Failed(const QString& reason);

private:
    QTextToSpeech* speech_ = nullptr;
    bool ready_ = false;
    std::atomic<bool> givenUp_ = false;
    quint64 request_ = 0;
};

SpeechVoice::SpeechVoice(QObject* parent, std::chrono::milliseconds startLimit)
    : Voice(parent), thread_(new QThread), engine_(new SpeechEngine) {
    thread_->setObjectName(QStringLiteral("voice"));
    engine_->moveToThread(thread_);
    connect(thread_, &QThread::finished, engine_, &QObject::deleteLater);
    connect(engine_, &SpeechEngine::Reported, this, &SpeechVoice::Reported);
    connect(engine_, &SpeechEngine::Failed, this, &SpeechVoice::Fail);
    // A service that takes the connection but never answers holds the voice's thread for good:
    // without a limit the speaker would stay on show and never speak.
    auto* starting = new QTimer(this);
    starting->setSingleShot(true);
    connect(engine_, &SpeechEngine::Started, starting, &QTimer::stop);
    connect(engine_, &SpeechEngine::Started, this, [this] { started_ = true; });
    connect(starting, &QTimer::timeout, this, [this] {
        engine_->GiveUp();
        Fail(QStringLiteral("No se puede leer en voz alta: el servicio de voz no contesta."));
    });
    starting->start(startLimit);
    thread_->start();
    QMetaObject::invokeMethod(engine_, &SpeechEngine::Start, Qt::QueuedConnection);
}

SpeechVoice::~SpeechVoice() {
    disconnect(engine_, nullptr, this, nullptr);
    // Silenced and closed on its own thread, after whatever was asked before.
    QMetaObject::invokeMethod(
        engine_,
        [engine = engine_, thread = thread_] {
            engine->Stop(0);
            thread->quit();
        },
        Qt::QueuedConnection);
    // A speech service that does not answer keeps the thread waiting on it: the program does not
    // wait with it. The thread and its engine are then left to the end of the process.
    if (thread_->wait(QDeadlineTimer(500)))
        delete thread_;
}

bool SpeechVoice::EngineInstalled() {
    return !QTextToSpeech::availableEngines().isEmpty();
}

void SpeechVoice::Say(const QString& text) {
    const quint64 request = ++request_;
    state_ = State::Speaking;
    QMetaObject::invokeMethod(
        engine_, [engine = engine_, request, text] { engine->Say(request, text); }, Qt::QueuedConnection);
}

void SpeechVoice::Stop() {
    const quint64 request = ++request_;
    state_ = State::Ready;
    QMetaObject::invokeMethod(
        engine_, [engine = engine_, request] { engine->Stop(request); }, Qt::QueuedConnection);
}

void SpeechVoice::Fail(const QString& reason) {
    state_ = State::Ready;
    if (failed_)
        return; // a service that gave up waiting for may still fail later
    failed_ = true;
    emit Failed(reason);
}

void SpeechVoice::Reported(quint64 request, bool speaking) {
    if (request == request_)
        state_ = speaking ? State::Speaking : State::Ready;
}

#include "SpeechVoice.moc"
