// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/LanguageFile.h"

#include "app/AppFolder.h"
#include "app/TextFile.h"

namespace {

std::optional<QStringList> readLanguageLines(qsizetype count) {
    return ReadTextLines(AppPath(u"\\configuracion\\idioma.txt"), count);
}

} // namespace

GroupWindowTexts ReadGroupWindowTexts() {
    const QStringList lines = readLanguageLines(2).value_or(QStringList());
    // One working value: a line that cannot be read leaves the one before in it.
    QString line;
    GroupWindowTexts texts;
    if (lines.size() > 0)
        line = lines[0];
    texts.buttonCaption = line;
    if (lines.size() > 1)
        line = lines[1];
    texts.heading = line;
    return texts;
}

void ReadExerciseWindowTexts(std::array<QString, 3>& langText, QString& exitQuestion, QString& reportTitle) {
    const QStringList lines = readLanguageLines(7).value_or(QStringList());
    QString* const targets[] = {&langText[0], &langText[1], &langText[2], &exitQuestion, &reportTitle};
    for (qsizetype i = 0; i < 5; ++i) {
        if (i + 2 < lines.size())
            *targets[i] = lines[i + 2];
    }
}
