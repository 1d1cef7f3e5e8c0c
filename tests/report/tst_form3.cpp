// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AppFolder.h"
#include "app/Cue.h"
#include "app/Module1.h"
#include "app/Program.h"
#include "problems/Form1.h"
#include "report/Form3.h"
#include "report/ReportFile.h"
#include "support/TempAppFolder.h"
#include "windows/Twips.h"

#include "app/ProgramLocale.h"
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFrame>

#include <QLocale>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QtTest>

#include <algorithm>
#include <memory>

#ifdef Q_OS_UNIX
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Every file and folder beneath a folder, with each file's size.
QStringList treeOf(const QString& folder) {
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo entry = it.nextFileInfo();
        const QString name = QDir(folder).relativeFilePath(entry.filePath());
        entries << (entry.isDir() ? name + u'/' : name + u' ' + QString::number(entry.size()));
    }
    entries.sort();
    return entries;
}

QRect twipsRect(int left, int top, int width, int height) {
    return QRect(TwipsToPx(left), TwipsToPx(top), TwipsToPx(width), TwipsToPx(height));
}

} // namespace

class TestForm3 : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void oneWindowWhicheverLoadsFirst_data();
    void oneWindowWhicheverLoadsFirst();
    void coversTheExerciseWindow_data();
    void coversTheExerciseWindow();
    void titleLineHoldsTheLoadTime();
    void reportTextIsTitleAndAppendsExactly();
    void pupilEditsAreKept();
    void tabLeavesTheReport();
    void appendLeavesViewAndSelection_data();
    void appendLeavesViewAndSelection();
    void saveWritesTheReportAndOpensIt_data();
    void saveWritesTheReportAndOpensIt();
    void savingTwiceKeepsOneCopy();
    void failedSaveTellsThePupilAndOpensNothing();
    void unopenedReportTellsWhereItIs();
    void readOnlyInstallationSavesToDocuments();
    void reportIsNeverLost_data();
    void reportIsNeverLost();
    void editorThatOpensNothingIsNoticed_data();
    void editorThatOpensNothingIsNoticed();
    void cues_data();
    void cues();
    void appendsToALongReport();

private:
    // Clicks the save button in a child process of an unprivileged user (nobody, when the test
    // runs as root, who writes anywhere) whose home is home; returns what the pupil saw: the files
    // opened, a line break, the messages.
    QString saveAsPupil(const QString& home);

    std::unique_ptr<TempAppFolder> app_;
    std::unique_ptr<QTemporaryDir> home_;
    QStringList cues_;
    QStringList opened_;
    QStringList messages_;
    bool openerResult_ = true;
};

void TestForm3::init() {
    app_ = std::make_unique<TempAppFolder>();
    // A save that cannot go to the application folder goes to the home folder: never the real one.
    home_ = std::make_unique<QTemporaryDir>();
    qputenv("HOME", QFile::encodeName(home_->path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home_->path() + "/.config"));
    app_->writeLines("configuracion/idioma.txt",
                     {"ACEPTAR", "Grupos", "COMPROBAR", "BIEN", "MAL", "¿Salir?", "Informe de Núria"});
    app_->writeLines("Problemas/Sumas/1.txt", {"Ana tiene 3 peras", "TEXTO", "tres ", "dos"});
    Module1::GroupPath = AppPath(u"\\problemas\\Sumas");
    Module1::GroupIndex = 0;
    Module1::ReportTitle.clear();

    cues_.clear();
    opened_.clear();
    messages_.clear();
    openerResult_ = true;
    SetCueObserver([this](QStringView literal) { cues_ << literal.toString(); });
    Form3::SetOpener([this](const QString& path) {
        opened_ << path;
        return openerResult_;
    });
    Form3::SetMessageHook([this](const QString& text) { messages_ << text; });
}

void TestForm3::cleanup() {
    Form3::Unload();
    Form1::Unload();
    SetCueObserver({});
    Form3::SetOpener({});
    Form3::SetMessageHook({});
    app_.reset();
    home_.reset();
}

void TestForm3::oneWindowWhicheverLoadsFirst_data() {
    QTest::addColumn<bool>("reportFirst");
    QTest::newRow("report window first") << true;
    QTest::newRow("exercise window first") << false;
}

