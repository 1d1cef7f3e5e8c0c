// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>

#include <functional>

// Plays the sound cue named by a literal under the application folder ("\sonidos\acierto.WAV")
// and returns at once. A missing file, no sound card or no sound server is silence, never an error.
void PlayCue(QStringView literal);

// Stops and releases every loaded cue. Called before the application object goes away, since a
// sound effect still loading while Qt tears down can crash the program on exit.
void ReleaseCues();

// Tests watch which cues are asked for, in order. The observer sees the literal as passed.
void SetCueObserver(std::function<void(QStringView literal)> observer);
