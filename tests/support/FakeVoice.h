// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercise/Voice.h"

#include <QStringList>

// A voice that records what it was asked: each text to say, and how many times it was stopped.
// It speaks from Say() until Stop(), or until the test ends the reading or makes it fail.
class FakeVoice : public Voice {
public:
    QStringList said;
    int stops = 0;
    State state = State::Ready;

    void Say(const QString& text) override {
        said << text;
        state = State::Speaking;
    }
    void Stop() override {
        ++stops;
        state = State::Ready;
    }
    State VoiceState() const override { return state; }

    void Fail() {
        state = State::Ready;
        emit Failed(QStringLiteral("sin voz"));
    }
};
