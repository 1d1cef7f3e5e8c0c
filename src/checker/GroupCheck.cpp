// SPDX-License-Identifier: GPL-3.0-or-later
#include "checker/GroupCheck.h"

#include "app/AppFolder.h"
#include "checker/ContentPaths.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <map>

namespace {

// The template number a file name stands for ("7.txt", any letter case), or 0 for none.
int templateNumber(const QString& name) {
    static const QRegularExpression pattern(QStringLiteral("^([1-9][0-9]{0,4})\\.txt$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(name);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

GroupLayout checkGroup(const QString& folder) {
    GroupLayout layout;
    layout.report.name = QFileInfo(folder).fileName();
    layout.report.folder = RelativeName(folder);
    FindingList findings(layout.report.folder);

    // The arrows wrap after the number of ordinary files in the folder, whatever their names.
    const QStringList files = QDir(folder).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    const int count = int(files.size());
    if (count == 0) {
        findings.add(
            Severity::Error, QStringLiteral("grupo-vacio"), 0, layout.report.name,
            QStringLiteral("el grupo no tiene plantillas: el alumno lo puede elegir y solo ve problemas "
                           "vacíos"),
            QStringLiteral("añada 1.txt, 2.txt... o borre la carpeta"));
    }
    std::map<int, QString> numbered;
    for (const QString& name : files) {
        const int number = templateNumber(name);
        if (number == 0) {
            findings.add(
                Severity::Error, QStringLiteral("fichero-extra"), 0, name,
                QStringLiteral("no es una plantilla n.txt, pero las flechas lo cuentan: el alumno llega a "
                               "un problema vacío (o no llega a alguno)"),
                QStringLiteral("saque este fichero de la carpeta del grupo, o renómbrelo al número que "
                               "falta"));
            continue;
        }
        numbered.emplace(number, folder + u'/' + name);
        if (number > count) {
            findings.add(
                Severity::Error, QStringLiteral("numero-inalcanzable"), 0, name,
                QStringLiteral("la carpeta tiene %1 ficheros y las flechas vuelven a 1 después del %1: "
                               "esta plantilla nunca se muestra")
                    .arg(count),
                QStringLiteral("numere las plantillas seguidas desde 1.txt"));
        }
    }
    for (int n = 1; n <= count; ++n) {
        if (IsOrdinaryFile(ResolvePath(folder, QStringLiteral("\\%1.txt").arg(n))))
            continue;
        findings.add(
            Severity::Error, QStringLiteral("falta-numero"), 0, QStringLiteral("%1.txt").arg(n),
            QStringLiteral("falta %1.txt: al llegar a él con las flechas el alumno ve un problema vacío")
                .arg(n),
            QStringLiteral("numere las plantillas seguidas desde 1.txt, sin huecos"));
    }
    for (const auto& [number, path] : numbered)
        layout.templates << path;
    layout.report.findings = findings.take();
    return layout;
}

} // namespace

QList<GroupLayout> CheckGroups(QList<Finding>& findings) {
    QList<GroupLayout> groups;
    const QString problems = AppPath(u"\\Problemas");
    FindingList own(RelativeName(problems));
    if (!QFileInfo(problems).isDir()) {
        own.add(Severity::Error, QStringLiteral("sin-problemas"), 0, QStringLiteral("Problemas"),
                QStringLiteral("no hay carpeta Problemas: la lista de grupos sale vacía"),
                QStringLiteral("cree la carpeta Problemas con una carpeta por grupo"));
        findings += own.take();
        return groups;
    }
    // As the group window lists them: sub-folders sorted by name, hidden ones left out.
    const QStringList names =
        QDir(problems).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : names)
        groups << checkGroup(problems + u'/' + name);
    if (groups.isEmpty()) {
        own.add(
            Severity::Error, QStringLiteral("sin-grupos"), 0, QStringLiteral("Problemas"),
            QStringLiteral("la carpeta Problemas no tiene grupos: la lista de grupos sale vacía"),
            QStringLiteral("cree dentro una carpeta por grupo (1 Sumas, 2 Restas...) con sus plantillas"));
    }
    findings += own.take();
    return groups;
}
