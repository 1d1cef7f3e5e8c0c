// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Private parts of the exercise window, shared by the files that implement its handlers.

#include "exercise/Voice.h"
#include "problems/Form1.h"
#include "problems/RandomSource.h"

#include <memory>

class Board;
class Form1ProblemView;

struct Form1::Parts {
    std::unique_ptr<RandomSource> random;
    std::unique_ptr<Form1ProblemView> problemView;
    std::unique_ptr<Board> board;
    std::unique_ptr<Voice> voice; // made at the first press of the speaker
};

// Whether the speaker can be offered: a voice factory is set, or a speech engine is installed.
bool SpeakerOffered();

// The template path of the current problem of the chosen group: GroupPath + "\" + n + ".txt".
QString CurrentTemplatePath(ExerciseState& state);
QString TemplatePath(int number);
