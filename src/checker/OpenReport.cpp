// SPDX-License-Identifier: GPL-3.0-or-later
#include "checker/OpenReport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryFile>

QString OpenedReportPath() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (!folder.isEmpty() && QDir().mkpath(folder)) {
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return folder + QStringLiteral("/revision-kotira.html");
    }
    // A shared temporary folder: only a file this program creates itself, under a fresh name.
    QTemporaryFile file(QDir::tempPath() + QStringLiteral("/revision-kotira-XXXXXX.html"));
    file.setAutoRemove(false);
    return file.open() ? file.fileName() : QString();
}

bool WritePage(const QString& path, const QByteArray& bytes) {
    const QFileInfo info(path);
    // A link in its place is removed, not followed (QSaveFile would write to where it points).
    if (info.isSymLink() && !QFile::remove(path))
        return false;
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

bool OpenInBrowser(const QString& path, int waitMs) {
    // The program runs on the offscreen platform, which opens no URLs itself: ask the desktop.
    for (const QString& opener :
         {QStringLiteral("xdg-open"), QStringLiteral("sensible-browser"), QStringLiteral("x-www-browser")}) {
        const QString program = QStandardPaths::findExecutable(opener);
        if (program.isEmpty())
            continue;
        // Not owned by anything: a browser still running when this program ends must stay open.
        auto* process = new QProcess;
        process->setProgram(program);
        process->setArguments({path});
        process->setStandardInputFile(QProcess::nullDevice());
        process->setStandardOutputFile(QProcess::nullDevice());
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start();
        if (!process->waitForStarted()) {
            delete process;
            continue;
        }
        if (!process->waitForFinished(waitMs))
            return true;
        const bool opened = process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
        delete process;
        if (opened)
            return true;
    }
    return false;
}

bool ShowNoticeWindow(const QString& text, const QByteArray& platform) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return false;
    QProcess process;
    process.setProgram(QCoreApplication::applicationFilePath());
    process.setArguments({QString::fromLatin1(NoticeOption), text});
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // This program set the offscreen platform for itself; the window needs the desktop's own.
    if (platform.isEmpty())
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    else
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QString::fromLocal8Bit(platform));
    process.setProcessEnvironment(environment);
    process.setStandardOutputFile(QProcess::nullDevice());
    return process.startDetached();
}

int RunNoticeWindow(int argc, char* argv[]) {
    if (argc < 3)
        return 2;
    const QString folder = QFileInfo(QFile::decodeName(argv[0])).absolutePath();
    QLibrary library(folder + QStringLiteral("/kotira-revisar-aviso"));
    using Show = int (*)(int, char**, const char*);
    const auto show = reinterpret_cast<Show>(library.resolve("KotiraShowNotice"));
    return show ? show(argc, argv, argv[2]) : 1;
}
