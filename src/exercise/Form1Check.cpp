// SPDX-License-Identifier: GPL-3.0-or-later
// The check button and the end of the watching animation.

#include "app/AppFolder.h"
#include "app/Cue.h"
#include "exercise/Verdict.h"
#include "problems/Form1.h"
#include "report/Form3.h"
#include "report/ReportFile.h"
#include "windows/AnimatedPicture.h"
#include "windows/BoardWidget.h"
#include "windows/PictureButton.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

// The statement as the box shows it, non-breaking spaces kept (the plain-text view drops them).
QString StatementText(const QPlainTextEdit* box) {
    return ReportFile::WithCrLf(box->document()->toRawText());
}

} // namespace

void Form1::Command8_Click() {
    // The pupil has answered: what the voice was reading is no longer wanted.
    StopVoice();
    // 1. Watching animation over the statement; it hides itself when it ends.
    ui.Fandorel1->LoadFile(AppPath(u"\\gifs\\miro.gif"));
    ui.Fandorel1->show();
    // 2.
    ui.Picture2->update();
    // 3. Heading, once per problem.
    if (!state.HeadingWritten) {
        state.EntryCount = NextEntryCount(state.EntryCount);
        Form3::Instance().AppendReport(ReportHeading(state.EntryCount, StatementText(ui.Text3)));
    }
    // 4. Judge: the chooser when it is shown (choice problem), else the answer box.
    const bool choiceProblem = !ui.Combo2->isHidden();
    const QString answer = choiceProblem ? ui.Combo2->currentText() : ui.Text2->text();
    const bool right = choiceProblem ? IsRightChoice(answer) : IsRightNumber(answer, state.Result);
    // 5. Verdict.
    if (right) {
        PlayCue(u"\\sonidos\\acierto.WAV");
        ui.Fandorel2->LoadFile(AppPath(u"\\gifs\\acierto2.gif"));
        ui.Command8->setText(state.LangText[1]);
        // A disabled button hands the focus on; give it to the next-problem arrow, where a pupil
        // using the keyboard goes next, rather than to the group window's button.
        if (ui.Command8->hasFocus())
            ui.Command1[1]->setFocus();
        ui.Command8->setEnabled(false);
        ui.Command8->SetBackColor(QColor(0x00, 0x00, 0xFF));
    } else {
        PlayCue(u"\\sonidos\\fallo.WAV");
        ui.Fandorel2->LoadFile(AppPath(u"\\gifs\\fallo2.gif"));
        ui.Command8->setText(state.LangText[2]);
        ui.Command8->SetBackColor(QColor(0xFF, 0x00, 0x00));
    }
    // 6. Result line.
    Form3::Instance().AppendReport(ReportResultLine(ui.Command8->text(), answer));
    // 7.
    ui.Fandorel2->show();
    // 8.
    state.HeadingWritten = true;
}

void Form1::Fandorel1_GifEnd(int /*repaint*/) {
    ui.Fandorel1->hide();
}
