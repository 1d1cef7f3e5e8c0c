// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "checker/CheckOptions.h"

#include <QString>
#include <QStringList>

// What the teacher asked for on the command line.
struct CommandLine {
    CheckOptions check;
    QString folder; // the application folder to check; empty for the program's own folder
    bool json = false;
    QString htmlFile;        // --html FICHERO
    bool open = false;       // --abrir
    bool everything = false; // --todo: clean groups and templates in full too
    QString group;           // --grupo: the name, or the start of the name, of the one group to check
    bool help = false;
    bool version = false;
    QString error; // why the arguments cannot be used, in Spanish; empty when they can
};

// Reads the arguments after the program name.
CommandLine ParseCommandLine(const QStringList& arguments);

// The help text printed by --ayuda and --help.
QString HelpText();
