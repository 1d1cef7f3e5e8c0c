// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A path beneath the application folder as the teacher finds it there: "Problemas/1 Sumas/3.txt".
// Files of the school's own folder (SiteFolder()) keep their full path, so the teacher sees which
// of the two folders a file lives in.
QString RelativeName(const QString& path);

// What a folder named on the command line stands for. A teacher may name the application folder,
// its "Problemas" folder (every group) or one group's folder (that group alone): the application
// folder is then found above it. A folder that is none of these is taken as the application folder
// (its missing parts are then reported).
struct CheckedFolder {
    QString appFolder;
    QString group; // the group whose folder was named; empty for all of them
};
CheckedFolder ResolveCheckedFolder(const QString& folder);
