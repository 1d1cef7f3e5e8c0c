// SPDX-License-Identifier: GPL-3.0-or-later
// The content that ships with the program: every template must generate clean problems, every
// text file must be what a teacher's Windows editor writes, and every cue and animation must be
// there and playable.

#include "app/AppFolder.h"
#include "app/NumericValue.h"
#include "app/TextFile.h"
#include "exercise/Verdict.h"
#include "problems/ExerciseState.h"
#include "problems/GenerateProblem.h"
#include "problems/RandomSource.h"
#include "support/FakeProblemView.h"
#include "windows/Form2Ui.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QImageReader>
#include <QListWidget>
#include <QMap>
#include <QMovie>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QStyle>
#include <QWidget>
#include <QtEndian>
#include <QtTest>

#include <cmath>
#include <map>
#include <optional>

namespace {

// KOTIRA_CONTENT_DIR checks a library being written in another checkout with this build.
const QString ContentDir =
    qEnvironmentVariable("KOTIRA_CONTENT_DIR", QStringLiteral(KOTIRA_SOURCE_DIR "/content"));
constexpr int Draws = 200;

// Window metrics at 96 dots per inch (15 twips a pixel): the statement box Text3 (Arial 18 pt,
// 11295 x 2055 twips, less its scroll bar and frame), the chooser Combo2 (Arial 14.25 pt bold,
// 5055 twips wide, less its arrow) and the check button Command8 (161 x 33 px, same font).
constexpr int StatementWidth = 753 - 17 - 8;
constexpr int StatementHeight = 137 - 6;
constexpr int ChoiceWidth = 337 - 24 - 8;
constexpr int CaptionWidth = 161 - 10;

QStringList templateLines(const QString& path) {
    return ReadTextLines(path).value_or(QStringList());
}

QStringList groupNames() {
    return QDir(ContentDir + "/Problemas").entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

QSet<QString> dataListNames() {
    QSet<QString> names;
    for (const QFileInfo& info : QDir(ContentDir + "/datos").entryInfoList(QDir::Files))
        if (info.suffix().compare("txt", Qt::CaseInsensitive) == 0)
            names.insert(info.completeBaseName().toUpper());
    return names;
}

QStringList statementWords(const QString& statement) {
    return statement.split(u' ', Qt::SkipEmptyParts);
}

QString stripPunctuation(QString word) {
    static const QRegularExpression edges(QStringLiteral("^[.,;:!?¡¿()\"]+|[.,;:!?¡¿()\"]+$"));
    return word.remove(edges);
}

bool isChoiceTemplate(const QStringList& lines) {
    return lines.size() > 1 && lines[1].toUpper() == "TEXTO";
}

// The font the windows ask for, or nothing when no metric-compatible face is installed, in which
// case measuring would say nothing about Arial.
std::optional<QFont> arial(qreal points, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    const QString family = QFontInfo(font).family();
    if (family != "Arial" && family != "Liberation Sans")
        return std::nullopt;
    return font;
}

} // namespace

class TestShippedContent : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void groupsSortByYearThenTopic();
    void groupNamesFitTheGroupList();
    void everyTemplateGeneratesCleanProblems();
    void everyDataListIsUsed();
    void textFilesAreWindows1252WithCrLf();
    void languageFile();
    void cues_data();
    void cues();
    void animations_data();
    void animations();
};

void TestShippedContent::initTestCase() {
    QVERIFY2(QDir(ContentDir).exists(), qPrintable(ContentDir));
    SetAppFolder(ContentDir);
}

void TestShippedContent::cleanupTestCase() {
    SetAppFolder(QString());
}