void TestForm3::oneWindowWhicheverLoadsFirst() {
    QFETCH(bool, reportFirst);
    // Each window's load reaches the other: whichever starts, one report window results, loaded once.
    Form3* report = reportFirst ? &Form3::Instance() : (Form1::Instance(), Form3::Existing());
    QVERIFY(report);
    QCOMPARE(&Form3::Instance(), report);
    QVERIFY(Form1::Existing());
    QVERIFY(report->ReportText().startsWith("Informe de Núria - "));
    QVERIFY(!report->ReportText().contains("\r\n"));
    QVERIFY(IsProgramWindow(report));
    QCOMPARE(report->ui.Text1->document()->isUndoRedoEnabled(), false);
}

void TestForm3::coversTheExerciseWindow_data() {
    // Exercise window size in pixels (0 x 0: as designed), then the frame and the text box in twips.
    QTest::addColumn<QSize>("exercisePx");
    QTest::addColumn<QRect>("shape");
    QTest::addColumn<QRect>("text");
    QTest::newRow("as designed") << QSize() << QRect(120, 960, 11580, 7215) << QRect(370, 1210, 11280, 6715);
    QTest::newRow("smaller") << QSize(600, 400) << QRect(120, 960, 8700, 4740)
                             << QRect(370, 1210, 8400, 4240);
    QTest::newRow("larger") << QSize(1020, 735) << QRect(120, 960, 15000, 9765)
                            << QRect(370, 1210, 14700, 9265);
}

void TestForm3::coversTheExerciseWindow() {
    QFETCH(QSize, exercisePx);
    QFETCH(QRect, shape);
    QFETCH(QRect, text);

    Form1& exercise = Form1::Instance();
    if (exercisePx.isValid()) {
        exercise.setFixedSize(exercisePx);
        exercise.move(37, 21);
    } else {
        QCOMPARE(exercise.size(), QSize(TwipsToPx(11880), TwipsToPx(8475)));
    }
    Form3& report = Form3::Instance();
    report.MatchExerciseWindow();

    exercise.show();
    report.show();
    QVERIFY(QTest::qWaitForWindowExposed(&report));
    QCOMPARE(report.frameGeometry(), exercise.frameGeometry());
    QCOMPARE(report.geometry(), exercise.geometry());
    QCOMPARE(report.ui.Shape1->geometry(), twipsRect(shape.x(), shape.y(), shape.width(), shape.height()));
    QCOMPARE(report.ui.Text1->geometry(), twipsRect(text.x(), text.y(), text.width(), text.height()));
}

void TestForm3::titleLineHoldsTheLoadTime() {
    const QDateTime before = QDateTime::currentDateTime();
    const QString text = Form3::Instance().ReportText();
    const QDateTime after = QDateTime::currentDateTime();

    // The load may straddle a minute: either reading of the clock is the right one.
    const QStringList accepted = {"Informe de Núria - " + GeneralDateTime(before),
                                  "Informe de Núria - " + GeneralDateTime(after)};
    QVERIFY2(accepted.contains(text), qPrintable(text));
    QCOMPARE(Form3::Instance().ui.Text1->toPlainText(), text);
}

void TestForm3::reportTextIsTitleAndAppendsExactly() {
    Form3& report = Form3::Instance();
    const QString title = report.ReportText();
    const QStringList appended = {"\r\n\r\n( 1 )\r\nAna tiene 3\u00a0peras y 2 manzanas.",
                                  "\r\n  *** MAL *** <  dos  >",
                                  "\r\n  *** BIEN *** <  tres   >",
                                  "\r\n\r\n( 2 )\r\nEnunciado\r\nen dos líneas",
                                  "\r\n  *** BIEN *** <  5  >",
                                  "\r\n"};
    QString expected = title;
    for (const QString& piece : appended) {
        report.AppendReport(piece);
        expected += piece;
        QCOMPARE(report.ReportText(), expected);
    }
}

void TestForm3::pupilEditsAreKept() {
    Form3& report = Form3::Instance();
    const QString title = report.ReportText();
    report.AppendReport("\r\n  *** BIEN *** <  5  >");
    report.show();
    QVERIFY(QTest::qWaitForWindowExposed(&report));
    report.ui.Text1->moveCursor(QTextCursor::End);
    QTest::keyClick(report.ui.Text1, Qt::Key_Return);
    QTest::keyClicks(report.ui.Text1, "Nota");
    QCOMPARE(report.ReportText(), title + "\r\n  *** BIEN *** <  5  >\r\nNota");
}

