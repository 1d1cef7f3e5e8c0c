// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Helpers shared by the fuzz targets: a checked condition that stops the run, a scratch
// application folder, and facts about content bytes worked out without the code under test.

#include "app/AppFolder.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>
#include <QStringDecoder>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

// A broken expectation is a finding like a crash: libFuzzer keeps the input that caused it.
#define FUZZ_CHECK(condition)                                                                                \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);               \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (false)

namespace fuzz {

// One application folder for the whole run, made at the first use; files are rewritten in place
// for every input, so no folder listing changes between inputs.
inline const QString& AppFolderForRun() {
    static QTemporaryDir* dir = nullptr;
    static const QString path = [] {
        auto* made = new QTemporaryDir(QDir::tempPath() + QStringLiteral("/kotira-fuzz-XXXXXX"));
        if (!made->isValid()) {
            std::fprintf(stderr, "cannot make a scratch folder under %s\n", qPrintable(QDir::tempPath()));
            std::abort();
        }
        dir = made;
        std::atexit([] { delete dir; });
        SetAppFolder(made->path());
        return made->path();
    }();
    return path;
}

inline QString WriteFile(const QString& relative, const QByteArray& bytes) {
    const QString path = AppFolderForRun() + u'/' + relative;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        QDir().mkpath(path.section(u'/', 0, -2));
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    }
    FUZZ_CHECK(file.isOpen());
    FUZZ_CHECK(file.write(bytes) == bytes.size());
    return path;
}

// Bytes that a UTF-8 decoder reads without error (plain ASCII included) or that start with the
// UTF-8 byte-order mark: such content decodes the same whole or cut at a line end.
inline bool DecodesAsUtf8(const QByteArray& bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return true;
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    // decode() is lazy: the conversion runs when its result becomes a QString.
    const QString text = utf8.decode(bytes);
    return !utf8.hasError();
}

// Lines a line-by-line reader finds in the bytes: every CR LF, lone CR and lone LF ends one, and
// text after the last line end is one more. A UTF-8 byte-order mark is no text, and nor is a
// second one right after it (Qt's UTF-8 decoder drops one more).
inline qsizetype CountLines(const QByteArray& bytes) {
    qsizetype lines = 0;
    qsizetype i = 0;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        i = bytes.startsWith("\xEF\xBB\xBF\xEF\xBB\xBF") ? 6 : 3;
    const qsizetype size = bytes.size();
    bool open = false;
    while (i < size) {
        if (bytes[i] == '\n' || bytes[i] == '\r') {
            i += (bytes[i] == '\r' && i + 1 < size && bytes[i + 1] == '\n') ? 2 : 1;
            ++lines;
            open = false;
        } else {
            ++i;
            open = true;
        }
    }
    return lines + (open ? 1 : 0);
}

// A fuzz input cut at its NUL bytes into `count` parts: a template and its lists. The last part
// takes the rest, NUL bytes included; missing parts are empty.
inline QList<QByteArray> SplitInput(const uint8_t* data, size_t size, qsizetype count) {
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    QList<QByteArray> parts = input.split('\0');
    while (parts.size() > count)
        parts[count - 1] += '\0' + parts.takeAt(count);
    parts.resize(count);
    return parts;
}

} // namespace fuzz
