// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercise/Voice.h"

#include <chrono>

class QThread;
class SpeechEngine;

// The desktop's text-to-speech (Qt's QTextToSpeech, through speech-dispatcher on Linux) in a
// Spanish voice: es_ES, else any Spanish one. The engine lives on a thread of its own: starting
// the speech service takes seconds, and a service that does not answer would otherwise hold up
// the window. So Say() and Stop() only post a request and return; the state is the one the last
// request asked for, until the engine reports the reading's end.
class SpeechVoice final : public Voice {
    Q_OBJECT

public:
    // A service that has not answered within startLimit is taken as broken (Failed).
    explicit SpeechVoice(QObject* parent = nullptr,
                         std::chrono::milliseconds startLimit = std::chrono::seconds(20));
    ~SpeechVoice() override;

    // Whether a text-to-speech engine is installed at all (a look at Qt's plugins, no service
    // is started).
    static bool EngineInstalled();

    void Say(const QString& text) override;
    void Stop() override;
    State VoiceState() const override {
        return state_ == State::Speaking && !started_ ? State::Starting : state_;
    }

private:
    void Fail(const QString& reason);
    void Reported(quint64 request, bool speaking);

    QThread* thread_;
    SpeechEngine* engine_;
    quint64 request_ = 0; // numbers the requests, so that a late report of an older one is ignored
    State state_ = State::Ready;
    bool failed_ = false;
    bool started_ = false; // the speech service answered
};
