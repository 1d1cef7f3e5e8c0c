// SPDX-License-Identifier: GPL-3.0-or-later
#include "checker/ContentPaths.h"

#include "app/AppFolder.h"

#include <QDir>
#include <QFileInfo>

QString RelativeName(const QString& path) {
    const QString site = SiteFolder();
    if (!site.isEmpty() && (path == site || path.startsWith(site + u'/')))
        return path;
    return QDir(AppFolder()).relativeFilePath(path);
}

CheckedFolder ResolveCheckedFolder(const QString& folder) {
    const QString path = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    const auto isProblems = [](const QString& name) {
        return name.compare(u"Problemas", Qt::CaseInsensitive) == 0;
    };
    // As the program finds it: "Problemas" in any letter case.
    if (QFileInfo(ResolvePath(path, u"\\Problemas")).isDir())
        return {path, QString()};
    const QFileInfo info(path);
    if (isProblems(info.fileName()))
        return {info.absolutePath(), QString()};
    const QFileInfo parent(info.absolutePath());
    if (isProblems(parent.fileName()))
        return {parent.absolutePath(), info.fileName()};
    return {path, QString()};
}
