// The content that ships with the program: every template must generate clean problems, every
// text file must be what a teacher's Windows editor writes, and every cue and animation must be
// there and playable.

#include "app/AppFolder.h"
#include "app/TextFile.h"
#include "problems/ExerciseState.h"
#include "problems/GenerateProblem.h"
#include "problems/RandomSource.h"
#include "support/FakeProblemView.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QImageReader>
#include <QMovie>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QtEndian>
#include <QtTest>

#include <cmath>
#include <optional>

namespace {

const QString ContentDir = QStringLiteral(KOTIRA_SOURCE_DIR "/content");
constexpr int Draws = 300;

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

    void groupsAreNumberedFolders();
    void templateFormat_data();
    void templateFormat();
    void generatesCleanProblems_data();
    void generatesCleanProblems();
    void everyDataListIsUsed();
    void textFilesAreWindows1252WithCrLf_data();
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

// Groups are listed by name, so a leading number keeps them in teaching order; every file of a
// group folder counts as a template, so the folder may hold nothing but 1.txt .. n.txt.
void TestShippedContent::groupsAreNumberedFolders() {
    const QStringList groups = groupNames();
    QVERIFY2(groups.size() >= 6, qPrintable(groups.join(", ")));
    int previous = 0;
    for (const QString& group : groups) {
        const int number = group.section(u' ', 0, 0).toInt();
        QVERIFY2(number == previous + 1, qPrintable("group out of teaching order: " + group));
        previous = number;

        const QDir dir(ContentDir + "/Problemas/" + group);
        const QStringList entries =
            dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        QVERIFY2(entries.size() >= 8 && entries.size() <= 12, qPrintable(group));
        for (qsizetype n = 1; n <= entries.size(); ++n)
            QVERIFY2(entries.contains(QString::number(n) + ".txt") &&
                         QFileInfo(dir.filePath(QString::number(n) + ".txt")).isFile(),
                     qPrintable(QString("%1 lacks %2.txt").arg(group).arg(n)));
    }
}

void TestShippedContent::templateFormat_data() {
    QTest::addColumn<QString>("path");
    for (const QString& group : groupNames()) {
        const QDir dir(ContentDir + "/Problemas/" + group);
        for (qsizetype n = 1; n <= dir.entryList(QDir::Files).size(); ++n)
            QTest::addRow("%s/%lld", qPrintable(group), qlonglong(n))
                << dir.filePath(QString::number(n) + ".txt");
    }
}

// What the generator cannot tell a teacher: typos that still give some problem.
void TestShippedContent::templateFormat() {
    QFETCH(QString, path);
    const QStringList lines = templateLines(path);
    QVERIFY(lines.size() >= 2);
    const QSet<QString> lists = dataListNames();
    const QStringList words = CutWords(lines[0]);

    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString& word = words[i];
        QVERIFY2(!word.isEmpty(), "extra space in the statement line");
        if (lists.contains(word.toUpper()))
            QVERIFY2(word == word.toUpper(), qPrintable("list word not in capitals: " + word));
        else if (word.startsWith(u'='))
            QVERIFY2(words.mid(0, i).contains(word.mid(1)),
                     qPrintable("reference to no earlier word: " + word));
        else
            // A capitalised word that names no list is a misspelt placeholder ("NOMBER", "FRUTA.").
            QVERIFY2(!QRegularExpression("^[A-Z][A-Z0-9]{2,}").match(word).hasMatch(),
                     qPrintable("unknown placeholder: " + word));
    }

    if (isChoiceTemplate(lines)) {
        QCOMPARE(lines[1], QString("TEXTO"));
        const QStringList choices = lines.mid(3);
        QVERIFY(choices.size() >= 2);
        return;
    }

    // Operand, operator, operand ...; each named operand drawn exactly once in the statement, or
    // it would yield several values and shift the operators after it.
    const QStringList tokens = CutWords(lines[1]);
    QVERIFY2(tokens.size() % 2 == 1, qPrintable(lines[1]));
    for (qsizetype t = 0; t < tokens.size(); ++t) {
        const QString& token = tokens[t];
        if (t % 2 == 1) {
            QVERIFY2(QStringList({"+", "-", "*", "/"}).contains(token), qPrintable("operator: " + token));
        } else if (token.startsWith("NUMERO", Qt::CaseInsensitive)) {
            QVERIFY2(lists.contains(token.toUpper()), qPrintable("no data list for " + token));
            QVERIFY2(words.count(token) == 1, qPrintable(token + " must occur once in the statement"));
        } else {
            bool ok = false;
            QVERIFY2(token.toInt(&ok) > 0 && ok, qPrintable("literal operand: " + token));
        }
    }
}

void TestShippedContent::generatesCleanProblems_data() {
    templateFormat_data();
}