void TestForm3::tabLeavesTheReport() {
    Form3& report = Form3::Instance();
    const QString text = report.ReportText();
    report.show();
    QVERIFY(QTest::qWaitForWindowActive(&report));
    report.ui.Text1->setFocus();
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(report.ui.Text1));
    QTest::keyClick(report.ui.Text1, Qt::Key_Tab);
    QVERIFY(QApplication::focusWidget() != report.ui.Text1);
    QCOMPARE(report.ReportText(), text);
}

void TestForm3::appendLeavesViewAndSelection_data() {
    QTest::addColumn<int>("anchor");
    QTest::addColumn<int>("cursor");
    QTest::newRow("selection near the top") << 40 << 55;
    QTest::newRow("cursor at the end") << -1 << -1;
}

void TestForm3::appendLeavesViewAndSelection() {
    QFETCH(int, anchor);
    QFETCH(int, cursor);
    Form3& report = Form3::Instance();
    for (int entry = 1; entry <= 200; ++entry)
        report.AppendReport(QStringLiteral("\r\n\r\n( %1 )\r\nEnunciado").arg(entry));
    report.show();
    QVERIFY(QTest::qWaitForWindowExposed(&report));

    // The pupil has put the cursor somewhere, then scrolled to read the middle.
    QTextCursor pupils(report.ui.Text1->document());
    if (anchor < 0) {
        pupils.movePosition(QTextCursor::End);
    } else {
        pupils.setPosition(anchor);
        pupils.setPosition(cursor, QTextCursor::KeepAnchor);
    }
    report.ui.Text1->setTextCursor(pupils);
    QScrollBar* bar = report.ui.Text1->verticalScrollBar();
    QVERIFY(bar->maximum() > 100);
    bar->setValue(bar->maximum() / 2);
    const int position = bar->value();

    report.AppendReport("\r\n  *** MAL *** <  7  >");
    QCoreApplication::processEvents();
    QCOMPARE(bar->value(), position);
    QVERIFY(report.ReportText().endsWith("\r\n  *** MAL *** <  7  >"));
    if (anchor >= 0) {
        QCOMPARE(report.ui.Text1->textCursor().anchor(), anchor);
        QCOMPARE(report.ui.Text1->textCursor().position(), cursor);
    }
    // Typing goes on where the pupil's cursor is, undisturbed by the append.
    QTest::keyClicks(report.ui.Text1, "z");
    QCOMPARE(report.ReportText().endsWith("  >z"), anchor < 0);
}

void TestForm3::saveWritesTheReportAndOpensIt_data() {
    QTest::addColumn<QStringList>("appended");
    QTest::addColumn<QByteArray>("afterTitle");
    QTest::newRow("title only") << QStringList() << QByteArray("\r\n");
    QTest::newRow("heading and two verdicts")
        << QStringList{"\r\n\r\n( 1 )\r\nAna tiene 3 peras", "\r\n  *** MAL *** <  dos  >",
                       "\r\n  *** BIEN *** <  tres   >"}
        << QByteArray("\r\n\r\n( 1 )\r\nAna tiene 3 peras\r\n  *** MAL *** <  dos  >\r\n"
                      "  *** BIEN *** <  tres   >\r\n");
}

void TestForm3::saveWritesTheReportAndOpensIt() {
    QFETCH(QStringList, appended);
    QFETCH(QByteArray, afterTitle);
    Form3& report = Form3::Instance();
    const QByteArray title = report.ReportText().toUtf8();
    for (const QString& piece : appended)
        report.AppendReport(piece);

    report.Command1_Click(0);
    const QString path = app_->path() + "/texto.txt";
    QCOMPARE(readAll(path), title + afterTitle);
    QCOMPARE(opened_, QStringList{path});
    QCOMPARE(messages_, QStringList());
}

