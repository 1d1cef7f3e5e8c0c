// SPDX-License-Identifier: GPL-3.0-or-later
// The program's windows over damaged, missing, huge and oddly named content, in real folders:
// the group window lists and confirms, the exercise window shows a problem, checks and moves on,
// and the report window saves. Every step must end quickly, leave a usable view and never lose
// the report saved before.

#include "app/AppFolder.h"
#include "app/Cue.h"
#include "app/Module1.h"
#include "app/Program.h"
#include "problems/Form1.h"
#include "report/Form3.h"
#include "report/ReportFile.h"
#include "selection/Form2.h"
#include "support/FakeProblemView.h"
#include "support/TempAppFolder.h"
#include "support/Unprivileged.h"
#include "windows/PictureButton.h"

#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray PreviousReport = "Informe anterior: no se debe perder.\r\n\xF1\r\n";

enum class Damage {
    None,
    NoProblemas,
    NoDatos,
    NoSonidos,
    NoGifs,
    NoConfiguracion,
    ProblemasIsFile,
    DatosIsFile,
    EmptyGroup,
    EmptyTemplate,
    GarbageTemplate,
    EmptyList,
    GarbageList,
    GarbageLanguageFile,
    GarbageCuesAndGifs,
    HundredThousandLineList,
    TenThousandWordStatement,
    NeverAccepts,
    TenThousandWordsNeverAccepting,
    ThreeHundredGroups,
    TemplateIsFolder,
    ListIsFolder,
    LanguageFileIsFolder,
    CuesAndGifsAreFolders,
    UnreadableTemplate,
    UnreadableList,
    UnreadableDatos,
    UnreadableGroup,
    UnreadableLanguageFile,
    MixedCaseNames,
    SpacesAndAccents,
    AppFolderWithSpacesAndAccents,
    ReadOnlyAppFolder,
    ReportIsFolder,
    FileSizeLimit,
    PipesForContent,
    ReportIsPipe,
};

const QString TestGroup = QStringLiteral("0 Pruebas");

// Statement words p1 .. p9999 with the list word NOMBRE every hundredth word.
QStringList longStatementWords() {
    QStringList words;
    words.reserve(10000);
    for (int i = 0; i < 10000; ++i)
        words << (i % 100 == 0 ? QStringLiteral("NOMBRE") : QStringLiteral("p%1").arg(i));
    return words;
}

// What those words show with every draw taking a list's first line.
QString longStatementShown() {
    QString shown;
    for (const QString& word : longStatementWords())
        shown += (word == u"NOMBRE" ? QStringLiteral("Ana") : word) + u' ';
    return shown;
}

QByteArray garbage(quint32 seed, int size) {
    QRandomGenerator random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& byte : bytes)
        byte = char(random.bounded(256));
    return bytes;
}

void copyFolder(const QString& from, const QString& to) {
    QDir().mkpath(to);
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + source.mid(from.size());
        if (it.fileInfo().isDir())
            QDir().mkpath(target);
        else
            QFile::copy(source, target);
    }
}

} // namespace

class TestBadContent : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void windowsSurvive_data();
    void windowsSurvive();
    void saveUnderFileSizeLimit_data();
    void saveUnderFileSizeLimit();

private:
    // Applies the damage; skips the row (setting skipped_) when this system cannot produce it.
    void damage(Damage kind);
    void removeAll(const QString& relative);
    void makeFolderAt(const QString& relative);
    void makePipeAt(const QString& relative);
    void chmodRelative(const QString& relative, mode_t mode);
    QString appPath(const QString& relative) const { return app_->path() + u'/' + relative; }

    void limitFileSize(rlim_t bytes);
    void liftFileSizeLimit();
    // The exercise window shows something a pupil can work with.
    void checkView(const char* when);
    // The group chosen, a problem checked, the arrows, the report saved.
    void pupilSteps(Damage kind, const QString& group, const QString& statement, const QString& button,
                    bool saveFails, double result);

    std::unique_ptr<TempAppFolder> app_;
    // The pupil's home: a report that cannot be saved in the application folder goes there.
    std::unique_ptr<QTemporaryDir> home_;
    QByteArray realHome_;
    QByteArray realConfig_;
    QString reportPath_;
    QStringList restoreModes_; // paths whose permissions cleanup gives back
    QStringList messages_;
    QStringList opened_;
    int endRequests_ = 0;
    rlimit fileSizeLimit_{};
    bool fileSizeLimited_ = false;
    bool skipped_ = false;
    bool unprivileged_ = false; // the damage means something only to an unprivileged user
};

