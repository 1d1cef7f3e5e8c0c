// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

// Permission tests (unreadable files, read-only folders) mean nothing to the superuser, who reads
// and writes everything: as root, they run in a child process of the unprivileged user "nobody".

// True when this process runs as the superuser.
bool RunsAsRoot();

// Runs `body` in a child process: as nobody (uid and gid 65534) when this process runs as root,
// after giving it the whole of `owned` (a folder); as this user otherwise. True when the child ran
// and `body` returned true. QtTest failures inside `body` are printed by the child as usual.
bool RunUnprivileged(const QString& owned, const std::function<bool()>& body);