void TestForm3::savingTwiceKeepsOneCopy() {
    // An older file in capitals is the same file: it is replaced, not joined by a second one.
    app_->write("TEXTO.TXT", QByteArray("un informe de ayer, mucho más largo\r\n").repeated(100));
    Form3& report = Form3::Instance();
    report.AppendReport("\r\n\r\n( 1 )\r\nEnunciado");
    report.Command1_Click(0);
    report.Command1_Click(0);
    const QString path = app_->path() + "/TEXTO.TXT";
    QCOMPARE(readAll(path), ReportFile::FileBytes(report.ReportText()));
    QVERIFY(readAll(path).endsWith("\r\n\r\n( 1 )\r\nEnunciado\r\n"));
    QCOMPARE(QDir(app_->path()).entryList({"*.txt"}, QDir::Files), QStringList{"TEXTO.TXT"});
    QCOMPARE(opened_, QStringList({path, path}));
}

void TestForm3::failedSaveTellsThePupilAndOpensNothing() {
    // Nowhere to go: a folder named texto.txt in the application folder and in the home folder,
    // and a file where the documents folder should be.
    const QString path = app_->mkdir("texto.txt");
    const QString home = home_->path();
    QVERIFY(QDir().mkpath(home + "/texto.txt"));
    QFile documents(home + "/Documents");
    QVERIFY(documents.open(QIODevice::WriteOnly));
    documents.close();

    Form3::Instance().Command1_Click(0);
    QCOMPARE(opened_, QStringList());
    QCOMPARE(messages_.size(), 1);
    for (const QString& tried : {path, home + "/Documents/texto.txt", home + "/texto.txt"})
        QVERIFY2(messages_[0].contains(QDir::toNativeSeparators(tried)), qPrintable(messages_[0]));
    QCOMPARE(cues_, QStringList());
}

void TestForm3::unopenedReportTellsWhereItIs() {
    openerResult_ = false;
    Form3& report = Form3::Instance();
    report.Command1_Click(0);
    const QString path = app_->path() + "/texto.txt";
    QCOMPARE(opened_, QStringList{path});
    QCOMPARE(messages_.size(), 1);
    QVERIFY2(messages_[0].contains(QDir::toNativeSeparators(path)), qPrintable(messages_[0]));
    QCOMPARE(readAll(path), ReportFile::FileBytes(report.ReportText()));
}

QString TestForm3::saveAsPupil(const QString& home) {
#ifdef Q_OS_UNIX
    const bool root = geteuid() == 0;
    const uid_t nobody = 65534;
    int channel[2];
    if (pipe(channel) != 0)
        return QStringLiteral("<no pipe>");
    const pid_t child = fork();
    if (child < 0)
        return QStringLiteral("<no child>");
    if (child == 0) {
        close(channel[0]);
        if (root && (setgroups(0, nullptr) != 0 || setgid(nobody) != 0 || setuid(nobody) != 0))
            _exit(3);
        qputenv("HOME", QFile::encodeName(home));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home + "/.config"));
        Form3::Instance().Command1_Click(0);
        // What the pupil saw: the files opened, then the messages.
        const QByteArray seen = (opened_.join(u'|') + u'\n' + messages_.join(u'|')).toUtf8();
        const bool told = write(channel[1], seen.constData(), size_t(seen.size())) == seen.size();
        _exit(told ? 0 : 4);
    }
    close(channel[1]);
    QByteArray seen;
    char buffer[512];
    for (ssize_t got; (got = read(channel[0], buffer, sizeof buffer)) > 0;)
        seen.append(buffer, got);
    close(channel[0]);
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return QStringLiteral("<child failed>");
    return QString::fromUtf8(seen);
#else
    Q_UNUSED(home);
    return QString();
#endif
}