void TestBadContent::init() {
    app_ = std::make_unique<TempAppFolder>();
    home_ = std::make_unique<QTemporaryDir>();
    realHome_ = qgetenv("HOME");
    realConfig_ = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", QFile::encodeName(home_->path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home_->path() + "/.config"));
    // The shipped lists, language file and media, and one shipped group beside ours: copying the
    // whole library for every row would make the suite a matter of disk speed.
    const QString shipped = QStringLiteral(KOTIRA_SOURCE_DIR "/content");
    for (const char* folder : {"datos", "configuracion", "sonidos", "gifs"})
        copyFolder(shipped + u'/' + QLatin1String(folder), app_->path() + u'/' + QLatin1String(folder));
    const QString firstGroup =
        QDir(shipped + "/Problemas").entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name).value(0);
    QVERIFY(!firstGroup.isEmpty());
    copyFolder(shipped + "/Problemas/" + firstGroup, app_->path() + "/Problemas/" + firstGroup);
    // Our own copies of the lists the rows' expectations draw from, whatever the library holds.
    QStringList counts;
    for (int n = 2; n <= 20; ++n)
        counts << QString::number(n);
    app_->writeLines("datos/NOMBRE.txt", {"Ana", "Luis"});
    app_->writeLines("datos/NUMERO1.txt", counts);
    app_->writeLines("datos/NUMERO2.txt", counts);
    // A group of our own that sorts first: a numeric, a choice and a second numeric problem.
    app_->writeLines("Problemas/" + TestGroup + "/1.txt", {"NOMBRE tiene NUMERO1 cromos", "NUMERO1 + 1"});
    app_->writeLines("Problemas/" + TestGroup + "/2.txt", {"Elige", "TEXTO", "nota", "uno ", "dos"});
    app_->writeLines("Problemas/" + TestGroup + "/3.txt", {"NOMBRE gana NUMERO2", "NUMERO2 * 2"});
    reportPath_ = app_->write("texto.txt", PreviousReport);

    Form1::SetRandomSourceFactory([] { return std::make_unique<ScriptedRandom>(QList<float>{0.0f}); });
    SetCueObserver([](QStringView) {});
    endRequests_ = 0;
    SetEndProgramHook([this] { ++endRequests_; });
    messages_.clear();
    opened_.clear();
    Form3::SetOpener([this](const QString& path) {
        opened_ << path;
        return true;
    });
    Form3::SetMessageHook([this](const QString& text) { messages_ << text; });
}

void TestBadContent::cleanup() {
    Form1::Unload();
    Form2::Unload();
    Form3::Unload();
    MakeActiveProgramWindow(nullptr);
    Form1::SetRandomSourceFactory({});
    Form3::SetOpener({});
    Form3::SetMessageHook({});
    SetCueObserver({});
    SetEndProgramHook({});
    Module1::GroupPath.clear();
    Module1::GroupIndex = 0;
    Module1::ReportTitle.clear();
    liftFileSizeLimit();
    for (const QString& path : std::as_const(restoreModes_))
        ::chmod(QFile::encodeName(path).constData(), 0755);
    restoreModes_.clear();
    app_.reset();
    qputenv("HOME", realHome_);
    qputenv("XDG_CONFIG_HOME", realConfig_);
    home_.reset();
}

void TestBadContent::removeAll(const QString& relative) {
    const QString path = appPath(relative);
    if (QFileInfo(path).isDir())
        QDir(path).removeRecursively();
    else
        QFile::remove(path);
}

