// SPDX-License-Identifier: GPL-3.0-or-later
// kotira-revisar: checks the content of an application folder the way KOTIRA reads it and tells the
// teacher, in Spanish, what is wrong, where, and how to fix it.

#include "app/AppFolder.h"
#include "checker/CaptionFit.h"
#include "checker/CommandLine.h"
#include "checker/ContentCheck.h"
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

namespace {

enum ExitStatus { NoError = 0, SomeError = 1, UnusableArguments = 2 };

void print(FILE* stream, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
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

} // namespace

int main(int argc, char* argv[]) {
    // Captions are measured with the windows' fonts; no window is ever shown, so no display is
    // needed (a menu entry or CI may have none).
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quiet);
#ifdef SIGPIPE
    // A closed output (a menu entry, `| head`) must not end the check before its exit status.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kotira-revisar"));

    const CommandLine command = ParseCommandLine(app.arguments().mid(1));
    if (command.help) {
        print(stdout, HelpText());
        return NoError;
    }
    if (!command.error.isEmpty()) {
        print(stderr, QStringLiteral("kotira-revisar: %1\n(kotira-revisar --ayuda explica las opciones)\n")
                          .arg(command.error));
        return UnusableArguments;
    }
    const QString folder = command.folder.isEmpty() ? programFolder() : command.folder;
    if (!QFileInfo(folder).isDir()) {
        print(stderr, QStringLiteral("kotira-revisar: la carpeta «%1» no existe\n").arg(folder));
        return UnusableArguments;
    }
    SetAppFolder(QFileInfo(folder).absoluteFilePath());

    const WindowCaptionMeter meter;
    const ContentReport report = CheckContent(command.check, &meter);

    if (command.json)
        print(stdout, QString::fromUtf8(JsonReport(report)));
    else if (!command.open)
        print(stdout, TextReport(report));

    if (!command.htmlFile.isEmpty() && !writeFile(command.htmlFile, HtmlReport(report).toUtf8())) {
        print(stderr, QStringLiteral("kotira-revisar: no se puede escribir «%1»\n").arg(command.htmlFile));
        return UnusableArguments;
    }
    if (command.open) {
        const QString page = OpenedReportPath();
        if (!writeFile(page, HtmlReport(report).toUtf8())) {
            print(stderr, QStringLiteral("kotira-revisar: no se puede escribir «%1»\n").arg(page));
            return UnusableArguments;
        }
        // The browser first: started from a menu, nobody may be reading what is printed.
        if (!OpenInBrowser(page))
            print(stderr,
                  QStringLiteral("kotira-revisar: no se encontró un navegador; abra «%1»\n").arg(page));
        if (!command.json)
            print(stdout, SummaryLine(report) + QStringLiteral("\nInforme: %1\n").arg(page));
    }
    return report.count(Severity::Error) > 0 ? SomeError : NoError;
}
