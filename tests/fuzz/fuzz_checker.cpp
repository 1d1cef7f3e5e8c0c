// SPDX-License-Identifier: GPL-3.0-or-later
// The checker's analysis of one group with one template, its lists and the language file, over
// fuzzed content. The input is laid out as for fuzz_generate: the template's bytes, then, each
// after a NUL byte, the lists "NUMERO1.txt", "numero2.txt" and "NOMBRE.TXT", the name (any bytes,
// the system's encoding or not) of a second file in the group's folder, and the language file.
// Whatever the bytes, the analysis ends, and every finding names its file, says what happens and
// how to fix it, with no control character and no quoted word too long to read.

#include "FuzzSupport.h"

#include "app/TextFile.h"
#include "checker/GroupCheck.h"
#include "checker/LanguageCheck.h"
#include "checker/ListCheck.h"
#include "checker/TemplateCheck.h"

#include <QList>
#include <QSet>

#include <cstdint>
#include <fcntl.h>
#include <unistd.h>

namespace {

bool readable(const QString& text) {
    return std::none_of(text.cbegin(), text.cend(), [](QChar c) {
        const char16_t u = c.unicode();
        return u < 0x20 || (u >= 0x7F && u <= 0x9F);
    });
}

void checkFinding(const Finding& finding) {
    FUZZ_CHECK(!finding.code.isEmpty());
    FUZZ_CHECK(!finding.file.isEmpty());
    FUZZ_CHECK(!finding.effect.isEmpty());
    FUZZ_CHECK(!finding.fix.isEmpty());
    FUZZ_CHECK(finding.line >= 0);
    FUZZ_CHECK(readable(finding.token) && readable(finding.effect) && readable(finding.fix));
    // Forty characters at most, each written out as "<U+0000>" at worst, and the "…".
    FUZZ_CHECK(finding.token.size() <= 40 * 8 + 1);
}

// A second file in the group folder, named by the fuzzer's bytes; removed again by the caller.
QByteArray writeStray(const QString& folder, QByteArray name) {
    name.replace('/', '_');
    // Another name for the template itself would stand in for it.
    if (name.isEmpty() || name == "." || name == ".." || name.toLower() == "1.txt")
        return QByteArray();
    const QByteArray path = QFile::encodeName(folder) + '/' + name.left(200);
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (fd < 0)
        return QByteArray();
    FUZZ_CHECK(::write(fd, "x\r\n1\r\n", 6) == 6);
    ::close(fd);
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QList<QByteArray> parts = fuzz::SplitInput(data, size, 6);

    const QString templatePath = fuzz::WriteFile(QStringLiteral("Problemas/grupo/1.txt"), parts[0]);
    fuzz::WriteFile(QStringLiteral("datos/NUMERO1.txt"), parts[1]);
    fuzz::WriteFile(QStringLiteral("datos/numero2.txt"), parts[2]);
    fuzz::WriteFile(QStringLiteral("datos/NOMBRE.TXT"), parts[3]);
    fuzz::WriteFile(QStringLiteral("configuracion/idioma.txt"), parts[5]);

    CheckOptions options;
    options.samples = 2;
    options.draws = 10;
    const TemplateReport report = CheckTemplate(templatePath, options);
    FUZZ_CHECK(report.file == QStringLiteral("Problemas/grupo/1.txt"));
    FUZZ_CHECK(report.readable);
    bool foreign = false;
    for (const Finding& finding : report.findings) {
        checkFinding(finding);
        FUZZ_CHECK(finding.file == report.file);
        foreign = foreign || finding.code == u"formato-no-texto";
    }
    // A template without lines, or in a format that is no text, is told so and made no further;
    // any other gets its samples.
    const bool noLines = SplitLines(DecodeText(parts[0])).isEmpty();
    FUZZ_CHECK(report.samples.size() == (noLines || foreign ? 0 : options.samples));
    for (const Sample& sample : report.samples) {
        FUZZ_CHECK(sample.choiceProblem == report.choiceProblem);
        FUZZ_CHECK(sample.right.size() == sample.choices.size());
    }
    if (!report.choiceProblem && !noLines && !foreign) {
        const ResultEstimate& estimate = report.estimate;
        FUZZ_CHECK(estimate.attempts >= options.draws);
        FUZZ_CHECK(estimate.accepted <= estimate.problems && estimate.problems <= estimate.attempts);
        FUZZ_CHECK(estimate.withDecimals + estimate.notTypeable + estimate.beyondExact <= estimate.accepted);
        FUZZ_CHECK(estimate.manyDecimals <= estimate.withDecimals);
    }

    int lists = 0;
    for (const Finding& finding : CheckLists(QSet<QString>(), lists))
        checkFinding(finding);
    FUZZ_CHECK(lists == 3);

    // The group with a stray file of any name: the template is still found, every name is told.
    const QByteArray stray =
        writeStray(fuzz::AppFolderForRun() + QStringLiteral("/Problemas/grupo"), parts[4]);
    QList<Finding> top;
    const QList<GroupLayout> groups = CheckGroups(top);
    for (const Finding& finding : top)
        checkFinding(finding);
    FUZZ_CHECK(groups.size() == 1);
    FUZZ_CHECK(groups[0].templates.contains(templatePath));
    for (const Finding& finding : groups[0].report.findings)
        checkFinding(finding);
    if (!stray.isEmpty())
        FUZZ_CHECK(::unlink(stray.constData()) == 0);

    for (const Finding& finding : CheckLanguageFile(nullptr))
        checkFinding(finding);
    return 0;
}