// The list shows groups in name order, so "3º B Multiplicaciones" puts each year's groups
// together and its topics in teaching order; every file of a group folder counts as a template,
// so the folder may hold nothing but 1.txt .. n.txt.
void TestShippedContent::groupsSortByYearThenTopic() {
    static const QRegularExpression pattern(QStringLiteral("^([1-6])º ([A-Z]) \\S.*\\S$"));
    QMap<int, QString> lastTopicOfYear;
    int previousYear = 1;
    qsizetype templates = 0;
    for (const QString& group : groupNames()) {
        const QRegularExpressionMatch match = pattern.match(group);
        QVERIFY2(match.hasMatch(), qPrintable("group not named by year and topic: " + group));
        const int year = match.captured(1).toInt();
        const QString topic = match.captured(2);
        QVERIFY2(year == previousYear || year == previousYear + 1,
                 qPrintable("year missing before " + group));
        const QChar expected =
            lastTopicOfYear.contains(year) ? QChar(lastTopicOfYear[year][0].unicode() + 1) : u'A';
        QVERIFY2(topic == QString(expected), qPrintable("topic letter out of order: " + group));
        lastTopicOfYear[year] = topic;
        previousYear = year;

        const QDir dir(ContentDir + "/Problemas/" + group);
        const QStringList entries =
            dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        QVERIFY2(entries.size() >= 16,
                 qPrintable(QString("%1 holds %2 templates").arg(group).arg(entries.size())));
        for (qsizetype n = 1; n <= entries.size(); ++n)
            QVERIFY2(entries.contains(QString::number(n) + ".txt") &&
                         QFileInfo(dir.filePath(QString::number(n) + ".txt")).isFile(),
                     qPrintable(QString("%1 lacks %2.txt").arg(group).arg(n)));
        templates += entries.size();
    }
    QCOMPARE(lastTopicOfYear.size(), 6);
    for (const QString& last : std::as_const(lastTopicOfYear))
        QVERIFY2(last >= "F", "a year with fewer than six groups");
    QVERIFY2(templates >= 600, qPrintable(QString::number(templates)));
}

// Each name must be read whole in the group window's list, in its own font and width.
void TestShippedContent::groupNamesFitTheGroupList() {
    QWidget form;
    Form2Ui ui;
    ui.setupUi(&form);
    if (!arial(ui.List1->font().pointSizeF(), ui.List1->font().bold()))
        QSKIP("no Arial or Liberation Sans installed");
    const QStringList groups = groupNames();
    ui.List1->addItems(groups);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    // The item's text keeps a focus margin on either side.
    const int margin = ui.List1->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, ui.List1) + 1;
    const int room = ui.List1->viewport()->width() - 2 * margin;
    const QFontMetrics metrics(ui.List1->font());
    for (const QString& group : groups)
        QVERIFY2(metrics.horizontalAdvance(group) <= room,
                 qPrintable(QString("%1: %2 px, the list has %3")
                                .arg(group)
                                .arg(metrics.horizontalAdvance(group))
                                .arg(room)));
}

