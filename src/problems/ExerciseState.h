// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

#include <array>
#include <vector>

// What the exercise window knows about the current problem, the pupil's progress through the
// groups and the workspace. Plain fields, read and written by the window's handlers and by the
// generator; sizes are the fixed bounds of the template format.
struct ExerciseState {
    // Problem, written by GenerateProblem.
    std::array<QString, 141> WordValue{}; // replacement of statement word i (empty for back-references)
    std::array<QString, 201> DataLine{};  // lines of the data list read last; never cleared
    std::array<double, 16> Number{};      // operand values in collection order
    double Result = 0;                    // expected result of a numeric problem
    QString Scratch;                      // work text

    // Progress. One current template number per group position; the table grows with the
    // group list, so any number of groups can be worked on (0 means "not opened yet").
    std::vector<qint16> ProblemNumber = std::vector<qint16>(71, 0);
    qint16& ProblemNumberOf(int groupIndex) {
        if (groupIndex < 0)
            groupIndex = 0;
        if (static_cast<size_t>(groupIndex) >= ProblemNumber.size())
            ProblemNumber.resize(groupIndex + 1, 0);
        return ProblemNumber[groupIndex];
    }

    std::array<QString, 3> LangText{}; // check button captions: ready, right, wrong
    QString ExitQuestion;
    bool HeadingWritten = false;
    qint16 EntryCount = 0;

    // Workspace (board symbols, bars, pen colour).
    bool FirstLabelUsed = false;
    bool FirstBarUsed = false;
    int LastLabel = 0;
    int LastBar = 0;
    bool CarryingLabel = false;
    bool DragAllowed = false;
    bool BarMode = false;
    double BarStartX = 0;
    double BarStartY = 0;
    int PenRed = 255;
    int PenGreen = 255;
    int PenBlue = 255;
};
