// SPDX-License-Identifier: GPL-3.0-or-later
#include "checker/OpenReport.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>

QString OpenedReportPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder))
        folder = QDir::tempPath();
    return folder + QStringLiteral("/revision-kotira.html");
}

bool OpenInBrowser(const QString& path) {
    // The program runs on the offscreen platform, which opens no URLs itself: ask the desktop.
    for (const QString& opener :
         {QStringLiteral("xdg-open"), QStringLiteral("sensible-browser"), QStringLiteral("x-www-browser")}) {
        const QString program = QStandardPaths::findExecutable(opener);
        if (!program.isEmpty() && QProcess::startDetached(program, {path}))
            return true;
    }
    return false;
}