// One pass over every template: what the generator would not tell a teacher (typos that still
// give some problem), then many draws, each of which must give a problem a pupil can answer.
void TestShippedContent::everyTemplateGeneratesCleanProblems() {
    const QSet<QString> lists = dataListNames();
    const std::optional<QFont> statementFont = arial(18, false);
    const std::optional<QFont> choiceFont = arial(14.25, true);
    RandomGenerator random(20240);
    ExerciseState state;
    FakeProblemView view;
    int checked = 0;

    for (const QString& group : groupNames()) {
        const QDir dir(ContentDir + "/Problemas/" + group);
        const qsizetype maxDecimals = group.startsWith(QStringLiteral("6º")) ? 3 : 2;
        for (qsizetype n = 1; n <= dir.entryList(QDir::Files).size(); ++n) {
            const QString path = dir.filePath(QString::number(n) + ".txt");
            const QString where = group + "/" + QString::number(n) + ".txt: ";
            const QStringList lines = templateLines(path);
            QVERIFY2(lines.size() >= 2, qPrintable(where + "fewer than two lines"));
            const bool choice = isChoiceTemplate(lines);
            const QStringList words = CutWords(lines[0]);

            for (qsizetype i = 0; i < words.size(); ++i) {
                const QString& word = words[i];
                QVERIFY2(!word.isEmpty(), qPrintable(where + "extra space in the statement line"));
                if (lists.contains(word.toUpper()))
                    // An ordinary word that names a list is replaced: "lugar" draws from LUGAR.
                    QVERIFY2(word == word.toUpper(),
                             qPrintable(where + "ordinary word names a list: " + word));
                else if (word.startsWith(u'='))
                    QVERIFY2(words.mid(0, i).contains(word.mid(1)),
                             qPrintable(where + "reference to no earlier word: " + word));
                else
                    // A capitalised word that names no list is a misspelt placeholder ("NOMBER",
                    // "FRUTA.").
                    QVERIFY2(!QRegularExpression("^[A-Z][A-Z0-9]{2,}").match(word).hasMatch(),
                             qPrintable(where + "unknown placeholder: " + word));
            }

            if (choice) {
                QVERIFY2(lines[1] == "TEXTO", qPrintable(where + lines[1]));
                QVERIFY2(lines.size() >= 5, qPrintable(where + "fewer than two choices"));
            } else {
                // Operand, operator, operand ...; each named operand drawn exactly once in the
                // statement, or it would yield several values and shift the operators after it.
                const QStringList tokens = CutWords(lines[1]);
                QVERIFY2(tokens.size() % 2 == 1, qPrintable(where + lines[1]));
                for (qsizetype t = 0; t < tokens.size(); ++t) {
                    const QString& token = tokens[t];
                    if (t % 2 == 1)
                        QVERIFY2(QStringList({"+", "-", "*", "/"}).contains(token),
                                 qPrintable(where + "operator " + token));
                    else if (token.startsWith("NUMERO", Qt::CaseInsensitive))
                        QVERIFY2(
                            lists.contains(token.toUpper()) && words.count(token) == 1,
                            qPrintable(where + token + " must name a list and occur once in the statement"));
                    else
                        QVERIFY2(NumericValue(token) > 0, qPrintable(where + "literal operand " + token));
                }
            }

            QSet<QString> statements;
            QSet<double> results;
            std::map<qsizetype, QString> longest; // one statement of each length drawn
            for (int draw = 0; draw < Draws; ++draw) {
                GenerateProblem(path, state, view, random);
                const QString& statement = view.statementText;
                statements.insert(statement);
                QVERIFY2(!statement.contains("  "),
                         qPrintable(where + "empty item or double space: " + statement));
                // Checked word by word on every draw: the message is built only on a failure.
                for (const QString& word : statementWords(statement)) {
                    const QString bare = stripPunctuation(word);
                    if (lists.contains(word.toUpper()) || lists.contains(bare.toUpper()))
                        QFAIL(qPrintable(where + "placeholder left: " + statement));
                    if (word.startsWith(u'='))
                        QFAIL(qPrintable(where + "back-reference left: " + statement));
                    if (word.startsWith("NUMERO", Qt::CaseInsensitive))
                        QFAIL(qPrintable(where + "operand left: " + statement));
                }
                longest[statement.size()] = statement;

                if (choice) {
                    QVERIFY(view.tokensVisible && !view.answerVisible);
                    qsizetype right = 0;
                    for (const QString& item : std::as_const(view.tokens)) {
                        QVERIFY2(!item.trimmed().isEmpty(), qPrintable(where + "empty choice"));
                        if (item.endsWith(u' ')) {
                            ++right;
                            QVERIFY2(!item.endsWith("  ") && !item.startsWith(u' '),
                                     qPrintable(where + "'" + item + "'"));
                        }
                        if (choiceFont)
                            QVERIFY2(QFontMetrics(*choiceFont).horizontalAdvance(item.trimmed()) <=
                                         ChoiceWidth,
                                     qPrintable(where + "choice too wide for the chooser: " + item));
                    }
                    QVERIFY2(right == 1, qPrintable(where + QString("%1 right choices").arg(right)));
                } else {
                    QVERIFY(view.answerVisible && !view.tokensVisible);
                    // A result the pupil can write: never negative, whole or with at most two
                    // decimals (three in 6º, where thousandths are taught), judged exactly.
                    const double result = state.Result;
                    const QString shown = SpanishNumber(result);
                    const qsizetype comma = shown.indexOf(u',');
                    const qsizetype decimals = comma < 0 ? 0 : shown.size() - comma - 1;
                    if (!IsJudgedExactly(result) || result < 0 || decimals > maxDecimals ||
                        !IsRightNumber(shown, result))
                        QFAIL(qPrintable(where + QString("result %1 for: %2").arg(shown, statement)));
                    // Whole results are judged as before the decimal comma: the number itself is
                    // right, its neighbours are wrong.
                    if (decimals == 0) {
                        const auto whole = qint64(std::llround(result));
                        if (!IsRightNumber(QString::number(whole), result) ||
                            IsRightNumber(QString::number(whole + 1), result) ||
                            IsRightNumber(QString::number(whole - 1), result))
                            QFAIL(qPrintable(where + "whole verdict changed for " + shown));
                    }
                    results.insert(result);
                }
            }
            // The longest draws are the ones that may not fit the statement box; measuring every draw
            // would cost more than the rest of the loop.
            if (statementFont) {
                const QFontMetrics metrics(*statementFont);
                int measured = 0;
                for (auto it = longest.crbegin(); it != longest.crend() && measured < 3; ++it, ++measured) {
                    const QRect box = metrics.boundingRect(QRect(0, 0, StatementWidth, 10000),
                                                           Qt::TextWordWrap, it->second);
                    QVERIFY2(box.height() <= StatementHeight,
                             qPrintable(where + "does not fit the statement box: " + it->second));
                }
            }
            // Each template draws from at least one list, so its problems must vary.
            QVERIFY2(statements.size() > 1, qPrintable(where + "always the same statement"));
            QVERIFY2(choice || results.size() > 1, qPrintable(where + "always the same result"));
            ++checked;
        }
    }
    QVERIFY(checked > 0);
}

