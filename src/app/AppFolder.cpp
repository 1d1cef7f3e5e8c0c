// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AppFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <filesystem>

#ifndef KOTIRA_SITE_FOLDER
#define KOTIRA_SITE_FOLDER ""
#endif

namespace {

QString& overriddenFolder() {
    static QString folder;
    return folder;
}

QString& overriddenSiteFolder() {
    static QString folder;
    return folder;
}

// Directory listings keyed by folder, each kept while the folder's modification time stands still,
// so that resolving the same names again (the generator does it for every word) costs one stat.
struct Listing {
    std::filesystem::file_time_type stamp;
    QHash<QString, QString> byFoldedName; // folded name -> name as stored
};

// The folder's name as the file system spells it, without a detour through a narrow string that
// would lose letters outside the ANSI code page on Windows: UTF-16 there, the name's file-system
// bytes (what Qt itself opens) elsewhere.
std::filesystem::path nativePath(const QString& folder) {
#ifdef Q_OS_WIN
    return std::filesystem::path(folder.toStdWString());
#else
    const QByteArray name = QFile::encodeName(folder);
    return std::filesystem::path(std::string(name.constData(), size_t(name.size())));
#endif
}

std::filesystem::file_time_type folderStamp(const QString& folder, bool& ok) {
    std::error_code error;
    const auto stamp = std::filesystem::last_write_time(nativePath(folder), error);
    ok = !error;
    return stamp;
}

const Listing* listingOf(const QString& folder) {
    static QHash<QString, Listing> cache;
    bool ok = false;
    const auto stamp = folderStamp(folder, ok);
    if (!ok) {
        cache.remove(folder);
        return nullptr;
    }
    auto it = cache.find(folder);
    if (it != cache.end() && it->stamp == stamp)
        return &*it;

    Listing listing;
    listing.stamp = stamp;
    // Sorted, so that of two names differing only in case the same one always wins.
    const QStringList names = QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& name : names) {
        const QString folded = name.toCaseFolded();
        if (!listing.byFoldedName.contains(folded))
            listing.byFoldedName.insert(folded, name);
    }
    return &*cache.insert(folder, std::move(listing));
}

bool isSeparator(QChar c) {
    return c == u'\\' || c == u'/';
}

// True for "\datos\" followed by a name, in any letter case and with either separator: the
// literals of data lists, which the site folder may hold too.
bool isDataListLiteral(QStringView literal) {
    static constexpr QStringView folder = u"datos";
    return literal.size() > folder.size() + 2 && isSeparator(literal[0]) &&
           literal.mid(1, folder.size()).compare(folder, Qt::CaseInsensitive) == 0 &&
           isSeparator(literal[folder.size() + 1]);
}

// The ordinary sub-folders of one "Problemas" folder. Hidden folders are left out: a folder the
// file manager does not show is no group.
void addGroups(const QString& problems, bool site, QList<GroupFolder>& groups) {
    const QDir dir(problems);
    if (problems.isEmpty() || !dir.exists())
        return;
    const QFileInfoList folders = dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QFileInfo& folder : folders) {
        if (folder.isDir() && !folder.isHidden())
            groups.append({folder.fileName(), problems + u'/' + folder.fileName(), site});
    }
}

} // namespace

QString AppFolder() {
    const QString& folder = overriddenFolder();
    return folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder;
}

void SetAppFolder(const QString& folder) {
    overriddenFolder() = folder;
}

QString SiteFolder() {
    const QString& folder = overriddenSiteFolder();
    return folder.isEmpty() ? QStringLiteral(KOTIRA_SITE_FOLDER) : folder;
}

void SetSiteFolder(const QString& folder) {
    overriddenSiteFolder() = folder;
}

QString AppPath(QStringView literal) {
    // A list the school put in its own folder wins over a shipped list of the same name, so that
    // teachers change a list without touching the installed one.
    if (isDataListLiteral(literal)) {
        if (const QString site = SiteFolder(); !site.isEmpty()) {
            QString path = ResolvePath(site, literal);
            if (QFileInfo(path).isFile())
                return path;
        }
    }
    return ResolvePath(AppFolder(), literal);
}

QStringList LookupFolders(QStringView folderLiteral) {
    QStringList folders;
    const QString probe = folderLiteral.toString() + QStringLiteral("\\x");
    if (const QString site = SiteFolder(); !site.isEmpty() && isDataListLiteral(probe))
        folders.append(ResolvePath(site, folderLiteral));
    folders.append(ResolvePath(AppFolder(), folderLiteral));
    return folders;
}

QList<GroupFolder> GroupFolders() {
    QList<GroupFolder> shipped;
    addGroups(ResolvePath(AppFolder(), u"\\Problemas"), false, shipped);
    QList<GroupFolder> groups;
    if (const QString site = SiteFolder(); !site.isEmpty())
        addGroups(ResolvePath(site, u"\\Problemas"), true, groups);

    // A site group replaces the shipped ones of its name: a teacher edits a copy, and an upgrade of
    // the shipped groups never touches it.
    QSet<QString> siteNames;
    for (const GroupFolder& group : groups)
        siteNames.insert(group.name.toCaseFolded());
    for (GroupFolder& group : shipped) {
        if (!siteNames.contains(group.name.toCaseFolded()))
            groups.append(std::move(group));
    }

    // By name with letter case ignored, as a directory listing sorts them; names equal but for
    // their case in a fixed order.
    std::sort(groups.begin(), groups.end(), [](const GroupFolder& a, const GroupFolder& b) {
        const int byName = a.name.toLower().compare(b.name.toLower());
        return byName != 0 ? byName < 0 : a.name < b.name;
    });
    return groups;
}

QString ResolvePath(const QString& base, QStringView literal) {
    QString path = base;
    while (path.size() > 1 && isSeparator(path.back()))
        path.chop(1);

    qsizetype start = 0;
    while (start <= literal.size()) {
        qsizetype end = start;
        while (end < literal.size() && !isSeparator(literal[end]))
            ++end;
        const QStringView name = literal.mid(start, end - start);
        if (!name.isEmpty()) {
            QString exact = path + u'/' + name.toString();
            if (name == u"." || name == u".." || QFileInfo::exists(exact)) {
                path = std::move(exact);
            } else if (const Listing* listing = listingOf(path)) {
                const auto found = listing->byFoldedName.constFind(name.toString().toCaseFolded());
                path = found != listing->byFoldedName.cend() ? path + u'/' + *found : std::move(exact);
            } else {
                path = std::move(exact);
            }
        }
        start = end + 1;
    }
    // A literal that ends in a separator names a folder; keep the separator, as plain joining would.
    if (!literal.isEmpty() && isSeparator(literal.back()))
        path += u'/';
    return path;
}

bool IsOrdinaryFile(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && !info.isHidden();
}
