// SPDX-License-Identifier: GPL-3.0-or-later
// kotira-revisar: checks the content of an application folder the way KOTIRA reads it and tells the
// teacher, in Spanish, what is wrong, where, and how to fix it.

#include "app/AppFolder.h"
#include "app/NumericValue.h"
#include "checker/CaptionFit.h"
#include "checker/CommandLine.h"
#include "checker/ContentCheck.h"
#include "checker/ContentPaths.h"
#include "checker/HtmlReport.h"
#include "checker/JsonReport.h"
#include "checker/OpenReport.h"
#include "checker/TextReport.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>

#include <csignal>
#include <cstdio>
#include <cstring>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

enum ExitStatus { NoError = 0, SomeError = 1, UnusableArguments = 2 };

// Where the teachers' guide is installed by the package; the HTML report links to it when present.
const char GuidePage[] = "/usr/share/doc/kotira/guia-del-profesor.html";

void print(FILE* stream, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

bool isTerminal(FILE* stream) {
#ifdef Q_OS_UNIX
    return isatty(fileno(stream)) == 1;
#else
    Q_UNUSED(stream);
    return false;
#endif
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

// The folder of this program's own file, through any symbolic links (a menu entry may start it
// through one).
QString programFolder() {
    return QFileInfo(QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath()).absolutePath();
}

// The toolkit's own notes (a missing runtime folder and the like) are no news for the teacher.
void quiet(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        print(stderr, message + u'\n');
}

int unusable(const QString& why) {
    print(stderr,
          QStringLiteral("kotira-revisar: %1\n(kotira-revisar --ayuda explica las opciones)\n").arg(why));
    return UnusableArguments;
}

// "Revisando: 12 de 61 plantillas (19 %)", rewritten in place, for runs long enough to seem stuck.
class Progress {
public:
    void operator()(int done, int total) {
        const int percent = total > 0 ? 100 * done / total : 100;
        if (percent == shown_)
            return;
        shown_ = percent;
        print(stdout, QStringLiteral("\rRevisando: %1 de %2 plantillas (%3 %)")
                          .arg(SpanishNumber(done), SpanishNumber(total), QString::number(percent)));
    }
    void clear() {
        if (shown_ >= 0)
            print(stdout, QStringLiteral("\r%1\r").arg(QString(60, u' ')));
    }

private:
    int shown_ = -1;
};

} // namespace

int main(int argc, char* argv[]) {
    if (argc >= 2 && std::strcmp(argv[1], NoticeOption) == 0)
        return RunNoticeWindow(argc, argv);
    // Read before any toolkit is started: the help, the version and a wrong option need no display.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    CommandLine command = ParseCommandLine(arguments);
    if (command.version) {
        print(stdout, QStringLiteral("kotira-revisar " KOTIRA_VERSION "\n"));
        return NoError;
    }
    if (command.help) {
        print(stdout, HelpText());
        return NoError;
    }
    if (!command.error.isEmpty())
        return unusable(command.error);

    // Captions are measured with the windows' fonts; no window is ever shown, so no display is
    // needed (a menu entry or CI may have none). The desktop's own platform is kept for the one
    // message window --abrir may need.
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quiet);
#ifdef SIGPIPE
    // A closed output (a menu entry, `| head`) must not end the check before its exit status.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kotira-revisar"));

    CheckedFolder checked{programFolder(), QString()};
    if (!command.folder.isEmpty()) {
        if (!QFileInfo(command.folder).isDir()) {
            print(stderr, QStringLiteral("kotira-revisar: la carpeta «%1» no existe\n").arg(command.folder));
            return UnusableArguments;
        }
        checked = ResolveCheckedFolder(command.folder);
    }
    // A group folder in the school's own folder is checked as the program shows it: with the
    // program's folder.
    const QString site = SiteFolder();
    if (!site.isEmpty() &&
        QFileInfo(checked.appFolder).canonicalFilePath() == QFileInfo(site).canonicalFilePath())
        checked.appFolder = programFolder();
    SetAppFolder(checked.appFolder);
    command.check.group = checked.group;
    if (!command.group.isEmpty()) {
        QString error;
        command.check.group = ChooseGroup(GroupNames(), command.group, error);
        if (command.check.group.isEmpty())
            return unusable(error);
    }

    const WindowCaptionMeter meter;
    Progress progress;
    const bool showProgress = command.check.draws > DefaultDraws && !command.json && isTerminal(stdout);
    const ContentReport report = CheckContent(
        command.check, &meter, showProgress ? CheckProgress(std::ref(progress)) : CheckProgress());
    progress.clear();

    if (command.json)
        print(stdout, QString::fromUtf8(JsonReport(report)));
    else if (!command.open)
        print(stdout, TextReport(report, command.everything));

    const QString guide =
        QFileInfo::exists(QString::fromLatin1(GuidePage)) ? QString::fromLatin1(GuidePage) : QString();
    if (!command.htmlFile.isEmpty() &&
        !writeFile(command.htmlFile, HtmlReport(report, command.everything, guide).toUtf8())) {
        print(stderr, QStringLiteral("kotira-revisar: no se puede escribir «%1»\n").arg(command.htmlFile));
        return UnusableArguments;
    }
    if (command.open) {
        const QString page = OpenedReportPath();
        if (page.isEmpty() || !WritePage(page, HtmlReport(report, command.everything, guide).toUtf8())) {
            print(stderr, QStringLiteral("kotira-revisar: no se puede escribir el informe «%1»\n").arg(page));
            return UnusableArguments;
        }
        // The browser first: started from a menu, nobody may be reading what is printed.
        if (!OpenInBrowser(page)) {
            const QString notice =
                QStringLiteral("No se pudo abrir el informe en un navegador. Está guardado en:\n%1\n"
                               "Ábralo con el navegador (Archivo > Abrir).")
                    .arg(page);
            print(stderr, QStringLiteral("kotira-revisar: %1\n").arg(notice));
            // Started from a menu, nobody reads what is printed.
            if (!isTerminal(stderr))
                ShowNoticeWindow(notice, platform);
        }
        if (!command.json)
            print(stdout, SummaryLine(report) + QStringLiteral("\nInforme: %1\n").arg(page));
    }
    return report.count(Severity::Error) > 0 ? SomeError : NoError;
}
