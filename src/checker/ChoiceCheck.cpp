// SPDX-License-Identifier: GPL-3.0-or-later
#include "checker/ChoiceCheck.h"

#include "checker/StatementCheck.h"
#include "exercise/Verdict.h"
#include "problems/GenerateProblem.h"

namespace {

// The first word of a choice that the teacher wrote as a placeholder: choices are shown as written,
// so it reaches the pupil unchanged.
QString placeholderIn(const QString& choice) {
    for (const QString& word : choice.split(u' ', Qt::SkipEmptyParts)) {
        const QString bare = WithoutSigns(word);
        const bool capitals = bare.size() >= 2 && bare == bare.toUpper() && bare[0].isLetter();
        if (capitals &&
            (bare.startsWith(u"NUMERO") || word.startsWith(u'=') || !DataListPath(bare).isEmpty()))
            return word;
    }
    return QString();
}

// Line 3 is never shown; a line there that reads like a choice, not like a note, is a lost choice.
bool readsLikeChoice(const QString& line) {
    const QString text = line.trimmed();
    return !text.isEmpty() && !text.startsWith(u'(') && !text.endsWith(u'.') && !text.endsWith(u':') &&
           !text.endsWith(u')') && !text.endsWith(u'?');
}

} // namespace

void CheckChoices(const QStringList& lines, FindingList& findings) {
    const QString line3 = lines.value(2);
    const bool lostChoice = IsRightChoice(line3) || readsLikeChoice(line3);
    if (lostChoice) {
        findings.add(
            Severity::Warning, QStringLiteral("opcion-en-linea-3"), 3, line3,
            QStringLiteral("la línea 3 no se muestra nunca: la opción «%1» se pierde").arg(Shown(line3)),
            QStringLiteral("deje la línea 3 en blanco (o para una nota) y escriba las opciones desde la "
                           "línea 4"));
    }
    const QStringList choices = lines.mid(3);
    if (choices.isEmpty()) {
        findings.add(
            Severity::Error, QStringLiteral("sin-opciones"), 4, QString(),
            QStringLiteral("no hay opciones: la lista del alumno sale vacía y nunca puede acertar"),
            QStringLiteral("escriba una opción por línea a partir de la línea 4 (la línea 3 no se lee)"));
        return;
    }
    QList<int> marked;
    int otherBlank = 0; // the first choice that ends in a tab or another blank that is no space
    for (qsizetype i = 0; i < choices.size(); ++i) {
        const int line = int(i + 4);
        const QString& choice = choices[i];
        if (choice.trimmed().isEmpty()) {
            findings.add(Severity::Error, QStringLiteral("opcion-vacia"), line, choice,
                         QStringLiteral("la línea está en blanco: el alumno ve una opción vacía%1")
                             .arg(IsRightChoice(choice) ? QStringLiteral(", y es la que cuenta como correcta")
                                                        : QString()),
                         QStringLiteral("borre la línea (también las líneas en blanco del final)"));
        } else if (const QString word = placeholderIn(choice); !word.isEmpty()) {
            findings.add(
                Severity::Warning, QStringLiteral("hueco-en-opcion"), line, word,
                QStringLiteral("las opciones se muestran tal cual, sin cambiar nada: el alumno ve «%1»")
                    .arg(Shown(word)),
                QStringLiteral("escriba la opción con palabras fijas; solo el enunciado (línea 1) "
                               "cambia sus huecos"));
        }
        if (IsRightChoice(choice))
            marked << line;
        else if (otherBlank == 0 && !choice.isEmpty() && choice.back().isSpace())
            otherBlank = line;
    }
    if (marked.isEmpty()) {
        QString effect =
            QStringLiteral("ninguna opción termina en un espacio: ninguna respuesta se da por buena");
        QString fix = QStringLiteral("añada un espacio al final de la opción correcta, solo de esa");
        int line = 4;
        QString token;
        if (otherBlank > 0) {
            line = otherBlank;
            token = choices[otherBlank - 4];
            const QString blank = choices[otherBlank - 4].back() == u'\t' ? QStringLiteral("un tabulador")
                                                                          : InvisibleName(token.back());
            effect = QStringLiteral("la opción de la línea %1 termina en %2, no en un espacio: ninguna "
                                    "respuesta se da por buena")
                         .arg(line)
                         .arg(blank);
            fix = QStringLiteral("cambie ese final por un espacio normal");
        } else if (IsRightChoice(line3)) {
            line = 3;
            token = line3;
            effect = QStringLiteral("la opción marcada («%1») está en la línea 3, que no se muestra: ninguna "
                                    "respuesta se da por buena")
                         .arg(Shown(line3.trimmed()));
            fix = QStringLiteral("escriba las opciones desde la línea 4 y deje la línea 3 en blanco");
        }
        findings.add(Severity::Error, QStringLiteral("ninguna-marcada"), line, token, effect, fix);
    } else if (marked.size() > 1) {
        QStringList where;
        for (int line : marked)
            where << QString::number(line);
        findings.add(Severity::Error, QStringLiteral("varias-marcadas"), marked[1], choices[marked[1] - 4],
                     QStringLiteral("%1 opciones terminan en un espacio (líneas %2): todas se dan por buenas")
                         .arg(marked.size())
                         .arg(where.join(QStringLiteral(", "))),
                     QStringLiteral("quite el espacio del final de las opciones que no son correctas"));
    }
}