void TestBadContent::makeFolderAt(const QString& relative) {
    removeAll(relative);
    app_->mkdir(relative);
    // Not empty, so that nothing could take it for a missing or blank file.
    app_->write(relative + "/dentro.txt", "x\r\n");
}

void TestBadContent::makePipeAt(const QString& relative) {
    removeAll(relative);
    QVERIFY(::mkfifo(QFile::encodeName(appPath(relative)).constData(), 0644) == 0);
}

void TestBadContent::chmodRelative(const QString& relative, mode_t mode) {
    const QString path = appPath(relative);
    restoreModes_ << path;
    QVERIFY(::chmod(QFile::encodeName(path).constData(), mode) == 0);
}

void TestBadContent::damage(Damage kind) {
    const QString group = "Problemas/" + TestGroup;
    switch (kind) {
    case Damage::None:
        break;
    case Damage::NoProblemas:
        removeAll("Problemas");
        break;
    case Damage::NoDatos:
        removeAll("datos");
        break;
    case Damage::NoSonidos:
        removeAll("sonidos");
        break;
    case Damage::NoGifs:
        removeAll("gifs");
        break;
    case Damage::NoConfiguracion:
        removeAll("configuracion");
        break;
    case Damage::ProblemasIsFile:
        removeAll("Problemas");
        app_->write("Problemas", "no soy una carpeta\r\n");
        break;
    case Damage::DatosIsFile:
        removeAll("datos");
        app_->write("datos", "no soy una carpeta\r\n");
        break;
    case Damage::EmptyGroup:
        removeAll(group);
        app_->mkdir(group);
        break;
    case Damage::EmptyTemplate:
        app_->write(group + "/1.txt", "");
        break;
    case Damage::GarbageTemplate:
        app_->write(group + "/1.txt", garbage(1, 4096));
        app_->write(group + "/3.txt", garbage(3, 300) + "\r\n" + garbage(4, 300));
        break;
    case Damage::EmptyList:
        app_->write("datos/NOMBRE.txt", "");
        break;
    case Damage::GarbageList:
        app_->write("datos/NOMBRE.txt", garbage(5, 8192));
        app_->write("datos/NUMERO1.txt", garbage(6, 8192));
        break;
    case Damage::GarbageLanguageFile:
        app_->write("configuracion/idioma.txt", garbage(7, 2048));
        break;
    case Damage::GarbageCuesAndGifs:
        for (const char* name :
             {"sonidos/pasa.WAV", "sonidos/lista.WAV", "sonidos/pasaejercicio.WAV", "sonidos/acierto.WAV",
              "sonidos/fallo.WAV", "gifs/miro.gif", "gifs/acierto2.gif", "gifs/fallo2.gif"})
            app_->write(name, garbage(qHash(QByteArray(name)), 3000));
        // A GIF that claims a huge screen and stops short.
        app_->write("gifs/fallo2.gif",
                    QByteArray("GIF89a\xff\xff\xff\xff\xf7\x00\x00", 13) + garbage(8, 100));
        break;
    case Damage::HundredThousandLineList: {
        QStringList lines;
        lines.reserve(100000);
        for (int i = 1; i <= 100000; ++i)
            lines << QString::number(i);
        app_->writeLines("datos/NUMERO1.txt", lines);
        break;
    }
    case Damage::TenThousandWordStatement:
        app_->writeLines(group + "/1.txt", {longStatementWords().join(u' '), "NUMERO1 + 1"});
        break;
    case Damage::NeverAccepts:
        app_->writeLines(group + "/1.txt", {"NOMBRE pierde NUMERO1", "NUMERO1 - 100"});
        break;
    case Damage::TenThousandWordsNeverAccepting:
        app_->writeLines(group + "/1.txt", {"NUMERO1 " + longStatementWords().join(u' '), "NUMERO1 - 100"});
        break;
    case Damage::ThreeHundredGroups:
        for (int g = 1; g <= 300; ++g)
            app_->writeLines(QStringLiteral("Problemas/G%1/1.txt").arg(g, 3, 10, QLatin1Char('0')),
                             {QStringLiteral("Grupo %1").arg(g), "1"});
        break;
    case Damage::TemplateIsFolder:
        makeFolderAt(group + "/1.txt");
        break;
    case Damage::ListIsFolder:
        makeFolderAt("datos/NOMBRE.txt");
        break;
    case Damage::LanguageFileIsFolder:
        makeFolderAt("configuracion/idioma.txt");
        break;
    case Damage::CuesAndGifsAreFolders:
        for (const char* name :
             {"sonidos/pasa.WAV", "sonidos/lista.WAV", "sonidos/pasaejercicio.WAV", "sonidos/acierto.WAV",
              "sonidos/fallo.WAV", "gifs/miro.gif", "gifs/acierto2.gif", "gifs/fallo2.gif"})
            makeFolderAt(name);
        break;
    case Damage::UnreadableTemplate:
    case Damage::UnreadableList:
    case Damage::UnreadableLanguageFile: {
        const QString file = kind == Damage::UnreadableTemplate ? group + "/1.txt"
                             : kind == Damage::UnreadableList   ? QStringLiteral("datos/NOMBRE.txt")
                                                                : QStringLiteral("configuracion/idioma.txt");
        chmodRelative(file, 0);
        unprivileged_ = RunsAsRoot();
        if (QFile probe(appPath(file)); !unprivileged_ && probe.open(QIODevice::ReadOnly)) {
            skipped_ = true;
            QSKIP("This file system reads a file whatever its permissions; the folder-instead-of-file "
                  "rows cover the failure to read.");
        }
        break;
    }
    case Damage::UnreadableDatos:
    case Damage::UnreadableGroup: {
        const QString folder = kind == Damage::UnreadableDatos ? QStringLiteral("datos") : group;
        chmodRelative(folder, 0);
        unprivileged_ = RunsAsRoot();
        if (!unprivileged_ && !QDir(appPath(folder)).entryList(QDir::Files).isEmpty()) {
            skipped_ = true;
            QSKIP("This file system lists a folder whatever its permissions; the missing-folder rows "
                  "cover the failure to list.");
        }
        break;
    }
    case Damage::MixedCaseNames:
        QVERIFY(QDir(app_->path()).rename("Problemas", "PROBLEMAS"));
        QVERIFY(QDir(app_->path()).rename("datos", "DATOS"));
        QVERIFY(QDir(app_->path()).rename("sonidos", "Sonidos"));
        QVERIFY(QDir(app_->path()).rename("gifs", "GIFS"));
        QVERIFY(QDir(app_->path()).rename("configuracion", "Configuracion"));
        QVERIFY(QDir(appPath("Configuracion")).rename("idioma.txt", "IDIOMA.TXT"));
        QVERIFY(QDir(appPath("DATOS")).rename("NOMBRE.txt", "nombre.TxT"));
        QVERIFY(QDir(appPath("PROBLEMAS/" + TestGroup)).rename("1.txt", "1.TXT"));
        QVERIFY(QFile::rename(reportPath_, appPath("Texto.TXT")));
        reportPath_ = appPath("Texto.TXT");
        break;
    case Damage::SpacesAndAccents:
        app_->writeLines(QStringLiteral("Problemas/00 Ñandú  y más problemas/1.txt"),
                         {QStringLiteral("El NUMEROAÑO de NOMBRE"), QStringLiteral("NUMEROAÑO + 1")});
        app_->writeLines(QStringLiteral("datos/numeroaño.txt"), {"2024"});
        break;
    case Damage::AppFolderWithSpacesAndAccents: {
        const QString folder = app_->mkdir(QStringLiteral("Carpeta de KOTIRA con espacios ÁÉÍ"));
        for (const char* name : {"Problemas", "datos", "sonidos", "gifs", "configuracion"})
            QVERIFY(QDir(app_->path())
                        .rename(name, QStringLiteral("Carpeta de KOTIRA con espacios ÁÉÍ/") + name));
        QVERIFY(QFile::rename(reportPath_, folder + "/texto.txt"));
        reportPath_ = folder + "/texto.txt";
        SetAppFolder(folder);
        break;
    }
    case Damage::ReadOnlyAppFolder: {
        chmodRelative(QString(), 0555);
        unprivileged_ = RunsAsRoot();
        QFile probe(appPath("probe.txt"));
        if (!unprivileged_ && probe.open(QIODevice::WriteOnly)) {
            probe.remove();
            skipped_ = true;
            QSKIP("This file system writes a folder whatever its permissions; the file-size-limit row "
                  "covers the failed save, the report-is-a-folder row the save that goes elsewhere.");
        }
        break;
    }
    case Damage::ReportIsFolder:
        removeAll("texto.txt");
        makeFolderAt("texto.txt");
        break;
    case Damage::FileSizeLimit:
        // Applied right before the save; see windowsSurvive().
        break;
    case Damage::PipesForContent:
        // Opening a named pipe for reading waits for a writer that never comes.
        for (const QString& name :
             {"Problemas/" + TestGroup + "/3.txt", QStringLiteral("datos/NOMBRE.txt"),
              QStringLiteral("configuracion/idioma.txt"), QStringLiteral("sonidos/pasaejercicio.WAV"),
              QStringLiteral("sonidos/fallo.WAV"), QStringLiteral("gifs/miro.gif"),
              QStringLiteral("gifs/fallo2.gif")})
            makePipeAt(name);
        break;
    case Damage::ReportIsPipe:
        makePipeAt("texto.txt");
        break;
    }
}

