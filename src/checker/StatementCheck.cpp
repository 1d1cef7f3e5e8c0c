// SPDX-License-Identifier: GPL-3.0-or-later
#include "checker/StatementCheck.h"

#include "app/NumericValue.h"

#include "app/AppFolder.h"
#include "app/TextFile.h"
#include "checker/ContentPaths.h"
#include "problems/GenerateProblem.h"

#include <QDir>
#include <QHash>
#include <QRegularExpression>

#include <algorithm>

namespace {

using Kind = TemplateReading::Kind;

// The word with its signs set apart from it: "¿FRUTA," gives "¿ FRUTA ,". An "=" stays with the
// name, since "¿ =FRUTA ?" repeats FRUTA where "¿= FRUTA ?" would draw it again.
QString apart(const QString& word, const QString& bare) {
    const qsizetype at = word.indexOf(bare);
    QString before = word.left(at);
    QString name = bare;
    if (before.endsWith(u'=')) {
        before.chop(1);
        name.prepend(u'=');
    }
    return (before + u' ' + name + u' ' + word.mid(at + bare.size())).trimmed();
}

// Capitals and nothing else that could be a Roman numeral (XII, CD, MMXXIV).
bool isRomanNumeral(const QString& word) {
    static const QRegularExpression roman(QStringLiteral("^[IVXLCDM]+$"));
    return roman.match(word).hasMatch();
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

// The word as the near-match compares it: capitals, no accents.
QString plainKey(const QString& word) {
    QString key;
    for (QChar c : word.normalized(QString::NormalizationForm_D)) {
        if (c.category() != QChar::Mark_NonSpacing)
            key += c.toUpper();
    }
    return key;
}

// The key, and the key without a plural's final s or es.
QStringList forms(const QString& key) {
    QStringList all{key};
    if (key.size() > 2 && key.endsWith(u'S'))
        all << key.chopped(1);
    if (key.size() > 3 && key.endsWith(u"ES"))
        all << key.chopped(2);
    return all;
}

// The data lists' names (file names without ".txt"), the site's and the shipped ones, each with
// its forms as the near-match compares them; read again when a folder changes.
struct ListName {
    QString name;
    QStringList forms;
};
const QList<ListName>& listNames() {
    static QStringList folders;
    static QList<std::optional<TextFileCache::Stamp>> stamps;
    static QList<ListName> names;
    const QStringList now = LookupFolders(u"\\datos");
    QList<std::optional<TextFileCache::Stamp>> nowStamps;
    for (const QString& folder : now)
        nowStamps << FileStamp(folder);
    if (now != folders || nowStamps != stamps) {
        folders = now;
        stamps = nowStamps;
        names.clear();
        for (const QString& folder : now) {
            for (const QString& file : QDir(folder).entryList({QStringLiteral("*.txt")}, QDir::Files))
                names.append({file.chopped(4), forms(plainKey(file.chopped(4)))});
        }
    }
    return names;
}

// A list of words, not numbers: no line starts with a digit.
bool isWordList(const QStringList& items) {
    return !items.isEmpty() && std::none_of(items.cbegin(), items.cend(), [](const QString& item) {
        const QString trimmed = item.trimmed();
        return !trimmed.isEmpty() && (trimmed[0].isDigit() || trimmed[0] == u'-' || trimmed[0] == u'+');
    });
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

// A word the teacher meant to be replaced: a list's name, or capitals naming one nearly.
bool meansPlaceholder(const QString& bare) {
    return !bare.isEmpty() &&
           (!DataListPath(bare).isEmpty() ||
            (looksLikePlaceholder(bare) && (bare.startsWith(u"NUMERO") || !NearListName(bare).isEmpty())));
}

// A character that is no space to the generator, inside a word: it keeps a placeholder from being
// replaced, or hides in an ordinary word. True when the word had one.
bool checkInvisible(const QString& word, FindingList& findings) {
    // Other control characters are the file's fault, which the text check reports.
    const auto invisible = [](QChar c) {
        const char16_t u = c.unicode();
        return !InvisibleName(c).isEmpty() && (u == u'\t' || !(u < 0x20 || (u >= 0x7F && u <= 0x9F)));
    };
    qsizetype at = -1;
    for (qsizetype c = 0; c < word.size() && at < 0; ++c) {
        if (invisible(word[c]))
            at = c;
    }
    if (at < 0)
        return false;
    const QString name = InvisibleName(word[at]);
    const bool spaceLike = word[at] == QChar(0x00A0) || word[at] == QChar(0x202F) ||
                           (word[at] >= QChar(0x2000) && word[at] <= QChar(0x200A)) ||
                           word[at] == QChar(0x3000);
    // The parts the teacher meant as words.
    QString placeholder;
    QString part;
    for (QChar c : word + u' ') {
        if (!invisible(c) && c != u' ') {
            part += c;
            continue;
        }
        const QString bare = WithoutSigns(part);
        if (placeholder.isEmpty() && !bare.isEmpty() && meansPlaceholder(bare))
            placeholder = bare;
        part.clear();
    }
    // A zero-width character splits no word: the teacher meant the word without it (a soft hyphen
    // inside FRUTA).
    if (placeholder.isEmpty() && !spaceLike) {
        QString joined = word;
        joined.removeIf(invisible);
        const QString bare = WithoutSigns(joined);
        if (meansPlaceholder(bare))
            placeholder = bare;
    }
    const QString where = at == 0 ? QStringLiteral("al principio de «%1»").arg(Shown(word))
                                  : QStringLiteral("tras «%1»").arg(Shown(word.left(at)));
    if (!placeholder.isEmpty()) {
        findings.add(Severity::Error, QStringLiteral("caracter-invisible"), 1, word,
                     spaceLike ? QStringLiteral("hay %1 %2: para el programa no separa palabras, así que %3 "
                                                "no se cambia y el alumno lo ve tal cual")
                                     .arg(name, where, placeholder)
                               : QStringLiteral("hay %1 %2: no se ve, pero la palabra ya no es %3, así que "
                                                "no se cambia y el alumno lo ve tal cual")
                                     .arg(name, where, placeholder),
                     spaceLike ? QStringLiteral("borre ese carácter y escriba un espacio normal (suele venir "
                                                "de copiar de un procesador de textos)")
                               : QStringLiteral("borre ese carácter (suele venir de copiar de un procesador "
                                                "de textos)"));
    } else if (!spaceLike) {
        findings.add(
            Severity::Warning, QStringLiteral("caracter-invisible"), 1, word,
            QStringLiteral("hay %1 %2: no se ve, pero la palabra ya no es la que parece").arg(name, where),
            QStringLiteral("borre ese carácter (suele venir de copiar de un procesador de textos)"));
    }
    return true;
}

void checkLiteral(const QString& word, FindingList& findings) {
    const QString bare = WithoutSigns(word);
    if (bare.isEmpty())
        return;
    // An ordinary word with its sign ("casa.") is shown as written, which is what was meant, even
    // when a list happens to bear its name; the placeholders are written in capitals.
    if (bare != word && looksLikePlaceholder(bare)) {
        const QString list = DataListPath(bare);
        if (!list.isEmpty()) {
            findings.add(
                Severity::Error, QStringLiteral("signo-pegado"), 1, word,
                QStringLiteral("el signo pegado impide el cambio: el alumno ve «%1» tal cual en vez de "
                               "un elemento de %2")
                    .arg(Shown(word), RelativeName(list)),
                QStringLiteral("separe el signo con un espacio: «%1»").arg(Shown(apart(word, bare))));
            return;
        }
    }
    if (!looksLikePlaceholder(bare))
        return;
    if (const QString near = NearListName(bare); !near.isEmpty()) {
        findings.add(
            Severity::Error, QStringLiteral("sin-lista"), 1, word,
            QStringLiteral("no hay lista datos/%1.txt, pero sí datos/%2.txt: el alumno ve «%3» tal cual")
                .arg(Shown(bare), near, Shown(word)),
            QStringLiteral("¿quería decir %1? Escríbalo exactamente así%2")
                .arg(near, bare != word ? QStringLiteral(", con los signos separados por un espacio: «%1»")
                                              .arg(Shown(apart(word, bare).replace(bare, near)))
                                        : QString()));
    } else if (bare.startsWith(u"NUMERO")) {
        findings.add(
            Severity::Error, QStringLiteral("sin-lista"), 1, word,
            QStringLiteral("parece un hueco pero no hay lista datos/%1.txt: el alumno ve «%2» tal cual")
                .arg(Shown(bare), Shown(word)),
            QStringLiteral("cree la lista datos/%1.txt o corrija el nombre").arg(Shown(bare)));
    } else if (bare.size() >= 4 && !isRomanNumeral(bare)) {
        // Short capitals are abbreviations (DVD, IVA, ONU) far more often than placeholders.
        findings.add(
            Severity::Warning, QStringLiteral("sin-lista"), 1, word,
            QStringLiteral("está en mayúsculas como un hueco, pero no hay lista datos/%1.txt: el "
                           "alumno ve «%2» tal cual")
                .arg(Shown(bare), Shown(word)),
            QStringLiteral("si es un hueco, cree la lista datos/%1.txt o corrija el nombre; si es una "
                           "palabra en mayúsculas, está bien así")
                .arg(Shown(bare)));
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
                     .arg(Shown(word.toUpper())));
}

// A back-reference that no word answers to: the generator shows it as written.
void checkNoReferent(qsizetype i, const TemplateReading& reading, FindingList& findings) {
    const QString& word = reading.words[i];
    const QString name = word.mid(1);
    const qsizetype kept = std::min<qsizetype>(reading.words.size(), MaxWords);
    const QString bare = WithoutSigns(name);
    QString fix;
    QString effect = QStringLiteral("ninguna palabra del enunciado se llama «%1»: el alumno ve «%2» tal cual")
                         .arg(Shown(name), Shown(word));
    for (qsizetype j = 0; j < kept && fix.isEmpty(); ++j) {
        const QString& other = reading.words[j];
        if (j == i || other.isEmpty() || other.startsWith(u'='))
            continue;
        if (bare != name && other == bare) {
            effect = QStringLiteral("el signo pegado es parte del nombre: ninguna palabra se llama «%1» y el "
                                    "alumno ve «%2» tal cual")
                         .arg(Shown(name), Shown(word));
            fix = QStringLiteral("separe el signo con un espacio: «%1»").arg(Shown(apart(word, bare)));
        } else if (NearlyEqual(other, bare)) {
            fix = QStringLiteral("escríbalo exactamente como la palabra: =%1").arg(Shown(other));
        }
    }
    if (fix.isEmpty()) {
        fix =
            QStringLiteral("ponga antes en el enunciado la palabra %1, o corrija el nombre").arg(Shown(name));
    }
    findings.add(Severity::Error, QStringLiteral("referencia-sin-referente"), 1, word, effect, fix);
}

void checkBackReference(qsizetype i, const TemplateReading& reading, FindingList& findings) {
    const QString& word = reading.words[i];
    const int referent = reading.kinds[size_t(i)].referent;
    if (word == u"=") {
        // A lone "=" stands as written, unless an empty word (two spaces) is there to answer to it.
        if (referent >= 0) {
            findings.add(Severity::Error, QStringLiteral("igual-desaparece"), 1, word,
                         QStringLiteral("el signo = repite la palabra vacía que deja un espacio de más "
                                        "(palabra %1): el alumno no ve el =")
                             .arg(referent + 1),
                         QStringLiteral("deje un solo espacio entre palabras y ninguno al principio ni al "
                                        "final"));
        }
        return;
    }
    if (referent < 0) {
        checkNoReferent(i, reading, findings);
    } else if (referent > i) {
        findings.add(
            Severity::Error, QStringLiteral("referencia-antes"), 1, word,
            QStringLiteral("va antes que la palabra a la que se refiere: muestra un texto vacío o el "
                           "de un sorteo anterior"),
            QStringLiteral("ponga %1 antes de %2 en el enunciado")
                .arg(Shown(reading.words[referent]), Shown(word)));
    } else if (reading.kinds[size_t(referent)].kind == Kind::BackReference) {
        findings.add(
            Severity::Error, QStringLiteral("referencia-a-referencia"), 1, word,
            QStringLiteral("se refiere a otra referencia, que no guarda nada: muestra un texto vacío"),
            QStringLiteral("refiérase a la palabra original, sin el signo ="));
    }
}

} // namespace

QString WithoutSigns(const QString& word) {
    qsizetype start = 0;
    qsizetype end = word.size();
    while (start < end && !word[start].isLetterOrNumber())
        ++start;
    while (end > start && !word[end - 1].isLetterOrNumber())
        --end;
    return word.mid(start, end - start);
}

bool NearlyEqual(const QString& a, const QString& b) {
    const QStringList fa = forms(plainKey(a));
    const QStringList fb = forms(plainKey(b));
    return std::any_of(fa.cbegin(), fa.cend(), [&](const QString& f) { return fb.contains(f); });
}

QString NearListName(const QString& word) {
    if (word.isEmpty())
        return QString();
    const QStringList mine = forms(plainKey(word));
    for (const ListName& list : listNames()) {
        if (list.name != word &&
            std::any_of(mine.cbegin(), mine.cend(), [&](const QString& f) { return list.forms.contains(f); }))
            return list.name;
    }
    return QString();
}

void CheckStatement(const TemplateReading& reading, FindingList& findings) {
    const QStringList& words = reading.words;
    if (words.size() == 1 && words[0].isEmpty()) {
        findings.add(Severity::Error, QStringLiteral("enunciado-vacio"), 1, QString(),
                     QStringLiteral("el enunciado está vacío: el alumno no ve ningún problema"),
                     QStringLiteral("escriba el enunciado en la línea 1"));
        return;
    }
    QHash<QString, qsizetype> firstDraw; // word lists: the word that first drew from each
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString& word = words[i];
        const TemplateReading::Word& kind = reading.kinds[size_t(i)];
        if (word.isEmpty()) {
            checkEmptyWord(i, words.size(), findings);
            continue;
        }
        if (kind.kind != Kind::DataList && checkInvisible(word, findings))
            continue;
        switch (kind.kind) {
        case Kind::DataList:
            checkListWord(word, kind, findings);
            // An ordinary word that a list replaces is told once, by checkListWord.
            if (word == word.toUpper() && isWordList(kind.items) && kind.items.size() > 1) {
                const auto first = firstDraw.constFind(kind.listPath);
                if (first == firstDraw.cend()) {
                    firstDraw.insert(kind.listPath, i);
                } else {
                    findings.add(Severity::Warning, QStringLiteral("lista-dos-veces"), 1, word,
                                 QStringLiteral("%1 sale dos veces (palabras %2 y %3) y cada vez se sortea "
                                                "aparte: el alumno puede ver dos elementos distintos de %4")
                                     .arg(Shown(word))
                                     .arg(*first + 1)
                                     .arg(i + 1)
                                     .arg(RelativeName(kind.listPath)),
                                 QStringLiteral("si es el mismo, escriba la segunda vez =%1 para repetirlo")
                                     .arg(Shown(words[*first])));
                }
            }
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
                .arg(SpanishNumber(double(words.size())))
                .arg(MaxWords + 1),
            QStringLiteral("acorte el enunciado a %1 palabras como mucho").arg(MaxWords));
    }
}
