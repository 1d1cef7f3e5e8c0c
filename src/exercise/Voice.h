// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

// A voice that reads a text aloud. The exercise window only asks it to say or stop; the real one
// speaks through the desktop's speech service, tests use one that records what it was asked.
class Voice : public QObject {
    Q_OBJECT

public:
    // Starting: asked to speak while the speech service is still being reached (seconds, the first
    // time), so nothing is heard yet.
    enum class State { Ready, Starting, Speaking };

    using QObject::QObject;

    // Starts reading the text from its beginning, cutting off whatever was being read.
    virtual void Say(const QString& text) = 0;
    virtual void Stop() = 0;
    // Speaking (or Starting) from Say() until the reading ends or Stop() is called.
    virtual State VoiceState() const = 0;

signals:
    // The voice cannot speak (no speech service, no Spanish voice, or the service broke); why,
    // in Spanish, for the teacher.
    void Failed(const QString& reason);
};
