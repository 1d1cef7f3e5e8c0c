// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A path beneath the application folder as the teacher finds it there: "Problemas/1 Sumas/3.txt".
QString RelativeName(const QString& path);
