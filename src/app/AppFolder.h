#pragma once

#include <QString>
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

// The application folder followed by the literal, each name resolved as described above.
QString AppPath(QStringView literal);

// The same rule beneath a folder that is itself under the application folder, for paths built on
// GroupPath: ResolvePath(GroupPath, u"\\3.txt"). AppPath(l) is ResolvePath(AppFolder(), l).
QString ResolvePath(const QString& base, QStringView literal);

// True for an existing ordinary file that is not hidden (what a template or data list must be).
bool IsOrdinaryFile(const QString& path);
