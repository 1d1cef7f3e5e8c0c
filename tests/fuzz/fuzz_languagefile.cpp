// SPDX-License-Identifier: GPL-3.0-or-later
// The language file readers of the group window and the exercise window over arbitrary bytes
// written to "configuracion/idioma.txt" of a scratch application folder.

#include "FuzzSupport.h"

#include "app/LanguageFile.h"
#include "app/TextFile.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

namespace {

const QString Untouched = QStringLiteral("\x01untouched");

bool isOneLine(const QString& text) {
    return !text.contains(u'\r') && !text.contains(u'\n');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    fuzz::WriteFile(QStringLiteral("configuracion/idioma.txt"), bytes);
    const qsizetype lineCount = fuzz::CountLines(bytes);
    // The whole file's lines; the readers see the same when the content is UTF-8 (a Windows-1252
    // file may read its first lines as UTF-8 when those alone are valid UTF-8).
    const bool exact = fuzz::DecodesAsUtf8(bytes);
    const QStringList lines = SplitLines(DecodeText(bytes));

    const GroupWindowTexts group = ReadGroupWindowTexts();
    FUZZ_CHECK(isOneLine(group.buttonCaption) && isOneLine(group.heading));
    if (lineCount == 0)
        FUZZ_CHECK(group.buttonCaption.isEmpty() && group.heading.isEmpty());
    if (lineCount == 1)
        FUZZ_CHECK(group.heading == group.buttonCaption);
    if (exact && lineCount >= 1)
        FUZZ_CHECK(group.buttonCaption == lines[0]);
    if (exact && lineCount >= 2)
        FUZZ_CHECK(group.heading == lines[1]);

    std::array<QString, 3> langText{Untouched, Untouched, Untouched};
    QString exitQuestion = Untouched;
    QString reportTitle = Untouched;
    ReadExerciseWindowTexts(langText, exitQuestion, reportTitle);
    const std::array<const QString*, 5> targets{&langText[0], &langText[1], &langText[2], &exitQuestion,
                                                &reportTitle};
    for (qsizetype i = 0; i < 5; ++i) {
        const QString& target = *targets[size_t(i)];
        // Lines 3 to 7 go to the five targets; a line the file lacks leaves its target alone.
        if (i + 2 >= lineCount) {
            FUZZ_CHECK(target == Untouched);
            continue;
        }
        FUZZ_CHECK(target != Untouched || lines.value(i + 2) == Untouched);
        FUZZ_CHECK(isOneLine(target));
        if (exact)
            FUZZ_CHECK(target == lines[i + 2]);
    }
    return 0;
}