void TestBadContent::limitFileSize(rlim_t bytes) {
    QVERIFY(::getrlimit(RLIMIT_FSIZE, &fileSizeLimit_) == 0);
    fileSizeLimited_ = true;
    std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead of ending the process
    rlimit small = fileSizeLimit_;
    small.rlim_cur = bytes;
    QVERIFY(::setrlimit(RLIMIT_FSIZE, &small) == 0);
}

void TestBadContent::liftFileSizeLimit() {
    if (!fileSizeLimited_)
        return;
    ::setrlimit(RLIMIT_FSIZE, &fileSizeLimit_);
    std::signal(SIGXFSZ, SIG_DFL);
    fileSizeLimited_ = false;
}

template <typename Step> qint64 elapsedMs(Step step) {
    QElapsedTimer timer;
    timer.start();
    step();
    return timer.elapsed();
}

// One step of the pupil's. Its time is reported when it is long enough to be felt, never asserted:
// a loaded machine or a sanitized build is slower for no fault. (A step that never ends is stopped
// by the test's timeout.)
#define PUPIL_STEP(what, step)                                                                               \
    do {                                                                                                     \
        const qint64 ms = elapsedMs([&] { step; });                                                          \
        if (ms >= 200)                                                                                       \
            qInfo("%s took %lld ms", what, static_cast<long long>(ms));                                      \
    } while (false)

