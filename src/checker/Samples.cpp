// SPDX-License-Identifier: GPL-3.0-or-later
#include "checker/Samples.h"

#include "checker/RecordingView.h"
#include "exercise/Verdict.h"
#include "problems/ExerciseState.h"
#include "problems/GenerateProblem.h"
#include "problems/RandomSource.h"

QList<Sample> MakeSamples(const QString& templatePath, int count, quint32 seed) {
    QList<Sample> samples;
    ExerciseState state;
    RecordingView view;
    RandomGenerator random(seed);
    for (int i = 0; i < count; ++i) {
        GenerateProblem(templatePath, state, view, random);
        Sample sample;
        // The generator ends every word with a space; the pupil does not see the last one.
        sample.statement =
            view.statementText.endsWith(u' ') ? view.statementText.chopped(1) : view.statementText;
        sample.choiceProblem = view.choicesShown;
        if (sample.choiceProblem) {
            sample.choices = view.items;
            for (const QString& choice : sample.choices)
                sample.right << IsRightChoice(choice);
        } else {
            sample.result = state.Result;
        }
        samples << sample;
    }
    return samples;
}
