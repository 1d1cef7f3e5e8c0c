// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own start, up to the start-up window painted on screen, then out.
#include "QuitOnFirstPaint.h"

#include "app/Form4.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QuitOnFirstPaint quit;
    app.installEventFilter(&quit);
    StartProgram();
    const int code = QApplication::exec();
    UnloadProgramWindows();
    return code;
}