void TestBadContent::checkView(const char* when) {
    Form1* form = Form1::Existing();
    QVERIFY2(form, when);
    const QString statement = form->ui.Text3->toPlainText();
    // One statement line, however the template was broken.
    QVERIFY2(!statement.contains(u'\n') && !statement.contains(u'\r'), when);
    // Exactly one way to answer, and a check button to press.
    QVERIFY2(form->ui.Combo2->isHidden() != form->ui.Text2->isHidden(), when);
    QVERIFY2(form->ui.Command8->isEnabled(), when);
    QCOMPARE(form->ui.Command8->text(), form->state.LangText[0]);
}

void TestBadContent::windowsSurvive_data() {
    QTest::addColumn<Damage>("kind");
    QTest::addColumn<QString>("group");     // the group to open
    QTest::addColumn<QString>("statement"); // first problem as shown; null when not foreseeable
    QTest::addColumn<QString>("button");    // check button's caption
    QTest::addColumn<bool>("saveFails");
    QTest::addColumn<double>("result"); // expected result of the first problem; NaN when not checked

    const double NaN = qQNaN();
    const QString plain = QStringLiteral("Ana tiene 2 cromos ");
    const QString ready = QStringLiteral("COMPROBAR");
    const QString none; // no foreseeable statement
    const QString noGroup = QString();
    QTest::newRow("intact content") << Damage::None << TestGroup << plain << ready << false << 3.0;
    QTest::newRow("missing Problemas") << Damage::NoProblemas << noGroup << none << ready << false << NaN;
    QTest::newRow("missing datos") << Damage::NoDatos << TestGroup << "NOMBRE tiene NUMERO1 cromos " << ready
                                   << false << 1.0;
    QTest::newRow("missing sonidos") << Damage::NoSonidos << TestGroup << plain << ready << false << NaN;
    QTest::newRow("missing gifs") << Damage::NoGifs << TestGroup << plain << ready << false << NaN;
    QTest::newRow("missing configuracion")
        << Damage::NoConfiguracion << TestGroup << plain << QString() << false << NaN;
    QTest::newRow("Problemas is a file")
        << Damage::ProblemasIsFile << noGroup << none << ready << false << NaN;
    QTest::newRow("datos is a file") << Damage::DatosIsFile << TestGroup << "NOMBRE tiene NUMERO1 cromos "
                                     << ready << false << NaN;
    QTest::newRow("group without templates")
        << Damage::EmptyGroup << TestGroup << "" << ready << false << NaN;
    QTest::newRow("empty template") << Damage::EmptyTemplate << TestGroup << "" << ready << false << 0.0;
    QTest::newRow("binary garbage templates")
        << Damage::GarbageTemplate << TestGroup << none << ready << false << NaN;
    QTest::newRow("empty list") << Damage::EmptyList << TestGroup << none << ready << false << NaN;
    QTest::newRow("binary garbage lists")
        << Damage::GarbageList << TestGroup << none << ready << false << NaN;
    QTest::newRow("binary garbage language file")
        << Damage::GarbageLanguageFile << TestGroup << plain << QStringLiteral("*") << false << NaN;
    QTest::newRow("binary garbage cues and animations")
        << Damage::GarbageCuesAndGifs << TestGroup << plain << ready << false << NaN;
    QTest::newRow("100,000-line list")
        << Damage::HundredThousandLineList << TestGroup << "Ana tiene 1 cromos " << ready << false << 2.0;
    QTest::newRow("10,000-word statement")
        << Damage::TenThousandWordStatement << TestGroup << longStatementShown() << ready << false << NaN;
    QTest::newRow("template that never accepts")
        << Damage::NeverAccepts << TestGroup << "Ana pierde 2 " << ready << false << -98.0;
    QTest::newRow("10,000 words never accepting") << Damage::TenThousandWordsNeverAccepting << TestGroup
                                                  << "2 " + longStatementShown() << ready << false << -98.0;
    QTest::newRow("300 groups, the last opened") << Damage::ThreeHundredGroups << "G300"
                                                 << "Grupo 300 " << ready << false << 1.0;
    QTest::newRow("folder where the template is")
        << Damage::TemplateIsFolder << TestGroup << "" << ready << false << NaN;
    QTest::newRow("folder where a list is")
        << Damage::ListIsFolder << TestGroup << "NOMBRE tiene 2 cromos " << ready << false << NaN;
    QTest::newRow("folder where the language file is")
        << Damage::LanguageFileIsFolder << TestGroup << plain << QString() << false << NaN;
    QTest::newRow("folders where cues and animations are")
        << Damage::CuesAndGifsAreFolders << TestGroup << plain << ready << false << NaN;
    QTest::newRow("unreadable template")
        << Damage::UnreadableTemplate << TestGroup << "" << ready << false << NaN;
    QTest::newRow("unreadable list") << Damage::UnreadableList << TestGroup << none << ready << false << NaN;
    QTest::newRow("unreadable datos folder")
        << Damage::UnreadableDatos << TestGroup << none << ready << false << NaN;
    QTest::newRow("unreadable group folder")
        << Damage::UnreadableGroup << TestGroup << "" << ready << false << NaN;
    QTest::newRow("unreadable language file")
        << Damage::UnreadableLanguageFile << TestGroup << plain << QString() << false << NaN;
    QTest::newRow("mixed-case names")
        << Damage::MixedCaseNames << TestGroup << plain << ready << false << 3.0;
    QTest::newRow("spaces and accents in names")
        << Damage::SpacesAndAccents << QStringLiteral("00 Ñandú  y más problemas") << "El 2024 de Ana "
        << ready << false << 2025.0;
    QTest::newRow("application folder with spaces and accents")
        << Damage::AppFolderWithSpacesAndAccents << TestGroup << plain << ready << false << 3.0;
    QTest::newRow("read-only application folder")
        << Damage::ReadOnlyAppFolder << TestGroup << plain << ready << true << NaN;
    // The report goes to the documents folder instead.
    QTest::newRow("folder where texto.txt is")
        << Damage::ReportIsFolder << TestGroup << plain << ready << false << NaN;
    QTest::newRow("file size limit while saving")
        << Damage::FileSizeLimit << TestGroup << plain << ready << true << NaN;
    QTest::newRow("named pipes where content files are")
        << Damage::PipesForContent << TestGroup << "NOMBRE tiene 2 cromos " << QString() << false << 3.0;
    QTest::newRow("named pipe where texto.txt is")
        << Damage::ReportIsPipe << TestGroup << plain << ready << false << 3.0;
}

