#include "app/Cue.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KOTIRA"));
    QApplication::setApplicationVersion(QStringLiteral("1.1"));

    QLabel placeholder(QStringLiteral("KOTIRA"));
    placeholder.show();

    const int code = app.exec();
    ReleaseCues();
    return code;
}
