// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "windows/Form3Ui.h"

#include <QString>
#include <QWidget>

#include <functional>

// The report window: the running record of the pupil's work in Text1, a title line written at
// load, then what the exercise window appends at each check. One program-wide instance, created
// and loaded on first use and kept for the whole run; it lies exactly over the exercise window.
class Form3 : public QWidget {
    Q_OBJECT

public:
    // The instance, created and loaded (Form_Load) on first use. The pointer is kept before the
    // load runs, since loading reads the exercise window, whose own load asks for this window.
    static Form3& Instance();
    // The instance if it has been created, else nullptr (never creates it).
    static Form3* Existing();
    // Destroys the instance; the next Instance() creates a fresh one. For tests.
    static void Unload();

    // Shows the window for another of the program's windows: brought to the front and activated.
    void ShowFromProgram();

    // Adds text at the end of the report without touching what is there, at a cost that does not
    // depend on the report's length, and without moving the view. Line breaks are "\r\n".
    void AppendReport(const QString& text);
    // The whole report with CR LF line breaks: the title followed by exactly what was appended
    // (and whatever the pupil typed into the box).
    QString ReportText() const;

    // Tests open the saved report and hear the pupil's messages instead of starting an editor or
    // a modal box. The opener returns false when nothing could open the file. An empty function
    // restores the program's own behaviour.
    static void SetOpener(std::function<bool(const QString& path)> opener);
    static void SetMessageHook(std::function<void(const QString& text)> hook);

    Form3Ui ui;

signals:
    // Once it is known whether the editor opened the saved report (after the save's handler has
    // returned, when the editor is started by a helper program whose end is watched).
    void editorChecked(const QString& path, bool opened);

public:
    // Handlers, named after their control and event.
    void Form_Load();
    void MatchExerciseWindow();
    void Command1_Click(int Index);

private:
    Form3();
    ~Form3() override;

    void SaveAndOpenReport();
    void OpenReport(const QString& path);
    void EditorChecked(const QString& path, bool opened);
    void TellPupil(const QString& text);
};
