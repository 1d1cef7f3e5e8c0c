// SPDX-License-Identifier: GPL-3.0-or-later
#include "checker/ChoiceCheck.h"

#include "exercise/Verdict.h"

void CheckChoices(const QStringList& lines, FindingList& findings) {
    const QStringList choices = lines.mid(3);
    if (choices.isEmpty()) {
        findings.add(
            Severity::Error, QStringLiteral("sin-opciones"), 4, QString(),
            QStringLiteral("no hay opciones: la lista del alumno sale vacía y nunca puede acertar"),
            QStringLiteral("escriba una opción por línea a partir de la línea 4 (la línea 3 no se lee)"));
        return;
    }
    QList<int> marked;
    for (qsizetype i = 0; i < choices.size(); ++i) {
        const int line = int(i + 4);
        if (choices[i].trimmed().isEmpty()) {
            findings.add(Severity::Error, QStringLiteral("opcion-vacia"), line, choices[i],
                         QStringLiteral("la línea está en blanco: el alumno ve una opción vacía%1")
                             .arg(IsRightChoice(choices[i])
                                      ? QStringLiteral(", y es la que cuenta como correcta")
                                      : QString()),
                         QStringLiteral("borre la línea (también las líneas en blanco del final)"));
        }
        if (IsRightChoice(choices[i]))
            marked << line;
    }
    if (marked.isEmpty()) {
        findings.add(
            Severity::Error, QStringLiteral("ninguna-marcada"), 4, QString(),
            QStringLiteral("ninguna opción termina en un espacio: ninguna respuesta se da por buena"),
            QStringLiteral("añada un espacio al final de la opción correcta, solo de esa"));
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
