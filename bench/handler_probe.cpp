// SPDX-License-Identifier: GPL-3.0-or-later
// Times the exercise window's handlers on the shipped content, in this process:
//   kotira_handler_probe handlers   confirm to first problem, a move, a check (also with a
//                                   report of 10,000 entries, and the memory it then holds)
//   kotira_handler_probe rss        resident memory after 200 problems
//   kotira_handler_probe rss voice  the same, then the speaker pressed once (the desktop's speech
//                                   service) and the reading let run to its end: the memory then
//   kotira_handler_probe voice [G]  one reading of the first problem of the group whose name
//                                   contains G (else the first group): the press, the time until
//                                   the voice speaks and until it is done, and the memory before
//                                   and after
//   kotira_handler_probe report     resident memory after 200 problems (a short report) and again
//                                   after 10,000 more entries appended by checking answers
// KOTIRA_SMAPS=<file> with "rss" or "report" also writes the process's memory map, mapping by
// mapping, there (at the end).
#include "Rss.h"

#include "app/Form4.h"
#include "app/Program.h"
#include "exercise/SpeechVoice.h"
#include "problems/Form1.h"
#include "report/Form3.h"
#include "selection/Form2.h"
#include "windows/PictureButton.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

struct Figures {
    double median = 0, p99 = 0, max = 0, first = 0;
};

Figures Summarise(std::vector<double> micros) {
    if (micros.empty())
        return {};
    const double first = micros.front();
    std::sort(micros.begin(), micros.end());
    return {micros[micros.size() / 2], micros[micros.size() * 99 / 100], micros.back(), first};
}

// What returning to the event loop does between two of the pupil's actions: paint, and delete
// what handlers handed over for deletion (replaced animations).
void LetTheLoopRun() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

template <typename F> double TimeMicros(F&& f) {
    QElapsedTimer timer;
    timer.start();
    f();
    return timer.nsecsElapsed() / 1000.0;
}

void Print(const char* name, const Figures& f) {
    std::printf("%-28s median %8.1f us   p99 %8.1f us   max %8.1f us   first %8.1f us\n", name, f.median,
                f.p99, f.max, f.first);
}

// Solves problems as a pupil would: a move to the next one, an answer, a check (a heading and a
// result line in the report), with the event loop let run after each, as between two clicks.
// (Without it, the events the handlers post pile up and would be counted as the report's memory.)
void SolveProblems(Form1& form, int count) {
    for (int i = 0; i < count; ++i) {
        form.Command1_Click(1);
        form.ui.Text2->setText(QStringLiteral("1"));
        form.Command8_Click();
        LetTheLoopRun();
    }
}

// One line for the benchmark script: report entries, then total, anonymous and file-backed kB.
void PrintEntriesAndResident(const Form1& form) {
    std::printf("%d ", int(form.state.EntryCount));
    PrintResident();
}

// A move, then a timed check of a wrong answer (the heading is written too).
Figures TimeChecks(Form1& form, int count) {
    std::vector<double> times;
    for (int i = 0; i < count; ++i) {
        form.Command1_Click(1);
        form.ui.Text2->setText(QStringLiteral("-5"));
        times.push_back(TimeMicros([&] { form.Command8_Click(); }));
        LetTheLoopRun();
    }
    return Summarise(times);
}

// Presses the speaker once with the real voice and lets the event loop run until the reading
// ends (at most half a minute). Prints how long the press took, when the voice began to speak and
// when it was done, in milliseconds (-1: never).
void ReadOnce(Form1& form, SpeechVoice*& voice, std::FILE* out) {
    QElapsedTimer clock;
    clock.start();
    form.ui.Command9->click();
    const double press = clock.nsecsElapsed() / 1e6;
    qint64 began = -1;
    qint64 done = -1;
    while (clock.elapsed() < 30000 && done < 0) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
        if (!voice || form.ui.Command9->isHidden())
            break;
        const bool speaking = voice->VoiceState() == Voice::State::Speaking;
        if (began < 0 && speaking && clock.elapsed() > 0)
            began = clock.elapsed();
        // Speaking is what the press asks for at once; the end is the engine's report.
        if (began >= 0 && !speaking)
            done = clock.elapsed();
    }
    std::fprintf(out, "%-28s %8.2f ms\n", "speaker press (handler)", press);
    std::fprintf(out, "%-28s %8lld ms\n", "reading done after", static_cast<long long>(done));
    std::fprintf(out, "%-28s %8s\n", "speaker still offered", form.ui.Command9->isHidden() ? "no" : "yes");
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const bool rss = argc > 1 && std::strcmp(argv[1], "rss") == 0;
    const bool report = argc > 1 && std::strcmp(argv[1], "report") == 0;
    const bool voiceOnly = argc > 1 && std::strcmp(argv[1], "voice") == 0;
    const bool withVoice = voiceOnly || (rss && argc > 2 && std::strcmp(argv[2], "voice") == 0);
    SetEndProgramHook([] {});
    SpeechVoice* voice = nullptr;
    Form1::SetVoiceFactory([&voice] {
        auto made = std::make_unique<SpeechVoice>();
        voice = made.get();
        return made;
    });

    StartProgram();
    LetTheLoopRun();
    Form4::Instance().Form_Click();
    LetTheLoopRun();

    // Confirm in the group window up to the first problem painted.
    Form2& groups = Form2::Instance();
    if (voiceOnly && argc > 2) {
        const auto found = groups.ui.List1->findItems(QString::fromLocal8Bit(argv[2]), Qt::MatchContains);
        if (!found.isEmpty()) {
            groups.ui.List1->setCurrentItem(found.first());
            groups.List1_Click();
        }
    }
    const double confirm = TimeMicros([&] {
        groups.Command1_Click();
        LetTheLoopRun();
    });
    Form1& form = Form1::Instance();

    if (voiceOnly) {
        std::printf("%s\n", qPrintable(form.ui.Text3->toPlainText()));
        std::printf("%-28s %8ld kB\n", "resident memory before", ResidentKb());
        ReadOnce(form, voice, stdout);
        std::printf("%-28s %8ld kB\n", "resident memory after", ResidentKb());
        UnloadProgramWindows();
        return 0;
    }
    if (rss) {
        SolveProblems(form, 200);
        // Its figures go to stderr: the script reads the memory line alone.
        if (withVoice)
            ReadOnce(form, voice, stderr);
        PrintResident();
        DumpSmapsIfAsked();
        UnloadProgramWindows();
        return 0;
    }
    if (report) {
        SolveProblems(form, 200);
        PrintEntriesAndResident(form);
        SolveProblems(form, 10000);
        PrintEntriesAndResident(form);
        DumpSmapsIfAsked();
        UnloadProgramWindows();
        return 0;
    }

    std::printf("%-28s %8.2f ms\n", "confirm to first problem", confirm / 1000.0);

    std::vector<double> moves;
    for (int i = 0; i < 2000; ++i) {
        moves.push_back(TimeMicros([&] { form.Command1_Click(1); }));
        LetTheLoopRun();
    }
    Print("move (Command1_Click)", Summarise(moves));

    Print("check, short report", TimeChecks(form, 1000));
    while (form.state.EntryCount < 10000) {
        form.Command1_Click(1);
        form.Command8_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    std::printf("%-28s %8d entries, %lld characters\n", "report now holds", int(form.state.EntryCount),
                static_cast<long long>(Form3::Instance().ReportText().size()));
    Print("check, 10,000 entries", TimeChecks(form, 1000));
    std::printf("%-28s %8ld kB\n", "resident memory then", ResidentKb());

    UnloadProgramWindows();
    return 0;
}
