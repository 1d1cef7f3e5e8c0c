// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// Content files (templates, data lists, the language file) are written by teachers: normally
// Windows-1252 with CR LF line ends, sometimes UTF-8 from editors on other systems.
//
// Decoding: a file that starts with a UTF-8 byte-order mark, or whose bytes are valid UTF-8 and
// hold at least one non-ASCII character, is UTF-8; anything else is Windows-1252.
//
// Lines: LF, CR LF and a lone CR each end a line. Lines run until the end of the file, as a
// line-by-line reader sees them: a last line without a line end is still a line, a file that ends
// with a line end has no extra empty line after it, but a blank line before the end is a line.
// An empty file has no lines.

// Any negative maxLines means "no limit".
inline constexpr qsizetype AllLines = -1;

QString DecodeText(const QByteArray& bytes);
// Text as Windows-1252 bytes, by the same table the decoding uses. A character the code page lacks
// becomes "?", one "?" for each character (a surrogate pair is one), as Windows' own conversion
// gives it; no character is ever dropped.
QByteArray EncodeWindows1252(QStringView text);
QStringList SplitLines(QStringView text, qsizetype maxLines = AllLines);

// The first maxLines lines of the file (all of them by default). Only as much of the file is read
// and decoded as those lines need, so a huge list costs little. nullopt when the file cannot be
// opened or read (missing, a folder or other non-ordinary file such as a pipe, no permission).
std::optional<QStringList> ReadTextLines(const QString& path, qsizetype maxLines = AllLines);

// Lines of files read again and again (templates and data lists, read for every problem). A file
// is read again only when its size, times or identity have changed, or when it was changed so
// shortly before it was read that a later edit could keep the same time stamp; so a teacher's edit
// is seen at the next use, while unchanged files cost one status query.
class TextFileCache {
public:
    // The lines as ReadTextLines(path, maxLines) would give them; nullptr when the file cannot be
    // read. The pointer stays valid until the next call on this cache.
    const QStringList* lines(const QString& path, qsizetype maxLines = AllLines);
    void clear() { entries_.clear(); }

    struct Stamp {
        qint64 size = -1;
        qint64 modified = 0; // nanoseconds since the epoch
        qint64 changed = 0;  // status change (permissions, renames), nanoseconds since the epoch
        quint64 node = 0;
        quint64 device = 0;
        bool regular = false;
        friend bool operator==(const Stamp&, const Stamp&) = default;
    };

private:
    struct Entry {
        Stamp stamp;
        bool settled = false; // read long enough after its last change to trust the stamp
        qsizetype maxLines = AllLines;
        std::optional<QStringList> lines;
    };
    QHash<QString, Entry> entries_;
};

// The status of a path as the cache compares it; nullopt when it does not exist.
std::optional<TextFileCache::Stamp> FileStamp(const QString& path);
// Now, on the clock the file system stamps files with, in nanoseconds since the epoch.
qint64 FileClockNow();
// True when the stamp's last change lies far enough before now that a further change would show as
// another time stamp: 50 ms on file systems with fine time stamps, 2 s where they count whole
// seconds (FAT keeps 2 s steps).
bool StampIsSettled(const TextFileCache::Stamp& stamp, qint64 now);
