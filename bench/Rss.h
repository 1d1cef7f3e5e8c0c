// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QRegularExpression>

#include <cstdio>

// Resident memory in kB from the text of /proc/self/status (Linux): the total ("VmRSS") or one
// of the kernel's parts of it ("RssAnon": the process's own data; "RssFile": pages of libraries
// and fonts). -1 when the field is missing.
inline long StatusKb(const QString& status, const char* field) {
    const auto match =
        QRegularExpression(QStringLiteral("%1:\\s+(\\d+)").arg(QLatin1String(field))).match(status);
    return match.hasMatch() ? match.captured(1).toLong() : -1;
}

inline QString ProcessStatus() {
    QFile status(QStringLiteral("/proc/self/status"));
    return status.open(QIODevice::ReadOnly) ? QString::fromLatin1(status.readAll()) : QString();
}

inline long ResidentKb() {
    return StatusKb(ProcessStatus(), "VmRSS");
}

// The line the benchmark script reads: total, anonymous and file-backed resident kB, all from
// one reading of the status.
inline void PrintResident() {
    const QString status = ProcessStatus();
    std::printf("%ld %ld %ld\n", StatusKb(status, "VmRSS"), StatusKb(status, "RssAnon"),
                StatusKb(status, "RssFile"));
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
