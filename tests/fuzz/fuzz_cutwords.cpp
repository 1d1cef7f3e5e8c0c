// SPDX-License-Identifier: GPL-3.0-or-later
// Decoding content bytes, cutting them into lines, and cutting lines into words (statement line)
// or tokens (expression line). The same bytes are also read back from a file, whole and limited
// to a number of lines; the first byte sets that number (low four bits) and, when its top three
// bits are set, puts the bytes just after a 64 KiB line, at the reader's chunk boundary, so that
// a line end split across two chunks is exercised (rarely, since such a file is slow to check).

#include "FuzzSupport.h"

#include "app/TextFile.h"
#include "problems/GenerateProblem.h"

#include <QString>
#include <QStringList>

#include <cstdint>

namespace {

// CR LF and lone CR as LF.
QString withLf(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

void checkWords(const QString& line) {
    const QStringList words = CutWords(line);
    // Every space separates two words, so there is one word more than there are spaces, and the
    // words joined by single spaces give the line back.
    FUZZ_CHECK(words.size() == line.count(u' ') + 1);
    for (const QString& word : words)
        FUZZ_CHECK(!word.contains(u' '));
    FUZZ_CHECK(words.join(u' ') == line);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const uint8_t control = data[0];
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));

    const QString text = DecodeText(bytes);
    // One character per byte at most (UTF-8 sequences shrink; Windows-1252 is one to one).
    FUZZ_CHECK(text.size() <= bytes.size());
    if (!bytes.isEmpty() && !bytes.startsWith("\xEF\xBB\xBF"))
        FUZZ_CHECK(!text.isEmpty());

    const QStringList lines = SplitLines(text);
    FUZZ_CHECK(lines.size() == fuzz::CountLines(bytes));
    for (const QString& line : lines) {
        FUZZ_CHECK(!line.contains(u'\r') && !line.contains(u'\n'));
        checkWords(line);
    }
    // The lines joined again give the text back, line ends made LF; a final line end leaves no
    // empty line after it.
    const QString normalised = withLf(text);
    FUZZ_CHECK(lines.join(u'\n') + (normalised.endsWith(u'\n') ? QStringLiteral("\n") : QString()) ==
               normalised);

    // A limited split is the start of the whole one.
    const qsizetype limit = control & 0x0F;
    FUZZ_CHECK(SplitLines(text, limit) == lines.mid(0, limit));

    // The same bytes from a file, optionally pushed to straddle the first chunk boundary.
    QByteArray fileBytes;
    if ((control & 0xE0) == 0xE0) {
        // The input's fifth byte is the first of the second chunk.
        fileBytes = QByteArray(64 * 1024 - 4 - 2, 'a') + "\r\n";
    }
    fileBytes += bytes;
    const QString path = fuzz::WriteFile(QStringLiteral("lines.txt"), fileBytes);

    const std::optional<QStringList> whole = ReadTextLines(path);
    FUZZ_CHECK(whole.has_value());
    FUZZ_CHECK(*whole == SplitLines(DecodeText(fileBytes)));

    const std::optional<QStringList> first = ReadTextLines(path, limit);
    FUZZ_CHECK(first.has_value());
    FUZZ_CHECK(first->size() == std::min(limit, whole->size()));
    // Content that decodes as UTF-8 decodes the same cut at a line end, so the first lines are
    // exactly those of the whole file. (Windows-1252 content whose first lines alone are valid
    // UTF-8 reads those lines as UTF-8, by design.)
    if (fuzz::DecodesAsUtf8(fileBytes))
        FUZZ_CHECK(*first == whole->mid(0, limit));
    for (qsizetype i = 0; i < first->size(); ++i)
        FUZZ_CHECK(!first->at(i).contains(u'\r') && !first->at(i).contains(u'\n'));
    return 0;
}
