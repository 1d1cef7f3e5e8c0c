// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TextFile.h"
#include "support/TempAppFolder.h"
#include "support/Unprivileged.h"

#include <QFile>
#include <QStringDecoder>
#include <QtTest>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

class TestTextFile : public QObject {
    Q_OBJECT

private slots:
    void readsLines_data();
    void readsLines();
    void decodes_data();
    void decodes();
    void windows1252MatchesTheToolkitCodec();
    void encodesWindows1252_data();
    void encodesWindows1252();
    void everyByteComesBackFromItsCharacter();
    void unreadableFiles();
    void limitedReadStopsEarly_data();
    void limitedReadStopsEarly();
    void limitedReadOfAHugeListIsQuick();
    void crLfSplitAcrossReadChunks();
    void cacheSeesEveryEdit();
    void cacheForgetsRemovedFiles();
};

void TestTextFile::readsLines_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("CR LF ends") << QByteArray("Ana\r\nLuis\r\n") << QStringList{"Ana", "Luis"};
    QTest::newRow("LF ends") << QByteArray("Ana\nLuis\n") << QStringList{"Ana", "Luis"};
    QTest::newRow("last line without end") << QByteArray("Ana\r\nLuis") << QStringList{"Ana", "Luis"};
    QTest::newRow("blank line before the end") << QByteArray("Ana\r\n\r\n") << QStringList{"Ana", ""};
    QTest::newRow("blank line in the middle") << QByteArray("a\r\n\r\nb\r\n") << QStringList{"a", "", "b"};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
    QTest::newRow("only a line end") << QByteArray("\r\n") << QStringList{""};
    QTest::newRow("lone CR ends a line") << QByteArray("a\rb") << QStringList{"a", "b"};
    QTest::newRow("CR CR LF") << QByteArray("a\r\r\nb") << QStringList{"a", "", "b"};
    QTest::newRow("spaces and tabs kept") << QByteArray("  x\t \r\n") << QStringList{"  x\t "};
    QTest::newRow("mixed ends") << QByteArray("a\nb\r\nc") << QStringList{"a", "b", "c"};
    // The byte-order mark is no text: a file of nothing else is empty.
    QTest::newRow("only a byte-order mark") << QByteArray("\xEF\xBB\xBF") << QStringList{};
    QTest::newRow("byte-order mark and a line end") << QByteArray("\xEF\xBB\xBF\r\n") << QStringList{""};
}

void TestTextFile::readsLines() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    TempAppFolder app;
    const QString path = app.write("f.txt", bytes);
    const std::optional<QStringList> read = ReadTextLines(path);
    QVERIFY(read);
    QCOMPARE(*read, lines);
    // A limit at or above the count changes nothing; a lower one cuts.
    QCOMPARE(*ReadTextLines(path, lines.size()), lines);
    QCOMPARE(*ReadTextLines(path, lines.size() + 5), lines);
    if (!lines.isEmpty())
        QCOMPARE(*ReadTextLines(path, lines.size() - 1), lines.mid(0, lines.size() - 1));
    TextFileCache cache;
    QVERIFY(cache.lines(path));
    QCOMPARE(*cache.lines(path), lines);
}

void TestTextFile::decodes_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("windows-1252 o acute") << QByteArray("Selecci\xF3n") << QStringLiteral("Selección");
    QTest::newRow("windows-1252 euro") << QByteArray("5 \x80") << QStringLiteral("5 €");
    QTest::newRow("windows-1252 opening marks") << QByteArray("\xBF"
                                                              "Cu\xE1ntos?")
                                                << QStringLiteral("¿Cuántos?");
    QTest::newRow("utf-8 with BOM") << QByteArray("\xEF\xBB\xBF"
                                                  "cami\xC3\xB3n")
                                    << QStringLiteral("camión");
    QTest::newRow("utf-8 BOM, ASCII only") << QByteArray("\xEF\xBB\xBF"
                                                         "Ana")
                                           << QStringLiteral("Ana");
    QTest::newRow("utf-8 without BOM") << QByteArray("\xC2\xBF"
                                                     "Cu\xC3\xA1ntos?")
                                       << QStringLiteral("¿Cuántos?");
    QTest::newRow("invalid utf-8 is windows-1252")
        << QByteArray("\xC3\xB3 \xF3") << QString(QChar(0xC3)) + QChar(0xB3) + u' ' + QChar(0xF3);
    QTest::newRow("truncated utf-8 sequence is windows-1252") << QByteArray("a\xC3") << QStringLiteral("aÃ");
    QTest::newRow("ascii") << QByteArray("NUMERO1 + 2") << QStringLiteral("NUMERO1 + 2");
}

