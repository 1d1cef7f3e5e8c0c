// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>
#include <chrono>
#include <iterator>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

bool isAscii(const QByteArray& bytes) {
    return std::all_of(bytes.cbegin(), bytes.cend(), [](char c) { return static_cast<uchar>(c) < 0x80; });
}

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; the five bytes it leaves undefined keep
// their C1 code points. A table of its own spares loading the ICU converters for one code page,
// and works where Qt has none (Windows builds without ICU).
constexpr char16_t high[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                               0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                               0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                               0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString decodeWindows1252(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (char c : bytes) {
        const auto b = static_cast<uchar>(c);
        *out++ = (b >= 0x80 && b < 0xA0) ? QChar(high[b - 0x80]) : QChar(b);
    }
    return text;
}

// The byte for one UTF-16 unit that is no surrogate, or '?' when the code page lacks it.
char windows1252Byte(char16_t unit) {
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return static_cast<char>(unit);
    const auto* found = std::find(std::begin(high), std::end(high), unit);
    return found == std::end(high) ? '?' : static_cast<char>(0x80 + (found - std::begin(high)));
}

} // namespace

QString DecodeText(const QByteArray& bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.constData() + 3, bytes.size() - 3);
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);

    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;

    return decodeWindows1252(bytes);
}

QByteArray EncodeWindows1252(QStringView text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        if (QChar::isHighSurrogate(unit) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i; // one character outside the code page, one '?'
            bytes += '?';
        } else {
            bytes += QChar::isSurrogate(unit) ? '?' : windows1252Byte(unit);
        }
    }
    return bytes;
}

QStringList SplitLines(QStringView text, qsizetype maxLines) {
    QStringList lines;
    const qsizetype size = text.size();
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < size && (maxLines < 0 || lines.size() < maxLines)) {
        const QChar c = text[i];
        if (c == u'\n' || c == u'\r') {
            lines.append(text.mid(start, i - start).toString());
            i += (c == u'\r' && i + 1 < size && text[i + 1] == u'\n') ? 2 : 1;
            start = i;
        } else {
            ++i;
        }
    }
    // A last line without a line end.
    if (start < size && (maxLines < 0 || lines.size() < maxLines))
        lines.append(text.mid(start).toString());
    return lines;
}

namespace {

std::optional<QStringList> readRegularFile(const QString& path, qsizetype maxLines) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    if (maxLines == 0)
        return QStringList();

    QByteArray bytes;
    if (maxLines < 0) {
        bytes = file.readAll();
        if (file.error() != QFileDevice::NoError)
            return std::nullopt;
        return SplitLines(DecodeText(bytes), maxLines);
    }

    // Read in chunks only until the wanted lines are complete; a lone CR at the end of a chunk
    // waits for the next byte to tell whether an LF belongs to it.
    constexpr qsizetype chunkSize = 64 * 1024;
    qsizetype scanned = 0;
    qsizetype found = 0;
    bool atEnd = false;
    while (found < maxLines && !atEnd) {
        const QByteArray chunk = file.read(chunkSize);
        if (file.error() != QFileDevice::NoError)
            return std::nullopt;
        atEnd = chunk.isEmpty();
        bytes += chunk;
        while (scanned < bytes.size() && found < maxLines) {
            const char c = bytes[scanned];
            if (c == '\n') {
                ++scanned;
                ++found;
            } else if (c == '\r') {
                if (scanned + 1 < bytes.size())
                    scanned += bytes[scanned + 1] == '\n' ? 2 : 1;
                else if (atEnd)
                    ++scanned;
                else
                    break;
                ++found;
            } else {
                ++scanned;
            }
        }
    }
    bytes.truncate(scanned);
    return SplitLines(DecodeText(bytes), maxLines);
}

} // namespace

std::optional<QStringList> ReadTextLines(const QString& path, qsizetype maxLines) {
    // Only ordinary files: opening a pipe or a device could wait for ever.
    const std::optional<TextFileCache::Stamp> stamp = FileStamp(path);
    if (!stamp || !stamp->regular)
        return std::nullopt;
    return readRegularFile(path, maxLines);
}

std::optional<TextFileCache::Stamp> FileStamp(const QString& path) {
    TextFileCache::Stamp stamp;
#ifdef Q_OS_UNIX
    struct stat status;
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return std::nullopt;
    stamp.size = status.st_size;
#if defined(Q_OS_LINUX)
    stamp.modified = qint64(status.st_mtim.tv_sec) * 1'000'000'000 + status.st_mtim.tv_nsec;
    stamp.changed = qint64(status.st_ctim.tv_sec) * 1'000'000'000 + status.st_ctim.tv_nsec;
#else
    stamp.modified = qint64(status.st_mtime) * 1'000'000'000;
    stamp.changed = qint64(status.st_ctime) * 1'000'000'000;
#endif
    stamp.node = status.st_ino;
    stamp.device = status.st_dev;
    stamp.regular = S_ISREG(status.st_mode);
#else
    const QFileInfo info(path);
    if (!info.exists())
        return std::nullopt;
    stamp.size = info.size();
    stamp.modified = info.lastModified().toMSecsSinceEpoch() * 1'000'000;
    stamp.changed = info.metadataChangeTime().toMSecsSinceEpoch() * 1'000'000;
    stamp.regular = info.isFile();
#endif
    return stamp;
}

qint64 FileClockNow() {
    using namespace std::chrono;
    return duration_cast<nanoseconds>(system_clock::now().time_since_epoch()).count();
}

bool StampIsSettled(const TextFileCache::Stamp& stamp, qint64 now) {
    constexpr qint64 second = 1'000'000'000;
    const bool wholeSeconds = stamp.modified % second == 0 && stamp.changed % second == 0;
    const qint64 margin = wholeSeconds ? 2 * second : second / 20;
    return std::max(stamp.modified, stamp.changed) < now - margin;
}

const QStringList* TextFileCache::lines(const QString& path, qsizetype maxLines) {
    const std::optional<Stamp> stamp = FileStamp(path);
    if (!stamp) {
        entries_.remove(path);
        return nullptr;
    }
    auto it = entries_.find(path);
    if (it == entries_.end() || !it->settled || it->stamp != *stamp || it->maxLines != maxLines) {
        // Few files are ever read; a bound keeps a long session with many renamed files small.
        if (it == entries_.end() && entries_.size() >= 4096)
            entries_.clear();
        const qint64 now = FileClockNow();
        Entry entry;
        entry.stamp = *stamp;
        entry.maxLines = maxLines;
        if (stamp->regular)
            entry.lines = readRegularFile(path, maxLines);
        entry.settled = StampIsSettled(*stamp, now);
        it = entries_.insert(path, std::move(entry));
    }
    return it->lines ? &*it->lines : nullptr;
}
