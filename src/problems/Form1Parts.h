// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Private parts of the exercise window, shared by the files that implement its handlers.

#include "problems/Form1.h"
#include "problems/RandomSource.h"

#include <memory>

class Board;
class Form1ProblemView;

struct Form1::Parts {
    std::unique_ptr<RandomSource> random;
    std::unique_ptr<Form1ProblemView> problemView;
    std::unique_ptr<Board> board;
};

// The template path of the current problem of the chosen group: GroupPath + "\" + n + ".txt".
QString CurrentTemplatePath(ExerciseState& state);
QString TemplatePath(int number);
