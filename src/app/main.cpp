// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Form4.h"

#include <QApplication>

// The program has no command line of its own: the arguments go to Qt alone.
int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    StartProgram();
    const int code = QApplication::exec();
    // Also after EndProgram, which only leaves the loop: the windows and the cues go while the
    // application object still exists.
    UnloadProgramWindows();
    return code;
}
