// SPDX-License-Identifier: GPL-3.0-or-later
#include "checker/Finding.h"

#include "app/NumericValue.h"

QString SeverityWord(Severity severity) {
    return severity == Severity::Error ? QStringLiteral("ERROR") : QStringLiteral("AVISO");
}

void FindingList::add(Severity severity, const QString& code, int line, const QString& token,
                      const QString& effect, const QString& fix) {
    add(Finding{severity, code, file_, line, token, effect, fix});
}

QString CodePoint(QChar c) {
    return QStringLiteral("U+") + QString::number(c.unicode(), 16).toUpper().rightJustified(4, u'0');
}

QString InvisibleName(QChar c) {
    const char16_t u = c.unicode();
    const auto named = [c](const char* name) {
        return QStringLiteral("%1 (%2)").arg(QString::fromUtf8(name), CodePoint(c));
    };
    switch (u) {
    case 0x0009:
        return named("un tabulador");
    case 0x00A0:
        return named("un espacio de no separación");
    case 0x202F:
        return named("un espacio fino de no separación");
    case 0x00AD:
        return named("un guion invisible");
    case 0x200B:
        return named("un espacio de ancho cero");
    case 0x200C:
    case 0x200D:
    case 0x2060:
        return named("un carácter de unión invisible");
    case 0xFEFF:
        return named("una marca de orden de bytes");
    default:
        if ((u >= 0x2000 && u <= 0x200A) || u == 0x3000)
            return named("un espacio tipográfico");
        if (u < 0x20 || (u >= 0x7F && u <= 0x9F) || (u >= 0x200E && u <= 0x200F) ||
            (u >= 0x202A && u <= 0x202E))
            return named("un carácter de control");
        return QString();
    }
}

QString Shown(const QString& text, qsizetype longest) {
    QString shown;
    qsizetype kept = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (kept >= longest) {
            shown += u'…';
            break;
        }
        const QChar c = text[i];
        if (c != u' ' && !InvisibleName(c).isEmpty())
            shown += u'<' + CodePoint(c) + u'>';
        else
            shown += c;
        ++kept;
    }
    return shown;
}

namespace {

// Effects and fixes keep their no-break spaces (numbers are grouped with them); only control
// characters are written out.
QString withoutControls(QString text) {
    for (qsizetype i = text.size() - 1; i >= 0; --i) {
        const char16_t u = text[i].unicode();
        if (u < 0x20 || (u >= 0x7F && u <= 0x9F))
            text.replace(i, 1, u'<' + CodePoint(text[i]) + u'>');
    }
    return text;
}

} // namespace

void FindingList::add(Finding finding) {
    // No control character reaches a report raw; quoted words were shortened where they were put in.
    finding.token = Shown(finding.token);
    finding.effect = withoutControls(finding.effect);
    finding.fix = withoutControls(finding.fix);
    int kept = 0;
    for (const Finding& f : findings_)
        kept += f.code == finding.code ? 1 : 0;
    if (kept < MaxFindingsOfAKind) {
        findings_.append(std::move(finding));
        return;
    }
    for (auto& [code, count] : dropped_) {
        if (code == finding.code) {
            ++count;
            return;
        }
    }
    dropped_.append({finding.code, 1});
}

QList<Finding> FindingList::take() {
    for (const auto& [code, count] : dropped_) {
        Severity severity = Severity::Warning;
        for (const Finding& f : findings_) {
            if (f.code == code)
                severity = f.severity;
        }
        findings_.append(
            Finding{severity, code, file_, 0, QString(),
                    QStringLiteral("y %1 más del mismo tipo en este fichero").arg(SpanishNumber(count)),
                    QStringLiteral("corrija los de arriba y vuelva a revisar"), count});
    }
    dropped_.clear();
    return std::exchange(findings_, {});
}