void TestShippedContent::generatesCleanProblems() {
    QFETCH(QString, path);
    const QStringList lines = templateLines(path);
    QVERIFY(lines.size() >= 2);
    const bool choice = isChoiceTemplate(lines);
    const QSet<QString> lists = dataListNames();
    const std::optional<QFont> statementFont = arial(18, false);
    const std::optional<QFont> choiceFont = arial(14.25, true);

    // Seeded from the row name, so a failure repeats in every checkout.
    RandomGenerator random(20240 + qHash(QByteArray(QTest::currentDataTag())) % 1000);
    ExerciseState state;
    FakeProblemView view;
    QSet<QString> statements;
    QSet<double> results;
    for (int draw = 0; draw < Draws; ++draw) {
        GenerateProblem(path, state, view, random);
        const QString& statement = view.statementText;
        statements.insert(statement);
        QVERIFY2(!statement.contains("  "), qPrintable("empty item or double space: " + statement));

        for (const QString& word : statementWords(statement)) {
            const QString bare = stripPunctuation(word);
            QVERIFY2(!lists.contains(word.toUpper()) && !lists.contains(bare.toUpper()),
                     qPrintable("placeholder left: " + statement));
            QVERIFY2(!word.startsWith(u'='), qPrintable("back-reference left: " + statement));
            QVERIFY2(!word.startsWith("NUMERO", Qt::CaseInsensitive),
                     qPrintable("operand left: " + statement));
        }
        if (statementFont) {
            const QRect box =
                QFontMetrics(*statementFont)
                    .boundingRect(QRect(0, 0, StatementWidth, 10000), Qt::TextWordWrap, statement);
            QVERIFY2(box.height() <= StatementHeight,
                     qPrintable("does not fit the statement box: " + statement));
        }

        if (choice) {
            QVERIFY(view.tokensVisible);
            QVERIFY(!view.answerVisible);
            qsizetype right = 0;
            for (const QString& item : view.tokens) {
                QVERIFY2(!item.trimmed().isEmpty(), "empty choice");
                if (item.endsWith(u' ')) {
                    ++right;
                    QVERIFY2(!item.endsWith("  ") && !item.startsWith(u' '), qPrintable("'" + item + "'"));
                }
                if (choiceFont)
                    QVERIFY2(QFontMetrics(*choiceFont).horizontalAdvance(item.trimmed()) <= ChoiceWidth,
                             qPrintable("choice too wide for the chooser: " + item));
            }
            QCOMPARE(right, qsizetype(1));
        } else {
            QVERIFY(view.answerVisible);
            QVERIFY(!view.tokensVisible);
            const double result = state.Result;
            QVERIFY2(std::isfinite(result) && result > -1,
                     qPrintable(QString("result %1 for: %2").arg(result).arg(statement)));
            // Every shipped problem is worded in whole numbers; a pupil cannot type 2,5.
            QVERIFY2(std::floor(result) == result,
                     qPrintable(QString("result %1 for: %2").arg(result).arg(statement)));
            results.insert(result);
        }
    }
    // Each template draws from at least one list, so its problems must vary.
    QVERIFY2(statements.size() > 1, qPrintable(path));
    if (!choice)
        QVERIFY2(results.size() > 1, qPrintable(path));
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

void TestShippedContent::textFilesAreWindows1252WithCrLf_data() {
    QTest::addColumn<QString>("path");
    QDirIterator it(ContentDir, {"*.txt"}, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    int count = 0;
    while (it.hasNext()) {
        const QString path = it.next();
        QTest::newRow(qPrintable(QDir(ContentDir).relativeFilePath(path))) << path;
        ++count;
    }
    QVERIFY(count > 60);
}

void TestShippedContent::textFilesAreWindows1252WithCrLf() {
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.endsWith("\r\n"));
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const uchar c = uchar(bytes[i]);
        if (c == '\r')
            QVERIFY2(i + 1 < bytes.size() && bytes[i + 1] == '\n', "lone CR");
        else if (c == '\n')
            QVERIFY2(i > 0 && bytes[i - 1] == '\r', "LF without CR");
        else
            QVERIFY2(c >= 32 && c != 127, qPrintable(QString("control byte %1 at %2").arg(c).arg(i)));
    }

    QStringDecoder windows1252("windows-1252");
    const QString text = windows1252.decode(bytes);
    QVERIFY2(!windows1252.hasError(), "byte undefined in Windows-1252");
    QVERIFY(!text.contains(QChar::ReplacementCharacter));
    // UTF-8 pasted into a Windows-1252 file reads as "Ã­" for "í"; Spanish has no Ã or Â.
    QVERIFY2(!text.contains(u'Ã') && !text.contains(u'Â'), "UTF-8 bytes inside a Windows-1252 file");
    // The program reads it the same way: not mistaken for UTF-8.
    QCOMPARE(DecodeText(bytes), text);
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