void TestBadContent::windowsSurvive() {
    QFETCH(Damage, kind);
    QFETCH(QString, group);
    QFETCH(QString, statement);
    QFETCH(QString, button);
    QFETCH(bool, saveFails);
    QFETCH(double, result);

    skipped_ = false;
    unprivileged_ = false;
    damage(kind);
    if (skipped_ || QTest::currentTestFailed())
        return;
    // Permissions bind the superuser not at all: then the pupil's steps run as nobody.
    if (unprivileged_) {
        QVERIFY(RunUnprivileged(app_->path(), [&] {
            pupilSteps(kind, group, statement, button, saveFails, result);
            return !QTest::currentTestFailed();
        }));
        return;
    }
    pupilSteps(kind, group, statement, button, saveFails, result);
}

void TestBadContent::pupilSteps(Damage kind, const QString& group, const QString& statement,
                                const QString& button, bool saveFails, double result) {
    const QByteArray previous = QFileInfo(reportPath_).isFile() ? PreviousReport : QByteArray();

    // The group window lists the groups; the chosen one is confirmed.
    Form2* groups = nullptr;
    PUPIL_STEP("loading the group window", groups = &Form2::Instance());
    if (group.isNull()) {
        QCOMPARE(groups->ui.List1->count(), 0);
    } else {
        const QList<QListWidgetItem*> found = groups->ui.List1->findItems(group, Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        PUPIL_STEP("selecting the group", groups->ui.List1->setCurrentItem(found.first()));
        QCOMPARE(Module1::GroupIndex, qint16(groups->ui.List1->row(found.first())));
    }
    MakeActiveProgramWindow(nullptr);
    PUPIL_STEP("confirming the group", groups->Command1_Click());
    Form1* form = Form1::Existing();
    QVERIFY(form);
    checkView("after opening the group");
    if (QTest::currentTestFailed())
        return;
    if (!statement.isNull())
        QCOMPARE(form->ui.Text3->toPlainText(), statement);
    if (!qIsNaN(result))
        QCOMPARE(form->state.Result, result);
    if (button == u"*")
        QVERIFY(!form->ui.Command8->text().contains(u'\n'));
    else
        QCOMPARE(form->ui.Command8->text(), button);

    // A check: the report gets the heading and a verdict.
    const QString reportBefore = Form3::Instance().ReportText();
    form->ui.Text2->setText(QStringLiteral("3"));
    PUPIL_STEP("checking the answer", form->Command8_Click());
    const QString caption = form->ui.Command8->text();
    QVERIFY(caption == form->state.LangText[1] || caption == form->state.LangText[2]);
    const QString report = Form3::Instance().ReportText();
    QVERIFY(report.size() > reportBefore.size());
    QVERIFY(report.startsWith(reportBefore));
    if (!statement.isNull())
        QVERIFY(report.contains(statement));

    // Through the group and back, each problem showing something usable.
    for (int index : {1, 1, 1, 0}) {
        PUPIL_STEP("moving to another problem", form->Command1_Click(index));
        checkView("after an arrow");
        if (QTest::currentTestFailed())
            return;
    }

    // Nothing but a save touches the report file.
    if (!previous.isEmpty()) {
        QFile file(reportPath_);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), previous);
    }

    // Saving: either the whole report is in texto.txt, or the earlier file is untouched and the
    // pupil is told.
    if (kind == Damage::FileSizeLimit)
        limitFileSize(rlim_t(PreviousReport.size()));
    PUPIL_STEP("saving the report", Form3::Instance().Command1_Click(0));
    liftFileSizeLimit();
    if (saveFails) {
        QCOMPARE(messages_.size(), 1);
        QVERIFY(messages_.first().startsWith(QStringLiteral("No se ha podido guardar")));
        QVERIFY(opened_.isEmpty());
        QFile file(reportPath_);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), previous);
        // Nothing half-written is left beside it.
        const QStringList left = QDir(QFileInfo(reportPath_).absolutePath())
                                     .entryList(QDir::Files | QDir::Hidden, QDir::Name)
                                     .filter(QStringLiteral("texto"), Qt::CaseInsensitive);
        QCOMPARE(left, QStringList{QFileInfo(reportPath_).fileName()});
    } else {
        QVERIFY2(messages_.isEmpty(), qPrintable(messages_.value(0)));
        // A folder where the report goes is left as it is; the report goes to the documents folder.
        const QString savedPath =
            kind == Damage::ReportIsFolder ? home_->path() + "/Documents/texto.txt" : reportPath_;
        if (kind == Damage::ReportIsFolder) {
            QVERIFY(QFileInfo(reportPath_).isDir());
            QFile inside(reportPath_ + "/dentro.txt");
            QVERIFY(inside.open(QIODevice::ReadOnly));
            QCOMPARE(inside.readAll(), QByteArray("x\r\n"));
        }
        QCOMPARE(opened_.size(), 1);
        QCOMPARE(QFileInfo(opened_.first()).canonicalFilePath(), QFileInfo(savedPath).canonicalFilePath());
        QFile file(savedPath);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), ReportFile::FileBytes(Form3::Instance().ReportText()));
    }
    QCOMPARE(endRequests_, 0);
}