void TestTextFile::decodes() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(DecodeText(bytes), text);
    TempAppFolder app;
    const std::optional<QStringList> read = ReadTextLines(app.write("f.txt", bytes + "\r\nx\r\n"));
    QVERIFY(read);
    QCOMPARE(*read, (QStringList{text, "x"}));
}

void TestTextFile::windows1252MatchesTheToolkitCodec() {
    // The reader decodes the code page with its own table; where the toolkit carries the codec,
    // every byte it defines must come out the same. (The five undefined bytes are not compared.)
    QStringDecoder codec("windows-1252", QStringConverter::Flag::Stateless);
    if (!codec.isValid())
        QSKIP("this Qt has no Windows-1252 codec to compare with");
    for (int b = 0x80; b <= 0xFF; ++b) {
        if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D)
            continue;
        // A lone high byte is never valid UTF-8, so the reader takes it as Windows-1252.
        const QByteArray bytes(1, static_cast<char>(b));
        QCOMPARE(DecodeText(bytes), codec.decode(bytes));
    }
}

void TestTextFile::encodesWindows1252_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ASCII") << "Ana: 3 + 4 = 7\r\n" << QByteArray("Ana: 3 + 4 = 7\r\n");
    QTest::newRow("Spanish letters") << QStringLiteral("¿Qué año?") << QByteArray("\xbfQu\xe9 a\xf1o?");
    QTest::newRow("euro and quotes") << QStringLiteral("5 € “sí”") << QByteArray("5 \x80 \x93s\xed\x94");
    QTest::newRow("outside the code page") << QStringLiteral("x ≤ 3 中") << QByteArray("x ? 3 ?");
    QTest::newRow("surrogate pair is one character") << QStringLiteral("a😀b") << QByteArray("a?b");
    QTest::newRow("lone surrogate") << QString(QChar(0xD83D)) + "b" << QByteArray("?b");
}

void TestTextFile::encodesWindows1252() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(EncodeWindows1252(text), bytes);
}

void TestTextFile::everyByteComesBackFromItsCharacter() {
    // Encoding is the decoding table read backwards, the five undefined bytes included.
    QByteArray all;
    for (int b = 0; b <= 0xFF; ++b)
        all += static_cast<char>(b);
    QCOMPARE(EncodeWindows1252(DecodeText(all)), all);
}

