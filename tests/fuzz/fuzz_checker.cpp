// SPDX-License-Identifier: GPL-3.0-or-later
// The checker's analysis of one template with its lists, over fuzzed content. The input is laid out
// as for fuzz_generate: the template's bytes, then, each after a NUL byte, the lists "NUMERO1.txt",
// "numero2.txt" and "NOMBRE.TXT". Whatever the bytes, the analysis ends, and every finding names
// its file, says what happens and how to fix it.

#include "FuzzSupport.h"

#include "app/TextFile.h"
#include "checker/ListCheck.h"
#include "checker/TemplateCheck.h"

#include <QList>
#include <QSet>

#include <cstdint>

namespace {

void checkFinding(const Finding& finding) {
    FUZZ_CHECK(!finding.code.isEmpty());
    FUZZ_CHECK(!finding.file.isEmpty());
    FUZZ_CHECK(!finding.effect.isEmpty());
    FUZZ_CHECK(!finding.fix.isEmpty());
    FUZZ_CHECK(finding.line >= 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QList<QByteArray> parts = fuzz::SplitInput(data, size, 4);

    const QString templatePath = fuzz::WriteFile(QStringLiteral("Problemas/grupo/1.txt"), parts[0]);
    fuzz::WriteFile(QStringLiteral("datos/NUMERO1.txt"), parts[1]);
    fuzz::WriteFile(QStringLiteral("datos/numero2.txt"), parts[2]);
    fuzz::WriteFile(QStringLiteral("datos/NOMBRE.TXT"), parts[3]);

    CheckOptions options;
    options.samples = 2;
    options.draws = 10;
    const TemplateReport report = CheckTemplate(templatePath, options);
    FUZZ_CHECK(report.file == QStringLiteral("Problemas/grupo/1.txt"));
    FUZZ_CHECK(report.readable);
    for (const Finding& finding : report.findings) {
        checkFinding(finding);
        FUZZ_CHECK(finding.file == report.file);
    }
    // A template without lines is told so and made no further; any other gets its samples.
    const bool noLines = SplitLines(DecodeText(parts[0])).isEmpty();
    FUZZ_CHECK(report.samples.size() == (noLines ? 0 : options.samples));
    for (const Sample& sample : report.samples) {
        FUZZ_CHECK(sample.choiceProblem == report.choiceProblem);
        FUZZ_CHECK(sample.right.size() == sample.choices.size());
    }
    if (!report.choiceProblem && !noLines) {
        const ResultEstimate& estimate = report.estimate;
        FUZZ_CHECK(estimate.attempts >= options.draws);
        FUZZ_CHECK(estimate.accepted <= estimate.problems && estimate.problems <= estimate.attempts);
        FUZZ_CHECK(estimate.withDecimals + estimate.notTypeable <= estimate.accepted);
    }

    int lists = 0;
    for (const Finding& finding : CheckLists(QSet<QString>(), lists))
        checkFinding(finding);
    FUZZ_CHECK(lists == 3);
    return 0;
}
