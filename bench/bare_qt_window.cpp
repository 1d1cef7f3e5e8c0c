// The floor: a bare Qt Widgets program that shows one window and, with "rss", prints its memory.
#include "QuitOnFirstPaint.h"
#include "Rss.h"

#include <QApplication>
#include <QWidget>

#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(426, 357);
    QuitOnFirstPaint quit;
    app.installEventFilter(&quit);
    window.show();
    const int code = QApplication::exec();
    if (argc > 1 && std::strcmp(argv[1], "rss") == 0) {
        PrintResident();
        DumpSmapsIfAsked();
    }
    return code;
}