void TestTextFile::unreadableFiles() {
    TempAppFolder app;
    QVERIFY(!ReadTextLines(app.path() + "/missing.txt"));
    QVERIFY(!ReadTextLines(app.mkdir("folder.txt")));
    TextFileCache cache;
    QVERIFY(!cache.lines(app.path() + "/folder.txt"));

    // A pipe would block a plain open for ever.
    const QString pipe = app.path() + "/pipe.txt";
    QVERIFY(mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
    QVERIFY(!ReadTextLines(pipe));
    QVERIFY(!cache.lines(pipe));

    // A file that opens but fails to read: /proc/self/mem.
    if (QFile::exists("/proc/self/mem")) {
        const QString broken = app.path() + "/broken.txt";
        QVERIFY(QFile::link("/proc/self/mem", broken));
        QVERIFY(!ReadTextLines(broken));
        QVERIFY(!cache.lines(broken));
    }
    // A locked file, read by an unprivileged user (the superuser reads it).
    const QString locked = app.write("locked.txt", "x\r\n");
    QFile::setPermissions(locked, QFileDevice::Permissions());
    QVERIFY(RunUnprivileged(app.path(), [&] { return !ReadTextLines(locked); }));
}

void TestTextFile::limitedReadStopsEarly_data() {
    QTest::addColumn<QByteArray>("tail");
    // What follows the wanted lines must not count: not for the lines, not for the encoding.
    QTest::newRow("invalid utf-8 after the wanted lines") << QByteArray("\xF3\r\n");
    QTest::newRow("no line end at the end") << QByteArray("zzz");
}

void TestTextFile::limitedReadStopsEarly() {
    QFETCH(QByteArray, tail);
    TempAppFolder app;
    QByteArray bytes;
    for (int i = 0; i < 201; ++i)
        bytes += "l\xC3\xADnea " + QByteArray::number(i) + "\r\n";
    for (int i = 0; i < 5000; ++i)
        bytes += tail;
    const std::optional<QStringList> lines = ReadTextLines(app.write("lista.txt", bytes), 201);
    QVERIFY(lines);
    QCOMPARE(lines->size(), 201);
    QCOMPARE(lines->first(), QStringLiteral("línea 0"));
    QCOMPARE(lines->last(), QStringLiteral("línea 200"));
}

void TestTextFile::limitedReadOfAHugeListIsQuick() {
    TempAppFolder app;
    QByteArray bytes;
    for (int i = 0; i < 100000; ++i)
        bytes += "elemento n\xFAmero " + QByteArray::number(i) + "\r\n";
    const QString path = app.write("enorme.txt", bytes);

    QElapsedTimer timer;
    timer.start();
    std::optional<QStringList> lines;
    for (int round = 0; round < 20; ++round)
        lines = ReadTextLines(path, 201);
    const qint64 perRead = timer.nsecsElapsed() / 20;
    QVERIFY(lines);
    QCOMPARE(lines->size(), 201);
    QCOMPARE(lines->at(200), QStringLiteral("elemento número 200"));
    // Reported, not asserted: reading the whole 2.6 MB file takes several milliseconds, the first
    // lines far less (limitedReadStopsEarly checks that the rest is not read).
    qInfo("201 lines of a 100,000-line list: %.1f microseconds per read", perRead / 1000.0);
}

void TestTextFile::crLfSplitAcrossReadChunks() {
    // Line 1 fills the first 64 KiB chunk up to its CR; the LF starts the second chunk.
    TempAppFolder app;
    QByteArray bytes(64 * 1024 - 1, 'a');
    bytes += "\r\nsecond\r\nthird\r\n";
    const QString path = app.write("f.txt", bytes);
    for (qsizetype limit : {1, 2, 3}) {
        const std::optional<QStringList> lines = ReadTextLines(path, limit);
        QVERIFY(lines);
        QCOMPARE(lines->size(), limit);
        if (limit > 1)
            QCOMPARE(lines->at(1), QStringLiteral("second"));
    }
}

void TestTextFile::cacheSeesEveryEdit() {
    TempAppFolder app;
    TextFileCache cache;
    const QString path = app.write("NUMERO1.txt", "3\r\n");
    QCOMPARE(*cache.lines(path), QStringList{"3"});

    // Same size, at once (within the file system's time stamp step).
    app.write("NUMERO1.txt", "4\r\n");
    QCOMPARE(*cache.lines(path), QStringList{"4"});

    // An old file, read once and then rewritten with the same size and its old time put back:
    // the status change time still tells.
    const auto old = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
    const std::filesystem::path native(QFile::encodeName(path).toStdString());
    std::filesystem::last_write_time(native, old);
    QCOMPARE(*cache.lines(path), QStringList{"4"});
    app.write("NUMERO1.txt", "5\r\n");
    std::filesystem::last_write_time(native, old);
    QCOMPARE(*cache.lines(path), QStringList{"5"});

    // A limit asked for differently is honoured.
    app.write("NUMERO1.txt", "1\r\n2\r\n3\r\n");
    QCOMPARE(cache.lines(path, 2)->size(), 2);
    QCOMPARE(cache.lines(path)->size(), 3);
}

void TestTextFile::cacheForgetsRemovedFiles() {
    TempAppFolder app;
    TextFileCache cache;
    const QString path = app.write("a.txt", "x\r\n");
    QVERIFY(cache.lines(path));
    QVERIFY(QFile::remove(path));
    QVERIFY(!cache.lines(path));
    app.write("a.txt", "y\r\n");
    QCOMPARE(*cache.lines(path), QStringList{"y"});
}

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_textfile.moc"