void TestForm3::readOnlyInstallationSavesToDocuments() {
#ifdef Q_OS_UNIX
    // Root writes into any folder, so the save runs in a child process of an unprivileged user
    // (nobody) whose home, without a documents folder yet, is a folder of its own.
    const bool root = geteuid() == 0;
    const uid_t nobody = 65534;
    QTemporaryDir homeDir;
    QVERIFY(homeDir.isValid());
    const QString home = homeDir.path();
    if (root)
        QVERIFY(chown(QFile::encodeName(home).constData(), nobody, nobody) == 0);

    Form3& report = Form3::Instance();
    report.AppendReport("\r\n\r\n( 1 )\r\nAna tiene 3 peras\r\n  *** BIEN *** <  tres   >");
    const QByteArray expected = ReportFile::FileBytes(report.ReportText());
    const QStringList installed = treeOf(app_->path());
    const QByteArray appFolder = QFile::encodeName(app_->path());
    QVERIFY(chmod(appFolder.constData(), 0555) == 0); // an installation: readable, not writable
    const auto restore = qScopeGuard([&] { chmod(appFolder.constData(), 0700); });
    if (!root && access(appFolder.constData(), W_OK) == 0)
        QSKIP("this file system cannot make a folder read-only");

    const QString seen = saveAsPupil(home);
    const QString saved = home + "/Documents/texto.txt";
    QCOMPARE(seen, saved + u'\n');
    QCOMPARE(readAll(saved), expected);
    QCOMPARE(treeOf(home),
             QStringList({"Documents/", "Documents/texto.txt " + QString::number(expected.size())}));
    QCOMPARE(treeOf(app_->path()), installed);
#else
    QSKIP("needs a process of another user");
#endif
}

void TestForm3::reportIsNeverLost_data() {
    QTest::addColumn<QString>("appFile");      // what stands at texto.txt in the application folder
    QTest::addColumn<bool>("documentsUsable"); // false: a file where the documents folder would be
    QTest::addColumn<QString>("savedIn");      // relative to the home folder
    QTest::newRow("read-only file") << "read-only" << true << "Documents/texto.txt";
    QTest::newRow("another pupil's file") << "another pupil's" << true << "Documents/texto.txt";
    QTest::newRow("a folder") << "folder" << true << "Documents/texto.txt";
    QTest::newRow("documents unusable too") << "read-only" << false << "texto.txt";
}

void TestForm3::reportIsNeverLost() {
#ifdef Q_OS_UNIX
    QFETCH(QString, appFile);
    QFETCH(bool, documentsUsable);
    QFETCH(QString, savedIn);
    const bool root = geteuid() == 0;
    const uid_t nobody = 65534;
    if (appFile == "another pupil's" && !root)
        QSKIP("only root makes a file of another user");

    // A shared copy of the folder: everyone may make files in it, as in a folder on a shared disk
    // (sticky, so that nobody removes another's file).
    const QByteArray appFolder = QFile::encodeName(app_->path());
    QVERIFY(chmod(appFolder.constData(), 01777) == 0);
    const QString texto = app_->path() + "/texto.txt";
    if (appFile == "folder") {
        QVERIFY(QDir().mkpath(texto));
    } else {
        app_->write("texto.txt", "el informe de otro\r\n");
        const QByteArray file = QFile::encodeName(texto);
        QVERIFY(chmod(file.constData(), appFile == "read-only" ? 0444 : 0644) == 0);
        if (root && appFile == "read-only")
            QVERIFY(chown(file.constData(), nobody, nobody) == 0);
    }
    const QString home = home_->path();
    if (!documentsUsable) {
        QFile documents(home + "/Documents");
        QVERIFY(documents.open(QIODevice::WriteOnly));
    }
    if (root)
        QVERIFY(chown(QFile::encodeName(home).constData(), nobody, nobody) == 0);

    Form3& report = Form3::Instance();
    report.AppendReport("\r\n\r\n( 1 )\r\nAna tiene 3 peras");
    const QByteArray expected = ReportFile::FileBytes(report.ReportText());
    const QStringList before = treeOf(app_->path());

    const QString seen = saveAsPupil(home);
    const QString saved = home + u'/' + savedIn;
    QCOMPARE(seen, saved + u'\n'); // opened where it went; the editor shows it, nothing to say
    QCOMPARE(readAll(saved), expected);
    QCOMPARE(treeOf(app_->path()), before); // the other report is left as it was
#else
    QSKIP("needs a process of another user");
#endif
}

void TestForm3::editorThatOpensNothingIsNoticed_data() {
    QTest::addColumn<QString>("opener"); // the body of a fake xdg-open; empty: there is none
    QTest::addColumn<bool>("opened");
    QTest::newRow("nothing opens text files") << "exit 3" << false;
    QTest::newRow("the opener fails") << "exit 1" << false;
    QTest::newRow("the opener is killed") << "kill -9 $$" << false;
    QTest::newRow("no opener installed") << "" << false;
    QTest::newRow("an editor opens it") << "exit 0" << true;
}

