// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/Form3.h"

#include "app/AppFolder.h"
#include "app/Cue.h"
#include "app/Module1.h"
#include "app/Program.h"
#include "problems/Form1.h"
#include "report/ReportFile.h"
#include "windows/PictureButton.h"
#include "windows/Twips.h"

#include "app/ProgramLocale.h"
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFrame>

#include <QLocale>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProcess>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>

#include <algorithm>

namespace {

Form3* instance = nullptr;

std::function<bool(const QString&)>& opener() {
    static std::function<bool(const QString&)> open;
    return open;
}

std::function<void(const QString&)>& messageHook() {
    static std::function<void(const QString&)> hook;
    return hook;
}

} // namespace

Form3& Form3::Instance() {
    if (!instance) {
        // Kept before loading: the load reaches the exercise window, whose own load (when it is
        // the first to run) asks for this window and must find it rather than make a second one.
        instance = new Form3;
        instance->Form_Load();
    }
    return *instance;
}

Form3* Form3::Existing() {
    return instance;
}

void Form3::Unload() {
    delete instance;
}

void Form3::SetOpener(std::function<bool(const QString&)> open) {
    opener() = std::move(open);
}

void Form3::SetMessageHook(std::function<void(const QString&)> hook) {
    messageHook() = std::move(hook);
}

Form3::Form3() {
    ui.setupUi(this);
    for (int index : {0, 2})
        connect(ui.Command1[index], &QPushButton::clicked, this, [this, index] { Command1_Click(index); });
    // The report only grows, by thousands of entries in a long session: an undo history of every
    // append would cost memory for nothing the pupil needs.
    ui.Text1->document()->setUndoRedoEnabled(false);
    RegisterProgramWindow(this);
}

Form3::~Form3() {
    if (instance == this)
        instance = nullptr;
}

void Form3::ShowFromProgram() {
    BringToFront(this);
    MakeActiveProgramWindow(this);
}

void Form3::Form_Load() {
    MatchExerciseWindow();
    ui.Text1->setPlainText(Module1::ReportTitle + QStringLiteral(" - ") +
                           GeneralDateTime(QDateTime::currentDateTime()));
}

void Form3::MatchExerciseWindow() {
    // Neither window has a frame of its own, but matching the exercise window's frame makes this
    // one cover it on screen even if it had one.
    const QRect exercise = Form1::Instance().frameGeometry();
    // The window keeps a fixed size, as designed, but the exercise window's rather than its own.
    setFixedSize(exercise.size());
    setGeometry(exercise);

    // The frame keeps its designed left and top; the rest follows the exercise window, in twips.
    const double formWidth = PxToTwips(exercise.width());
    const double formHeight = PxToTwips(exercise.height());
    const double shapeLeft = PxToTwips(ui.Shape1->x());
    const double shapeTop = PxToTwips(ui.Shape1->y());
    const double shapeWidth = std::max(0.0, formWidth - 300);
    const double shapeHeight = std::max(0.0, formHeight - shapeTop - 300);
    PlaceTwips(ui.Shape1, shapeLeft, shapeTop, shapeWidth, shapeHeight);
    PlaceTwips(ui.Text1, shapeLeft + 250, shapeTop + 250, std::max(0.0, shapeWidth - 300),
               std::max(0.0, shapeHeight - 500));
}

void Form3::AppendReport(const QString& text) {
    // A cursor of its own at the end touches only the last blocks, and leaves the pupil's cursor,
    // selection and view where they were.
    // Opened before the cursor moves: inside an edit block the cursor does not lay out the last
    // block to find its x position, a layout that would otherwise stay in memory for every entry.
    QTextCursor end(ui.Text1->document());
    end.beginEditBlock();
    end.movePosition(QTextCursor::End);
    end.insertText(text);
    end.endEditBlock();
}

QString Form3::ReportText() const {
    // The document keeps a paragraph separator where a CR LF was appended; the raw text also keeps
    // non-breaking spaces, which the plain-text view would turn into spaces.
    return ReportFile::WithCrLf(ui.Text1->document()->toRawText());
}

void Form3::Command1_Click(int Index) {
    QString cuePath;
    switch (Index) {
    case 0:
        SaveAndOpenReport();
        break;
    case 2:
        cuePath = QStringLiteral("\\sonidos\\pasa.WAV");
        // The report window stays loaded behind the exercise window.
        Form1::Instance().ShowFromProgram();
        break;
    default:
        break;
    }
    // Every element ends with its cue; saving names none, and an empty name plays nothing.
    if (!cuePath.isEmpty())
        PlayCue(cuePath);
}

void Form3::SaveAndOpenReport() {
    const ReportFile::SaveResult saved = ReportFile::SaveReport(ReportText());
    // An editor opened on an old file would show the pupil a report that is not the one asked for.
    if (saved.path.isEmpty()) {
        QStringList places;
        for (const QString& path : saved.tried)
            places.append(QDir::toNativeSeparators(path));
        TellPupil(QStringLiteral("No se ha podido guardar el informe en\n%1").arg(places.join(u'\n')));
        return;
    }
    OpenReport(saved.path);
}

void Form3::OpenReport(const QString& path) {
    if (opener()) {
        EditorChecked(path, opener()(path));
        return;
    }
#if defined(Q_OS_WIN)
    // "notepad.exe " and the path, unquoted, as one command line: Notepad takes the whole rest of
    // its command line as the file name, spaces included.
    QProcess notepad;
    notepad.setProgram(QStringLiteral("notepad.exe"));
    notepad.setNativeArguments(QDir::toNativeSeparators(path));
    EditorChecked(path, notepad.startDetached());
#elif defined(Q_OS_MACOS)
    EditorChecked(path, QDesktopServices::openUrl(QUrl::fromLocalFile(path)));
#else
    // xdg-open starts whatever the desktop opens text files with, and exits non-zero (3: no
    // program for the file) when there is none; starting it is no proof that anything opened.
    // Its end is watched rather than waited for, so the window goes on at once. The process has
    // no parent: an xdg-open that stays while the editor runs is not ended with the window or the
    // program.
    auto* process = new QProcess;
    process->setProgram(QStringLiteral("xdg-open"));
    process->setArguments({path});
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    const QPointer<Form3> window(this);
    const auto checked = [process, window, path](bool opened) {
        process->deleteLater();
        if (window)
            window->EditorChecked(path, opened);
    };
    connect(process, &QProcess::finished, process, [checked](int code, QProcess::ExitStatus status) {
        checked(status == QProcess::NormalExit && code == 0);
    });
    connect(process, &QProcess::errorOccurred, process, [checked](QProcess::ProcessError error) {
        // A crash ends in finished() as well; only a failed start has no end to watch.
        if (error == QProcess::FailedToStart)
            checked(false);
    });
    process->start();
#endif
}

void Form3::EditorChecked(const QString& path, bool opened) {
    if (!opened)
        TellPupil(QStringLiteral("No se ha podido abrir el informe, pero está guardado en\n%1")
                      .arg(QDir::toNativeSeparators(path)));
    emit editorChecked(path, opened);
}

void Form3::TellPupil(const QString& text) {
    if (messageHook()) {
        messageHook()(text);
        return;
    }
    QMessageBox::information(this, QStringLiteral("KOTIRA"), text);
}
