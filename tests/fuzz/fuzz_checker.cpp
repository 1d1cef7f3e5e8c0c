// SPDX-License-Identifier: GPL-3.0-or-later
// The checker's analysis of one group with one template, its lists and the language file, over
// fuzzed content. The input is laid out as for fuzz_generate: the template's bytes, then, each
// after a NUL byte, the lists "NUMERO1.txt", "numero2.txt" and "NOMBRE.TXT", the name (any bytes,
// the system's encoding or not) of a second file in the group's folder, and the language file.
// Whatever the bytes, the analysis ends, and every finding names its file, says what happens and
// how to fix it, with no control character and no quoted word too long to read. The second file's
// name also names a second group holding the same template; the whole content is then checked, all
// of it or that group alone, and written as the text, web page and JSON reports, which show no
// control character and whose JSON reads back.

#include "FuzzSupport.h"

#include "app/TextFile.h"
#include "checker/ContentCheck.h"
#include "checker/GroupCheck.h"
#include "checker/HtmlReport.h"
#include "checker/JsonReport.h"
#include "checker/LanguageCheck.h"
#include "checker/ListCheck.h"
#include "checker/TemplateCheck.h"
#include "checker/TextReport.h"

#include <QJsonDocument>

#include <QList>
#include <QSet>

#include <cstdint>
#include <fcntl.h>
#include <sys/stat.h>
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

// A report as written out: every control character but the line end is shown as its code.
bool printable(const QString& text) {
    return std::none_of(text.cbegin(), text.cend(), [](QChar c) {
        const char16_t u = c.unicode();
        return (u < 0x20 && u != u'\n') || (u >= 0x7F && u <= 0x9F);
    });
}

// Group names measured as if the list were narrow, so that names too wide are told too.
class NarrowList final : public CaptionMeter {
public:
    bool fits(int, const QString& text) const override { return text.size() <= 12; }
    QString placeOf(int) const override { return QStringLiteral("el botón"); }
    QString groupNameShown(const QString& name) const override {
        return name.size() <= 16 ? name : name.left(15) + u'…';
    }
};

// A second group folder named by the fuzzer's bytes, holding the template; removed by the caller.
QByteArray writeSecondGroup(const QString& problems, QByteArray name, const QByteArray& content) {
    name.replace('/', '_');
    if (name.isEmpty() || name == "." || name == "..")
        return QByteArray();
    const QByteArray folder = QFile::encodeName(problems) + '/' + name.left(200);
    if (::mkdir(folder.constData(), 0755) != 0)
        return QByteArray();
    const QByteArray path = folder + "/1.txt";
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    FUZZ_CHECK(fd >= 0);
    FUZZ_CHECK(::write(fd, content.constData(), size_t(content.size())) == content.size());
    ::close(fd);
    return folder;
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

    const QByteArray second =
        writeSecondGroup(fuzz::AppFolderForRun() + QStringLiteral("/Problemas"), parts[4], parts[0]);
    // One group alone (with the lists it uses) for an input of odd size, else everything.
    if (size % 2 == 1)
        options.group = QStringLiteral("grupo");
    const NarrowList meter;
    const ContentReport content = CheckContent(options, &meter);
    for (const Finding& finding : content.findings)
        checkFinding(finding);
    for (const GroupReport& group : content.groups) {
        for (const Finding& finding : group.findings)
            checkFinding(finding);
        for (const TemplateReport& problem : group.templates) {
            for (const Finding& finding : problem.findings)
                checkFinding(finding);
        }
    }
    FUZZ_CHECK(!content.groups.isEmpty());
    const bool everything = size % 4 >= 2;
    FUZZ_CHECK(printable(TextReport(content, everything)));
    FUZZ_CHECK(printable(HtmlReport(content, everything)));
    QJsonParseError error;
    QJsonDocument::fromJson(JsonReport(content), &error);
    FUZZ_CHECK(error.error == QJsonParseError::NoError);
    if (!second.isEmpty()) {
        FUZZ_CHECK(::unlink((second + "/1.txt").constData()) == 0);
        FUZZ_CHECK(::rmdir(second.constData()) == 0);
    }
    return 0;
}
