// SPDX-License-Identifier: GPL-3.0-or-later
#include "checker/ListCheck.h"

#include "app/AppFolder.h"
#include "app/TextFile.h"
#include "checker/ContentPaths.h"
#include "checker/GroupCheck.h"
#include "checker/TextCheck.h"
#include "problems/GenerateProblem.h"

#include <QDir>

namespace {

void reportUnreadable(FindingList& findings) {
    findings.add(
        Severity::Error, QStringLiteral("lista-ilegible"), 0, QString(),
        QStringLiteral("no se puede leer (permisos): la palabra muestra lo que dejó la lista anterior"),
        QStringLiteral("dé permiso de lectura al fichero para todos los usuarios (chmod a+r)"));
}

// The first MaxDataLines lines of a list, which are all that is ever drawn. False when the file is
// no text at all, which its one finding says.
bool checkDrawnLines(const QStringList& drawn, const QString& path, bool used, FindingList& findings) {
    if (drawn.isEmpty()) {
        findings.add(used ? Severity::Error : Severity::Warning, QStringLiteral("lista-vacia"), 0, QString(),
                     QStringLiteral("la lista está vacía: la palabra muestra lo que dejó la lista anterior"),
                     QStringLiteral("escriba un elemento por línea"));
        return true;
    }
    if (CheckTextCharacters(drawn, findings, path))
        return false;
    for (qsizetype i = 0; i < drawn.size(); ++i) {
        if (!drawn[i].trimmed().isEmpty())
            continue;
        findings.add(
            Severity::Error, QStringLiteral("linea-en-blanco"), int(i + 1), QString(),
            QStringLiteral("la línea está en blanco: si sale en el sorteo, el alumno no ve nada en ese "
                           "hueco"),
            QStringLiteral("borre las líneas en blanco (también las del final)"));
    }
    return true;
}

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
        reportUnreadable(findings);
        return;
    }
    const QStringList drawn = lines->mid(0, MaxDataLines);
    if (checkDrawnLines(drawn, path, used, findings) && lines->size() > MaxDataLines) {
        findings.add(
            Severity::Warning, QStringLiteral("lista-larga"), MaxDataLines + 1, lines->at(MaxDataLines),
            QStringLiteral("la lista tiene más de %1 líneas: las siguientes nunca salen").arg(MaxDataLines),
            QStringLiteral("deje %1 elementos como mucho, o reparta la lista en dos").arg(MaxDataLines));
    }
}

} // namespace

void ReportListsWithErrors(const TemplateReading& reading, FindingList& findings) {
    QSet<QString> seen;
    for (const TemplateReading::Word& word : reading.kinds) {
        if (word.kind != TemplateReading::Kind::DataList || seen.contains(word.listPath))
            continue;
        seen.insert(word.listPath);
        FindingList own(RelativeName(word.listPath));
        if (word.listRead)
            checkDrawnLines(word.items, word.listPath, true, own);
        else
            reportUnreadable(own);
        for (const Finding& fault : own.take()) {
            if (fault.severity != Severity::Error)
                continue;
            findings.add(
                Severity::Error, QStringLiteral("usa-lista-con-error"), 1, RelativeName(word.listPath),
                QStringLiteral("usa la lista %1, que tiene un ERROR%2: %3")
                    .arg(RelativeName(word.listPath),
                         fault.line > 0 ? QStringLiteral(" en la línea %1").arg(fault.line) : QString(),
                         fault.effect),
                QStringLiteral("corrija la lista (vea su ERROR en el apartado de listas)"));
            break;
        }
    }
}

QList<Finding> CheckLists(const QSet<QString>& used, int& listCount) {
    listCount = 0;
    const QString folder = AppPath(u"\\datos");
    FindingList own(RelativeName(folder));
    const QDir dir(folder);
    if (!dir.exists())
        return {};
    if (ReportUnreadableFolder(folder, QStringLiteral("ningún hueco del enunciado se cambia"), own))
        return own.take();
    ReportUndecodableNames(folder, QStringLiteral("esa lista no se usa: su palabra se ve tal cual"), own);
    QList<Finding> findings = own.take();
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
