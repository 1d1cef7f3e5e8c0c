// SPDX-License-Identifier: GPL-3.0-or-later
// The eraser, the exit question and the buttons that bring the other windows forward.

#include "app/Cue.h"
#include "app/NumericValue.h"
#include "app/Program.h"
#include "problems/Form1.h"
#include "report/Form3.h"
#include "selection/Form2.h"

#include <QMessageBox>

namespace {

std::function<int(const QString&)>& questionHook() {
    static std::function<int(const QString&)> hook;
    return hook;
}

// The modal Yes/No question, titled "KOTIRA", no icon: 6 for Yes, 7 for No.
int AskYesNo(QWidget* parent, const QString& question) {
    if (questionHook())
        return questionHook()(question);
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("KOTIRA"), question,
                    QMessageBox::Yes | QMessageBox::No, parent);
    return box.exec() == QMessageBox::Yes ? 6 : 7;
}

} // namespace

void Form1::SetQuestionHook(std::function<int(const QString& question)> hook) {
    questionHook() = std::move(hook);
}

void Form1::Command5_Click() {
    PlayCue(u"\\sonidos\\operacion.WAV");
    ClearBoard();
}

void Form1::Command6_Click() {
    StopVoice();
    state.Scratch = QString::number(AskYesNo(this, state.ExitQuestion));
    if (NumericValue(state.Scratch) == 6) {
        EndProgram();
        return;
    }
    PlayCue(u"\\sonidos\\operacion.WAV");
}

void Form1::Command7_Click(int Index) {
    // The pupil leaves for another window.
    StopVoice();
    PlayCue(u"\\sonidos\\pulsax.WAV");
    if (Index == 2)
        Form3::Instance().ShowFromProgram();
    else if (Index == 1)
        Form2::Instance().ShowFromProgram();
    state.HeadingWritten = false;
}
