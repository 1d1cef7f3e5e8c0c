// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// Every file the program reads or writes lies beneath the application folder, the folder of the
// program file. Paths are formed from a relative literal such as "\sonidos\pasa.WAV", whose
// backslashes stand for the platform's separator. Content is written by teachers on Windows, where
// letter case does not count, so every name beneath the application folder is matched without
// regard to case ("\problemas\" reaches "Problemas", "3.TXT" answers to "3.txt").

// The application folder. Tests point it at a temporary folder with SetAppFolder(); an empty
// folder name goes back to the program file's own folder.
QString AppFolder();
void SetAppFolder(const QString& folder);

// The school's own content folder, holding "Problemas" and "datos" beside the shipped ones, so that
// teachers add groups and lists without touching the installed folder. Fixed when the program is
// built (empty, none, for the relocatable folder). Tests point it elsewhere with SetSiteFolder();
// an empty folder name goes back to the built-in one.
QString SiteFolder();
void SetSiteFolder(const QString& folder);

// The application folder followed by the literal, each name resolved as described above. A literal
// beneath "\datos\" answers the site folder's file when there is one, else the shipped one.
QString AppPath(QStringView literal);

// The folders, site first, that AppPath looks in for a literal beneath the folder literal (such as
// "\datos"): a cache of AppPath's answers there holds while none of these folders changes.
QStringList LookupFolders(QStringView folderLiteral);

// A problem group: a sub-folder of the shipped "Problemas" or of the site's.
struct GroupFolder {
    QString name; // the folder's own name, as the pupil sees it
    QString path; // its full path: what GroupPath becomes when it is chosen
    bool site = false;
};

// The groups the pupil sees, sorted by name with letter case ignored: the ordinary (not hidden)
// sub-folders of both "Problemas" folders, a site group replacing every shipped one whose name
// differs from it at most in letter case.
QList<GroupFolder> GroupFolders();

// The same rule beneath a folder that is itself under the application folder, for paths built on
// GroupPath: ResolvePath(GroupPath, u"\\3.txt"). AppPath(l) is ResolvePath(AppFolder(), l)
// for every literal but a site list's.
QString ResolvePath(const QString& base, QStringView literal);

// True for an existing ordinary file that is not hidden (what a template or data list must be).
bool IsOrdinaryFile(const QString& path);