void TestShippedContent::everyDataListIsUsed() {
    QSet<QString> used;
    for (const QString& group : groupNames()) {
        const QDir dir(ContentDir + "/Problemas/" + group);
        for (const QString& file : dir.entryList(QDir::Files)) {
            const QStringList lines = templateLines(dir.filePath(file));
            if (!lines.isEmpty())
                for (const QString& word : CutWords(lines[0]))
                    used.insert(word.toUpper());
        }
    }
    for (const QString& list : dataListNames()) {
        QVERIFY2(used.contains(list), qPrintable("unused data list " + list));
        const QStringList items = templateLines(ContentDir + "/datos/" + list + ".txt");
        QVERIFY2(!items.isEmpty() && items.size() <= MaxDataLines, qPrintable(list));
        QVERIFY2(!items.contains(QString()), qPrintable("blank item in " + list));
    }
}

// What a teacher's Windows editor writes, in every text file of the content.
void TestShippedContent::textFilesAreWindows1252WithCrLf() {
    QDirIterator it(ContentDir, {"*.txt"}, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    int count = 0;
    while (it.hasNext()) {
        const QString path = it.next();
        const QByteArray where = QDir(ContentDir).relativeFilePath(path).toUtf8() + ": ";
        ++count;
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly), where.constData());
        const QByteArray bytes = file.readAll();
        QVERIFY2(bytes.endsWith("\r\n"), (where + "no line end after the last line").constData());
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            const uchar c = uchar(bytes[i]);
            if (c == '\r')
                QVERIFY2(i + 1 < bytes.size() && bytes[i + 1] == '\n', (where + "lone CR").constData());
            else if (c == '\n')
                QVERIFY2(i > 0 && bytes[i - 1] == '\r', (where + "LF without CR").constData());
            else
                QVERIFY2(c >= 32 && c != 127, (where + QByteArray::number(c) + " control byte").constData());
        }

        QStringDecoder windows1252("windows-1252");
        const QString text = windows1252.decode(bytes);
        QVERIFY2(!windows1252.hasError() && !text.contains(QChar::ReplacementCharacter),
                 (where + "byte undefined in Windows-1252").constData());
        // UTF-8 pasted into a Windows-1252 file reads as "Ã­" for "í"; Spanish has no Ã or Â.
        QVERIFY2(!text.contains(u'Ã') && !text.contains(u'Â'),
                 (where + "UTF-8 bytes inside a Windows-1252 file").constData());
        // The program reads it the same way: not mistaken for UTF-8.
        QVERIFY2(DecodeText(bytes) == text, (where + "read as another encoding").constData());
    }
    QVERIFY(count > 60);
}

