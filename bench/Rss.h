#pragma once

#include <QFile>
#include <QRegularExpression>

#include <cstdio>

// Resident memory of this process in kB, from /proc (Linux): the total, or one of the kernel's
// parts of it ("RssAnon": the process's own data; "RssFile": pages of libraries and fonts).
inline long ResidentKb(const char* field = "VmRSS") {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QString text = QString::fromLatin1(status.readAll());
    const auto match =
        QRegularExpression(QStringLiteral("%1:\\s+(\\d+)").arg(QLatin1String(field))).match(text);
    return match.hasMatch() ? match.captured(1).toLong() : -1;
}

// The line the benchmark script reads: total, anonymous and file-backed resident kB.
inline void PrintResident() {
    std::printf("%ld %ld %ld\n", ResidentKb(), ResidentKb("RssAnon"), ResidentKb("RssFile"));
}

// Copies /proc/self/smaps to the file named by KOTIRA_SMAPS, when set: the mapping-by-mapping
// picture of where the memory goes. (QFile::copy sees /proc files as empty.)
inline void DumpSmapsIfAsked() {
    if (!qEnvironmentVariableIsSet("KOTIRA_SMAPS"))
        return;
    QFile in(QStringLiteral("/proc/self/smaps"));
    QFile out(qEnvironmentVariable("KOTIRA_SMAPS"));
    if (in.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly))
        out.write(in.readAll());
}
