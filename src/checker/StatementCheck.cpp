// SPDX-License-Identifier: GPL-3.0-or-later
#include "checker/StatementCheck.h"

#include "checker/ContentPaths.h"
#include "problems/GenerateProblem.h"

#include <algorithm>

namespace {

using Kind = TemplateReading::Kind;

// A word without the signs stuck to it: "¿FRUTA," gives "FRUTA".
QString withoutSigns(const QString& word) {
    qsizetype start = 0;
    qsizetype end = word.size();
    while (start < end && !word[start].isLetterOrNumber())
        ++start;
    while (end > start && !word[end - 1].isLetterOrNumber())
        --end;
    return word.mid(start, end - start);
}

// The word with its signs set apart from it: "¿FRUTA," gives "¿ FRUTA ,".
QString apart(const QString& word, const QString& bare) {
    const qsizetype at = word.indexOf(bare);
    return (word.left(at) + u' ' + bare + u' ' + word.mid(at + bare.size())).trimmed();
}

// Written like the placeholders: in capitals (two letters or more), or starting with NUMERO.
bool looksLikePlaceholder(const QString& word) {
    if (word.startsWith(u"NUMERO"))
        return true;
    int letters = 0;
    for (QChar c : word) {
        if (c.isLower())
            return false;
        letters += c.isLetter() ? 1 : 0;
    }
    return letters >= 2;
}

void checkEmptyWord(qsizetype i, qsizetype count, FindingList& findings) {
    const QString where = i == 0 ? QStringLiteral("un espacio al principio de la línea")
                          : i == count - 1
                              ? QStringLiteral("un espacio al final de la línea")
                              : QStringLiteral("dos espacios seguidos (tras la palabra %1)").arg(i);
    findings.add(
        Severity::Warning, QStringLiteral("palabra-vacia"), 1, QString(),
        QStringLiteral("hay %1: cuenta como una palabra vacía y el alumno ve un espacio de más").arg(where),
        QStringLiteral("deje un solo espacio entre palabras y ninguno al principio ni al final"));
}

void checkLiteral(const QString& word, FindingList& findings) {
    const QString bare = withoutSigns(word);
    if (bare.isEmpty())
        return;
    if (bare != word) {
        const QString list = DataListPath(bare);
        if (!list.isEmpty()) {
            findings.add(
                Severity::Error, QStringLiteral("signo-pegado"), 1, word,
                QStringLiteral("el signo pegado impide el cambio: el alumno ve «%1» tal cual en vez de "
                               "un elemento de %2")
                    .arg(word, RelativeName(list)),
                QStringLiteral("separe el signo con un espacio: «%1»").arg(apart(word, bare)));
            return;
        }
    }
    if (looksLikePlaceholder(bare)) {
        findings.add(
            Severity::Error, QStringLiteral("sin-lista"), 1, word,
            QStringLiteral("parece un hueco pero no hay lista datos/%1.txt: el alumno ve «%2» tal cual")
                .arg(bare, word),
            QStringLiteral("cree la lista datos/%1.txt o corrija el nombre (y separe los signos "
                           "con un espacio)")
                .arg(bare));
    }
}

void checkListWord(const QString& word, const TemplateReading::Word& kind, FindingList& findings) {
    if (word == word.toUpper())
        return;
    findings.add(Severity::Warning, QStringLiteral("palabra-con-lista"), 1, word,
                 QStringLiteral("esta palabra normal se cambia por un elemento de %1 (no importan las "
                                "mayúsculas)")
                     .arg(RelativeName(kind.listPath)),
                 QStringLiteral("si es un hueco, escríbalo en mayúsculas (%1); si no, cambie la palabra o "
                                "renombre la lista")
                     .arg(word.toUpper()));
}

void checkBackReference(qsizetype i, const TemplateReading& reading, FindingList& findings) {
    const QString& word = reading.words[i];
    const int referent = reading.kinds[size_t(i)].referent;
    if (referent < 0) {
        const QString name = word.mid(1);
        // The generator looks only at the first MaxWords words, letter case counting.
        qsizetype other = -1;
        for (qsizetype j = 0; j < std::min<qsizetype>(reading.words.size(), MaxWords) && other < 0; ++j) {
            if (reading.words[j].compare(name, Qt::CaseInsensitive) == 0)
                other = j;
        }
        const QString fix =
            other >= 0
                ? QStringLiteral("escríbalo exactamente como la palabra: =%1").arg(reading.words[other])
                : QStringLiteral("ponga antes en el enunciado la palabra %1, o corrija el nombre").arg(name);
        findings.add(Severity::Error, QStringLiteral("referencia-sin-referente"), 1, word,
                     QStringLiteral("ninguna palabra del enunciado se llama «%1»: el alumno ve «%2» tal cual")
                         .arg(name, word),
                     fix);
    } else if (referent > i) {
        findings.add(
            Severity::Error, QStringLiteral("referencia-antes"), 1, word,
            QStringLiteral("va antes que la palabra a la que se refiere: muestra un texto vacío o el "
                           "de un sorteo anterior"),
            QStringLiteral("ponga %1 antes de %2 en el enunciado").arg(reading.words[referent], word));
    } else if (reading.kinds[size_t(referent)].kind == Kind::BackReference) {
        findings.add(
            Severity::Error, QStringLiteral("referencia-a-referencia"), 1, word,
            QStringLiteral("se refiere a otra referencia, que no guarda nada: muestra un texto vacío"),
            QStringLiteral("refiérase a la palabra original, sin el signo ="));
    }
}

} // namespace

void CheckStatement(const TemplateReading& reading, FindingList& findings) {
    const QStringList& words = reading.words;
    if (words.size() == 1 && words[0].isEmpty()) {
        findings.add(Severity::Error, QStringLiteral("enunciado-vacio"), 1, QString(),
                     QStringLiteral("el enunciado está vacío: el alumno no ve ningún problema"),
                     QStringLiteral("escriba el enunciado en la línea 1"));
        return;
    }
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString& word = words[i];
        const TemplateReading::Word& kind = reading.kinds[size_t(i)];
        if (word.isEmpty()) {
            checkEmptyWord(i, words.size(), findings);
            continue;
        }
        switch (kind.kind) {
        case Kind::DataList:
            checkListWord(word, kind, findings);
            break;
        case Kind::BackReference:
            checkBackReference(i, reading, findings);
            break;
        case Kind::Literal:
            checkLiteral(word, findings);
            break;
        }
    }
    if (words.size() > MaxWords) {
        findings.add(
            Severity::Warning, QStringLiteral("demasiadas-palabras"), 1, words[MaxWords],
            QStringLiteral("el enunciado tiene %1 palabras: desde la %2 se muestran, pero no pueden ser "
                           "operandos ni repetirse con =")
                .arg(words.size())
                .arg(MaxWords + 1),
            QStringLiteral("acorte el enunciado a %1 palabras como mucho").arg(MaxWords));
    }
}
