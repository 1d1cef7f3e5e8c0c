// SPDX-License-Identifier: GPL-3.0-or-later
#include "checker/ContentPaths.h"

#include "app/AppFolder.h"

#include <QDir>

QString RelativeName(const QString& path) {
    return QDir(AppFolder()).relativeFilePath(path);
}
