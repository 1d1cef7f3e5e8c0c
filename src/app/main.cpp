// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Form4.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

// The program has no command line of its own: the arguments go to Qt alone, but for --version,
// which is answered before the application object exists, so that it needs no display.
int main(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("kotira %s\n", KOTIRA_VERSION);
            return 0;
        }
    }
    QApplication app(argc, argv);
    StartProgram();
    const int code = QApplication::exec();
    // Also after EndProgram, which only leaves the loop: the windows and the cues go while the
    // application object still exists.
    UnloadProgramWindows();
    return code;
}