void TestShippedContent::languageFile() {
    const std::optional<QStringList> lines = ReadTextLines(AppPath(u"\\configuracion\\idioma.txt"));
    QVERIFY(lines);
    QCOMPARE(lines->size(), 7);
    QCOMPARE(lines->at(0), QString("ACEPTAR"));
    QCOMPARE(lines->at(1), QString("Selección del grupo de problemas"));
    QCOMPARE(lines->at(2), QString("COMPROBAR"));
    for (const QString& line : *lines)
        QVERIFY(!line.trimmed().isEmpty() && line == line.trimmed());
    QVERIFY(lines->at(3) != lines->at(4));

    // The verdict captions replace COMPROBAR on the check button and must fit it as well.
    const std::optional<QFont> font = arial(14.25, true);
    if (!font)
        QSKIP("no Arial or Liberation Sans installed");
    for (int i = 2; i <= 4; ++i) {
        QVERIFY(lines->at(i).size() <= 12);
        QVERIFY2(QFontMetrics(*font).horizontalAdvance(lines->at(i)) <= CaptionWidth,
                 qPrintable(lines->at(i)));
    }
}

void TestShippedContent::cues_data() {
    QTest::addColumn<QString>("literal");
    // Every cue literal the windows play, spelt exactly as they spell it.
    for (const char* literal :
         {"\\sonidos\\pasa.wav", "\\sonidos\\lista.WAV", "\\sonidos\\pasa.WAV",
          "\\sonidos\\pasaejercicio.WAV", "\\sonidos\\num.WAV", "\\sonidos\\operacion.WAV",
          "\\sonidos\\pulsax.WAV", "\\sonidos\\acierto.WAV", "\\sonidos\\fallo.WAV"})
        QTest::newRow(literal) << QString::fromLatin1(literal);
}

