// SPDX-License-Identifier: GPL-3.0-or-later
// The arrows: previous and next problem of the group.

#include "app/AppFolder.h"
#include "app/Cue.h"
#include "app/Module1.h"
#include "exercise/ProblemNavigation.h"
#include "problems/Form1.h"
#include "problems/Form1Parts.h"
#include "windows/AnimatedPicture.h"
#include "windows/FileList.h"
#include "windows/PictureButton.h"

#include <QLineEdit>
#include <QPlainTextEdit>

void Form1::Command1_Click(int Index) {
    // 1.
    state.HeadingWritten = false;
    // 2. Reset the view; the check button is ready again.
    ResetView();
    // 3.
    PlayCue(u"\\sonidos\\pasaejercicio.WAV");
    // 4. Move the number; it is stored even when no template answers to it.
    qint16& number = state.ProblemNumberOf(Module1::GroupIndex);
    number = MoveProblemNumber(number, Index, ui.File1->ListCount());
    // 5. and 6. Generate from the file as it is actually named ("3.TXT" counts for 3).
    const QString path = TemplatePath(number);
    if (IsOrdinaryFile(path))
        GenerateProblem(path);
}
