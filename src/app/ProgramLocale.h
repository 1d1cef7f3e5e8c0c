// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

class QCoreApplication;

// The program speaks Spanish to the pupil. It follows the desktop's language and region where
// the desktop has one, and uses Spanish (Spain) where it has none (the bare "C" locale).
QLocale ProgramLocale();

// Installs Qt's own translation for the program's language, so the standard buttons and menus
// (Sí / No, Aceptar, Copiar, ...) speak it too. Missing translation files leave them as they are.
void InstallQtTranslation(QCoreApplication& application);

// A date and time in the region's general format: its short date with the full year, then the
// time with seconds ("07/12/2026 6:30:12" in Spain).
QString GeneralDateTime(const QDateTime& moment, const QLocale& locale = ProgramLocale());
