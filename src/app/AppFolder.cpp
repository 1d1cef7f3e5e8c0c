#include "app/AppFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <filesystem>

namespace {

QString& overriddenFolder() {
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

} // namespace

QString AppFolder() {
    const QString& folder = overriddenFolder();
    return folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder;
}

void SetAppFolder(const QString& folder) {
    overriddenFolder() = folder;
}

QString AppPath(QStringView literal) {
    return ResolvePath(AppFolder(), literal);
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