void TestForm3::editorThatOpensNothingIsNoticed() {
#ifdef Q_OS_UNIX
    QFETCH(QString, opener);
    QFETCH(bool, opened);
    QTemporaryDir bin;
    if (!opener.isEmpty()) {
        const QString script = bin.path() + "/xdg-open";
        QFile file(script);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral("#!/bin/sh\nprintf %s \"$1\" > \"%1/asked\"\n%2\n")
                       .arg(bin.path(), opener)
                       .toUtf8());
        file.close();
        QVERIFY(chmod(QFile::encodeName(script).constData(), 0755) == 0);
    }
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin.path()));
    const auto restore = qScopeGuard([&] { qputenv("PATH", path); });
    Form3::SetOpener({}); // the program's own opener, which finds the fake one on the PATH

    Form3& report = Form3::Instance();
    QSignalSpy checked(&report, &Form3::editorChecked);
    report.Command1_Click(0);
    if (!opener.isEmpty())
        QCOMPARE(checked.size(), 0); // the handler has not waited for the opener
    QVERIFY(checked.size() == 1 || checked.wait(60000));

    const QString saved = app_->path() + "/texto.txt";
    QCOMPARE(checked.at(0).at(0).toString(), saved);
    QCOMPARE(checked.at(0).at(1).toBool(), opened);
    if (!opener.isEmpty())
        QCOMPARE(readAll(bin.path() + "/asked"), QFile::encodeName(saved));
    QCOMPARE(messages_.size(), opened ? 0 : 1);
    if (!opened)
        QVERIFY2(messages_[0].contains(QDir::toNativeSeparators(saved)), qPrintable(messages_[0]));
#else
    QSKIP("opens reports with xdg-open");
#endif
}

void TestForm3::cues_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("expectedCues");
    QTest::addColumn<bool>("exerciseInFront");
    QTest::newRow("save plays nothing") << 0 << QStringList() << false;
    QTest::newRow("back") << 2 << QStringList{"\\sonidos\\pasa.WAV"} << true;
}

void TestForm3::cues() {
    QFETCH(int, index);
    QFETCH(QStringList, expectedCues);
    QFETCH(bool, exerciseInFront);
    Form3& report = Form3::Instance();
    report.ShowFromProgram();
    QCOMPARE(ActiveProgramWindow(), &report);
    cues_.clear();

    report.Command1_Click(index);
    QCOMPARE(cues_, expectedCues);
    QCOMPARE(ActiveProgramWindow() == Form1::Existing(), exerciseInFront);
    if (exerciseInFront)
        QVERIFY(Form1::Existing()->isVisible());
    QVERIFY(Form3::Existing() == &report); // the report stays loaded
}

void TestForm3::appendsToALongReport() {
    Form3& report = Form3::Instance();
    report.show();
    QVERIFY(QTest::qWaitForWindowExposed(&report));
    const QString heading =
        "\r\n\r\n( 1 )\r\nJuan compra 12 lápices y regala 5 a su hermana. ¿Cuántos le quedan?";
    const QString result = "\r\n  *** BIEN *** <  7  >";

    // The quickest of a few batches, so that a busy machine does not decide the outcome.
    const auto batchNanoseconds = [&] {
        qint64 best = std::numeric_limits<qint64>::max();
        for (int batch = 0; batch < 5; ++batch) {
            QElapsedTimer timer;
            timer.start();
            for (int i = 0; i < 20; ++i) {
                report.AppendReport(heading);
                report.AppendReport(result);
            }
            best = std::min(best, timer.nsecsElapsed());
        }
        return best;
    };

    // The two costs are reported, not compared: a busy machine could make either one slow. The
    // benchmark (tools/bench) times a check with a short report and with 10,000 entries.
    const qint64 early = batchNanoseconds();
    for (int entry = 0; entry < 10000; ++entry) {
        report.AppendReport(heading);
        report.AppendReport(result);
    }
    QCoreApplication::processEvents();
    const qint64 late = batchNanoseconds();
    qInfo("40 appends: %.3f ms at the start, %.3f ms after 10000 entries", early / 1e6, late / 1e6);
    QVERIFY(report.ui.Text1->document()->blockCount() > 40000);
    QVERIFY(report.ReportText().endsWith(heading + result));
}

QTEST_MAIN(TestForm3)
#include "tst_form3.moc"
