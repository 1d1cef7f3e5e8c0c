// SPDX-License-Identifier: GPL-3.0-or-later
#include "checker/GroupCheck.h"

#include "app/NumericValue.h"

#include "app/AppFolder.h"
#include "app/TextFile.h"
#include "checker/ContentPaths.h"
#include "checker/LanguageCheck.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>

#include <map>

#ifdef Q_OS_UNIX
#include <dirent.h>
#include <sys/stat.h>
#endif

namespace {

// The template number a file name stands for ("7.txt", any letter case), or 0 for none.
int templateNumber(const QString& name) {
    static const QRegularExpression pattern(QStringLiteral("^([1-9][0-9]{0,4})\\.txt$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(name);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

// The number a stray file was probably meant to have: "9.txt.txt", "22 .txt", "01.txt" give 9, 22
// and 1; 0 for none.
int meantNumber(const QString& name) {
    static const QRegularExpression pattern(QStringLiteral("^\\s*0*([1-9][0-9]{0,4})\\s*(\\.\\s*txt\\s*)+$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(name);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

void addStray(FindingList& findings, const QString& name, const QString& effect, const QString& fix) {
    findings.add(Severity::Error, QStringLiteral("fichero-extra"), 0, name,
                 QStringLiteral("no es una plantilla n.txt, pero las flechas lo cuentan: %1").arg(effect),
                 fix);
}

void checkNumbering(const QString& folder, const QStringList& files, GroupLayout& layout,
                    FindingList& findings) {
    // The arrows wrap after the number of ordinary files in the folder, whatever their names.
    const int count = int(files.size());
    std::map<int, QString> numbered;
    QStringList strays;
    for (const QString& name : files) {
        const int number = templateNumber(name);
        if (number == 0) {
            strays << name;
            continue;
        }
        numbered.emplace(number, folder + u'/' + name);
        if (number > count) {
            findings.add(
                Severity::Error, QStringLiteral("numero-inalcanzable"), 0, name,
                QStringLiteral("la carpeta tiene %1 ficheros y las flechas vuelven a 1 después del %1: "
                               "esta plantilla nunca se muestra")
                    .arg(SpanishNumber(count)),
                QStringLiteral("numere las plantillas seguidas desde 1.txt"));
        }
    }
    QList<int> missing;
    for (int n = 1; n <= count; ++n) {
        if (!IsOrdinaryFile(ResolvePath(folder, QStringLiteral("\\%1.txt").arg(n))))
            missing << n;
    }
    // A stray file that was meant as a missing number is the cause of that gap.
    QStringList unpaired;
    for (const QString& name : std::as_const(strays)) {
        const int meant = meantNumber(name);
        if (meant > 0 && missing.removeOne(meant)) {
            addStray(
                findings, name,
                QStringLiteral("en el %1 el alumno ve un problema vacío, porque falta %1.txt").arg(meant),
                QStringLiteral("renómbrelo a %1.txt").arg(meant));
        } else {
            unpaired << name;
        }
    }
    // The remaining strays make the arrows count past the last template: the highest gaps are theirs.
    const qsizetype theirs = std::min(unpaired.size(), missing.size());
    const QList<int> strayGaps = missing.mid(missing.size() - theirs);
    missing.resize(missing.size() - theirs);
    for (qsizetype i = 0; i < unpaired.size(); ++i) {
        const int meant = meantNumber(unpaired[i]);
        const QString effect =
            i < strayGaps.size()
                ? QStringLiteral("el alumno llega a un problema vacío (el %1)").arg(strayGaps[i])
                : QStringLiteral("el alumno llega a un problema vacío (o no llega a alguno)");
        const bool taken =
            meant > 0 && IsOrdinaryFile(ResolvePath(folder, QStringLiteral("\\%1.txt").arg(meant)));
        addStray(
            findings, unpaired[i], effect,
            meant == 0 ? QStringLiteral("saque este fichero de la carpeta del grupo")
            : taken
                ? QStringLiteral("ya hay un %1.txt: saque este fichero de la carpeta del grupo").arg(meant)
                : QStringLiteral("renómbrelo a %1.txt").arg(meant));
    }
    for (int n : std::as_const(missing)) {
        findings.add(
            Severity::Error, QStringLiteral("falta-numero"), 0, QStringLiteral("%1.txt").arg(n),
            QStringLiteral("falta %1.txt: al llegar a él con las flechas el alumno ve un problema vacío")
                .arg(n),
            QStringLiteral("numere las plantillas seguidas desde 1.txt, sin huecos"));
    }
    for (const auto& [number, path] : numbered)
        layout.templates << path;
}

#ifdef Q_OS_UNIX
bool validName(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = decoder(bytes);
    return !decoder.hasError();
}

// The name as a shell writes it byte by byte: $'\xD1and\xFA'.
QString shellBytes(const QByteArray& bytes) {
    QString quoted = QStringLiteral("$'");
    for (const char byte : bytes) {
        const auto u = uchar(byte);
        if (u >= 0x80 || u < 0x20 || byte == '\'' || byte == '\\')
            quoted += QStringLiteral("\\x") + QString::number(u, 16).toUpper().rightJustified(2, u'0');
        else
            quoted += QLatin1Char(byte);
    }
    return quoted + u'\'';
}
#endif

} // namespace

bool ReportUnreadableFolder(const QString& folder, const QString& effect, FindingList& findings) {
    const QFileInfo info(folder);
    if (!info.isDir() || (info.isReadable() && info.isExecutable()))
        return false;
    findings.add(Severity::Error, QStringLiteral("carpeta-ilegible"), 0, info.fileName(),
                 QStringLiteral("no se puede leer la carpeta (permisos): %1").arg(effect),
                 QStringLiteral("dé permiso de lectura a la carpeta para todos los usuarios (chmod a+rx)"));
    return true;
}

int ReportUndecodableNames(const QString& folder, const QString& lost, FindingList& findings) {
    int count = 0;
#ifdef Q_OS_UNIX
    const QByteArray encoded = QFile::encodeName(folder);
    DIR* dir = ::opendir(encoded.constData());
    if (!dir)
        return 0;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray bytes(entry->d_name);
        if (validName(bytes))
            continue;
        struct stat status {};
        const bool isFolder =
            ::stat((encoded + '/' + bytes).constData(), &status) == 0 && S_ISDIR(status.st_mode);
        const QString meant = DecodeText(bytes); // Windows-1252, as it was written
        ++count;
        findings.add(
            Severity::Error, QStringLiteral("nombre-ilegible"), 0, meant,
            QStringLiteral("el nombre de %1 no está en UTF-8, la codificación de este sistema (viene "
                           "de Windows, por ejemplo de descomprimir un ZIP): ni KOTIRA ni esta "
                           "revisión %2, y %3")
                .arg(isFolder ? QStringLiteral("esta carpeta") : QStringLiteral("este fichero"),
                     isFolder ? QStringLiteral("la ven") : QStringLiteral("lo ven"), lost),
            QStringLiteral("%1 «%2» desde el gestor de archivos, o en una terminal, en %3: mv %4 "
                           "'%2' (convmv -f cp1252 -t utf8 -r --notest renombra todo de una vez)")
                .arg(isFolder ? QStringLiteral("renómbrela a") : QStringLiteral("renómbrelo a"), meant,
                     RelativeName(folder), shellBytes(bytes)));
    }
    ::closedir(dir);
#else
    Q_UNUSED(folder);
    Q_UNUSED(lost);
    Q_UNUSED(findings);
#endif
    return count;
}

GroupLayout CheckGroup(const QString& folder, const CaptionMeter* meter) {
    GroupLayout layout;
    layout.report.name = QFileInfo(folder).fileName();
    layout.report.folder = RelativeName(folder);
    FindingList findings(layout.report.folder);

    if (meter) {
        if (const QString shown = meter->groupNameShown(layout.report.name); shown != layout.report.name) {
            findings.add(
                Severity::Warning, QStringLiteral("nombre-de-grupo-largo"), 0, layout.report.name,
                QStringLiteral("el nombre no cabe en la lista de grupos: el alumno lee «%1»").arg(shown),
                QStringLiteral("acorte el nombre de la carpeta a unos %1 caracteres")
                    .arg(std::max<qsizetype>(shown.size() - 1, 1)));
        }
    }
    if (ReportUnreadableFolder(
            folder, QStringLiteral("el alumno puede elegir el grupo, pero solo ve problemas vacíos"),
            findings)) {
        layout.report.findings = findings.take();
        return layout;
    }
    ReportUndecodableNames(folder, QStringLiteral("esa plantilla no se muestra"), findings);
    const QStringList files = QDir(folder).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    if (files.isEmpty()) {
        findings.add(
            Severity::Error, QStringLiteral("grupo-vacio"), 0, layout.report.name,
            QStringLiteral("el grupo no tiene plantillas: el alumno lo puede elegir y solo ve problemas "
                           "vacíos"),
            QStringLiteral("añada 1.txt, 2.txt... o borre la carpeta"));
    }
    checkNumbering(folder, files, layout, findings);
    layout.report.findings = findings.take();
    return layout;
}

QList<GroupLayout> CheckGroups(QList<Finding>& findings, const CaptionMeter* meter) {
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
    if (ReportUnreadableFolder(problems, QStringLiteral("la lista de grupos sale vacía"), own)) {
        findings += own.take();
        return groups;
    }
    const int unseen =
        ReportUndecodableNames(problems, QStringLiteral("ese grupo no sale en la lista de grupos"), own);
    // As the group window lists them: sub-folders sorted by name, hidden ones left out.
    const QStringList names =
        QDir(problems).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : names)
        groups << CheckGroup(problems + u'/' + name, meter);
    if (groups.isEmpty() && unseen == 0) {
        own.add(
            Severity::Error, QStringLiteral("sin-grupos"), 0, QStringLiteral("Problemas"),
            QStringLiteral("la carpeta Problemas no tiene grupos: la lista de grupos sale vacía"),
            QStringLiteral("cree dentro una carpeta por grupo (1 Sumas, 2 Restas...) con sus plantillas"));
    }
    findings += own.take();
    return groups;
}
