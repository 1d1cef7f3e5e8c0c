// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// What the voice says for a problem: the statement as the pupil sees it, then, for a choice
// problem, its choices ("Las opciones son: ..."), prepared for the ear. Digit groups are joined
// ("1 049 173" and "1.049.173" are one number), a decimal comma is read "coma", signs that a
// voice reads badly or not at all are said in words (€, %, 1º, +, =) or dropped (quotes,
// brackets, asterisks). Nothing else changes. Empty choices are left out.
QString SpokenProblem(const QString& statement, const QStringList& choices);