void TestBadContent::saveUnderFileSizeLimit_data() {
    QTest::addColumn<qint64>("limit"); // bytes a file may grow to, against the new report's size
    QTest::addColumn<bool>("saved");
    const qint64 size = ReportFile::FileBytes(QString(500, u'x')).size();
    QTest::newRow("nothing can be written") << qint64(0) << false;
    QTest::newRow("one byte") << qint64(1) << false;
    QTest::newRow("half the report") << size / 2 << false;
    QTest::newRow("one byte short") << size - 1 << false;
    QTest::newRow("exactly the report") << size << true;
}

// A disk that fills up or a file size limit cuts a write short; the old report must survive that.
void TestBadContent::saveUnderFileSizeLimit() {
    QFETCH(qint64, limit);
    QFETCH(bool, saved);
    const QString report(500, u'x');

    limitFileSize(rlim_t(limit));
    const bool result = ReportFile::Save(reportPath_, report);
    liftFileSizeLimit();

    QCOMPARE(result, saved);
    QFile file(reportPath_);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), saved ? ReportFile::FileBytes(report) : PreviousReport);
    QCOMPARE(QDir(app_->path()).entryList({"texto*"}, QDir::Files | QDir::Hidden), QStringList{"texto.txt"});
}

QTEST_MAIN(TestBadContent)
#include "tst_bad_content.moc"
