// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/Unprivileged.h"

#include <QDirIterator>
#include <QFile>

#include <vector>

#ifdef Q_OS_UNIX
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

bool RunsAsRoot() {
#ifdef Q_OS_UNIX
    return ::geteuid() == 0;
#else
    return false;
#endif
}

bool RunUnprivileged(const QString& owned, const std::function<bool()>& body) {
#ifdef Q_OS_UNIX
    constexpr uid_t Nobody = 65534;
    const bool root = RunsAsRoot();
    if (root) {
        std::vector<QByteArray> paths{QFile::encodeName(owned)};
        QDirIterator it(owned, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            paths.push_back(QFile::encodeName(it.next()));
        for (const QByteArray& path : paths) {
            if (::lchown(path.constData(), Nobody, Nobody) != 0)
                return false;
        }
    }
    const pid_t child = ::fork();
    if (child < 0)
        return false;
    if (child == 0) {
        if (root && (::setgroups(0, nullptr) != 0 || ::setgid(Nobody) != 0 || ::setuid(Nobody) != 0))
            ::_exit(3);
        ::_exit(body() ? 0 : 1);
    }
    int status = 0;
    return ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
#else
    return body();
#endif
}
