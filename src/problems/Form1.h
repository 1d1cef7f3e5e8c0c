// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "problems/ExerciseState.h"
#include "windows/Form1Ui.h"

#include <QWidget>

#include <functional>
#include <memory>

class RandomSource;
class Voice;

// The exercise window. One program-wide instance, created and loaded on first use and kept for
// the whole run. Its controls are public under their designed names (ui) and so is its state,
// since the other windows reach them directly, as the checker and the report window do.
class Form1 : public QWidget {
    Q_OBJECT

public:
    // The instance, created and loaded (Form_Load) on first use.
    static Form1& Instance();
    // The instance if it has been created, else nullptr (never creates it).
    static Form1* Existing();
    // Destroys the instance; the next Instance() creates a fresh one. For tests and program end.
    static void Unload();

    // Shows the window for one of the program's own windows (the group or report window): it is
    // loaded the first time, brought to the front and activated, which regenerates the problem.
    void ShowFromProgram();

    // Tests script the draws; the program seeds one generator from the clock in Form_Load.
    static void SetRandomSourceFactory(std::function<std::unique_ptr<RandomSource>()> factory);
    // Tests answer the exit question (6 Yes, 7 No) instead of a modal box.
    static void SetQuestionHook(std::function<int(const QString& question)> hook);
    // Tests hand in a voice that records what it is asked to say; the program speaks through the
    // desktop's speech service. Either is made at the first press of the speaker.
    static void SetVoiceFactory(std::function<std::unique_ptr<Voice>()> factory);

    Form1Ui ui;
    ExerciseState state;

    // Handlers, named after their control and event.
    void Form_Load();
    void Form_Activate();
    void Command1_Click(int Index);
    void Command5_Click();
    void Command6_Click();
    void Command7_Click(int Index);
    void Command8_Click();
    void Command9_Click();
    void Fandorel1_GifEnd(int repaint);

    void ClearBoard();
    // The check button ready, the board, the answer, the statement and the verdict animation
    // cleared: the common start of an activation and of a move to another problem.
    void ResetView();
    void GenerateProblem(const QString& templatePath);
    // Silences the speaker if it is reading.
    void StopVoice();

protected:
    bool event(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    Form1();
    ~Form1() override;

    struct Parts;
    std::unique_ptr<Parts> parts_;
};
