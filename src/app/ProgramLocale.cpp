// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProgramLocale.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

QLocale ProgramLocale() {
    const QLocale system = QLocale::system();
    return system.language() == QLocale::C ? QLocale(QLocale::Spanish, QLocale::Spain) : system;
}

void InstallQtTranslation(QCoreApplication& application) {
    auto* translator = new QTranslator(&application);
    if (translator->load(ProgramLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

QString GeneralDateTime(const QDateTime& moment, const QLocale& locale) {
    QString dateFormat = locale.dateFormat(QLocale::ShortFormat);
    // Short formats of many regions write the year with two digits; a report keeps all four.
    if (!dateFormat.contains(QStringLiteral("yyyy")))
        dateFormat.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    QString timeFormat = locale.timeFormat(QLocale::ShortFormat);
    if (!timeFormat.contains(u's'))
        timeFormat.replace(QStringLiteral("mm"), QStringLiteral("mm:ss"));
    return locale.toString(moment.date(), dateFormat) + u' ' + locale.toString(moment.time(), timeFormat);
}