void TestShippedContent::cues() {
    QFETCH(QString, literal);
    const QString path = AppPath(literal);
    QVERIFY2(IsOrdinaryFile(path), qPrintable(path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.size() > 44 && bytes.size() < 64 * 1024);
    QCOMPARE(bytes.left(4), QByteArray("RIFF"));
    QCOMPARE(bytes.mid(8, 4), QByteArray("WAVE"));
    QCOMPARE(qFromLittleEndian<quint32>(bytes.constData() + 4), quint32(bytes.size() - 8));

    // Walk the chunks: PCM format first, then the samples.
    qsizetype pos = 12;
    bool formatSeen = false;
    QByteArray samples;
    while (pos + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(pos, 4);
        const quint32 size = qFromLittleEndian<quint32>(bytes.constData() + pos + 4);
        QVERIFY(pos + 8 + qsizetype(size) <= bytes.size());
        const char* body = bytes.constData() + pos + 8;
        if (id == "fmt ") {
            QCOMPARE(qFromLittleEndian<quint16>(body), quint16(1));         // PCM
            QCOMPARE(qFromLittleEndian<quint16>(body + 2), quint16(1));     // mono
            QCOMPARE(qFromLittleEndian<quint32>(body + 4), quint32(22050)); // rate
            QCOMPARE(qFromLittleEndian<quint16>(body + 14), quint16(16));   // bits
            formatSeen = true;
        } else if (id == "data") {
            QVERIFY(formatSeen);
            samples = QByteArray(body, size);
        }
        pos += 8 + size + (size & 1);
    }
    QVERIFY(!samples.isEmpty());
    const double seconds = samples.size() / 2 / 22050.0;
    QVERIFY2(seconds >= 0.1 && seconds <= 0.6, qPrintable(QString::number(seconds)));

    // Audible, not clipped, and starting and ending quietly so that it does not click.
    int peak = 0;
    for (qsizetype i = 0; i + 1 < samples.size(); i += 2)
        peak = std::max(peak, std::abs(int(qFromLittleEndian<qint16>(samples.constData() + i))));
    QVERIFY2(peak > 8000 && peak < 32000, qPrintable(QString::number(peak)));
    QVERIFY(std::abs(qFromLittleEndian<qint16>(samples.constData())) < 500);
    QVERIFY(std::abs(qFromLittleEndian<qint16>(samples.constData() + samples.size() - 2)) < 500);

    // One file per cue: no twin that differs only in letter case.
    const QFileInfo info(path);
    const QStringList twins = info.dir().entryList({info.fileName()}, QDir::Files | QDir::Hidden);
    QCOMPARE(twins.size(), 1);
}

void TestShippedContent::animations_data() {
    QTest::addColumn<QString>("literal");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRgb>("background");
    // Sizes of the two animated-picture controls: over the white statement area, on the board.
    QTest::newRow("miro") << "\\gifs\\miro.gif" << QSize(97, 81) << qRgb(255, 255, 255);
    QTest::newRow("acierto2") << "\\gifs\\acierto2.gif" << QSize(113, 89) << qRgb(0, 64, 0);
    QTest::newRow("fallo2") << "\\gifs\\fallo2.gif" << QSize(113, 89) << qRgb(0, 64, 0);
}

void TestShippedContent::animations() {
    QFETCH(QString, literal);
    QFETCH(QSize, size);
    QFETCH(QRgb, background);
    const QString path = AppPath(literal);
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
    const QByteArray bytes = file.readAll();
    QCOMPARE(bytes.left(6), QByteArray("GIF89a"));
    QVERIFY(bytes.size() < 48 * 1024);
    QCOMPARE(qFromLittleEndian<quint16>(bytes.constData() + 6), quint16(size.width()));
    QCOMPARE(qFromLittleEndian<quint16>(bytes.constData() + 8), quint16(size.height()));
    // Plays once: the looping block is absent.
    QVERIFY(!bytes.contains("NETSCAPE2.0"));

    QImageReader reader(path);
    QVERIFY(reader.canRead());
    QVERIFY2(reader.imageCount() > 1, qPrintable(QString::number(reader.imageCount())));
    QCOMPARE(reader.loopCount(), 0);
    int milliseconds = 0;
    int frames = 0;
    QImage last;
    while (reader.canRead()) {
        const QImage frame = reader.read();
        QVERIFY2(!frame.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(frame.size(), size);
        if (frames == 0) {
            // The corner shows through to whatever lies beneath.
            QVERIFY(frame.hasAlphaChannel());
            QCOMPARE(qAlpha(frame.pixel(0, 0)), 0);
        }
        milliseconds += reader.nextImageDelay();
        last = frame;
        ++frames;
    }
    QCOMPARE(frames, reader.imageCount());
    QVERIFY2(milliseconds >= 600 && milliseconds <= 1500, qPrintable(QString::number(milliseconds)));

    // The last frame is what stays on screen: it must show something, in colours that stand out
    // from the background it sits on.
    int visible = 0;
    int distinct = 0;
    for (int y = 0; y < last.height(); ++y)
        for (int x = 0; x < last.width(); ++x) {
            const QRgb p = last.pixel(x, y);
            if (qAlpha(p) == 0)
                continue;
            ++visible;
            if (std::abs(qRed(p) - qRed(background)) + std::abs(qGreen(p) - qGreen(background)) +
                    std::abs(qBlue(p) - qBlue(background)) >
                120)
                ++distinct;
        }
    QVERIFY(visible > size.width() * size.height() / 8);
    QVERIFY(distinct > visible / 8);

    QMovie movie(path);
    QVERIFY(movie.isValid());
    QVERIFY(movie.frameCount() > 1);
    QCOMPARE(movie.loopCount(), 0);
}

QTEST_MAIN(TestShippedContent)
#include "tst_shipped_content.moc"
