// SPDX-License-Identifier: GPL-3.0-or-later
#include "checker/ListCheck.h"

#include "app/AppFolder.h"
#include "app/TextFile.h"
#include "checker/ContentPaths.h"
#include "checker/TextCheck.h"
#include "problems/GenerateProblem.h"

#include <QDir>

namespace {

void checkList(const QString& path, bool used, FindingList& findings) {
    const std::optional<TextFileCache::Stamp> stamp = FileStamp(path);
    if (!stamp || !stamp->regular) {
        findings.add(
            Severity::Warning, QStringLiteral("lista-no-fichero"), 0, QString(),
            QStringLiteral("no es un fichero normal: no cuenta como lista y la palabra se muestra tal cual"),
            QStringLiteral("sustitúyalo por un fichero de texto"));
        return;
    }
    // One line more than is ever drawn tells whether there are too many.
    const std::optional<QStringList> lines = ReadTextLines(path, MaxDataLines + 1);
    if (!lines) {
        findings.add(Severity::Error, QStringLiteral("lista-ilegible"), 0, QString(),
                     QStringLiteral("no se puede leer: la palabra muestra lo que dejó la lista anterior"),
                     QStringLiteral("compruebe los permisos del fichero"));
        return;
    }
    if (lines->isEmpty()) {
        findings.add(used ? Severity::Error : Severity::Warning, QStringLiteral("lista-vacia"), 0, QString(),
                     QStringLiteral("la lista está vacía: la palabra muestra lo que dejó la lista anterior"),
                     QStringLiteral("escriba un elemento por línea"));
        return;
    }
    const QStringList drawn = lines->mid(0, MaxDataLines);
    CheckTextCharacters(drawn, findings);
    for (qsizetype i = 0; i < drawn.size(); ++i) {
        if (!drawn[i].trimmed().isEmpty())
            continue;
        findings.add(
            Severity::Error, QStringLiteral("linea-en-blanco"), int(i + 1), QString(),
            QStringLiteral("la línea está en blanco: si sale en el sorteo, el alumno no ve nada en ese "
                           "hueco"),
            QStringLiteral("borre las líneas en blanco (también las del final)"));
    }
    if (lines->size() > MaxDataLines) {
        findings.add(
            Severity::Warning, QStringLiteral("lista-larga"), MaxDataLines + 1, lines->at(MaxDataLines),
            QStringLiteral("la lista tiene más de %1 líneas: las siguientes nunca salen").arg(MaxDataLines),
            QStringLiteral("deje %1 elementos como mucho, o reparta la lista en dos").arg(MaxDataLines));
    }
}

} // namespace

QList<Finding> CheckLists(const QSet<QString>& used, int& listCount) {
    listCount = 0;
    QList<Finding> findings;
    const QString folder = AppPath(u"\\datos");
    const QDir dir(folder);
    if (!dir.exists())
        return findings;
    const QStringList names =
        dir.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : names) {
        if (!name.endsWith(u".txt", Qt::CaseInsensitive))
            continue;
        const QString path = folder + u'/' + name; // as the generator forms it
        if (QFileInfo(path).isDir())
            continue;
        ++listCount;
        FindingList list(RelativeName(path));
        checkList(path, used.contains(path), list);
        findings += list.take();
    }
    return findings;
}
