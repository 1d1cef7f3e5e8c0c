// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "checker/Finding.h"

#include <QString>

struct TemplateReading;

// Line 1 of a template, word by word, as the generator reads it: placeholders that name no list
// (also with a sign stuck to them or an invisible character inside), back-references without a
// referent or before it, a list of words drawn twice, ordinary words that name a list, empty words,
// more words than can be referred to.
void CheckStatement(const TemplateReading& reading, FindingList& findings);

// The name of an existing data list that `word` differs from only by accents, letter case or a
// final s ("ESTACION" for "ESTACIÓN.txt", "FRUTAS" for "FRUTA.txt"); empty when there is none, or
// when the word names that list exactly.
QString NearListName(const QString& word);

// A word without the signs stuck to it: "¿FRUTA," gives "FRUTA".
QString WithoutSigns(const QString& word);

// Two words equal but for accents, letter case and a final s.
bool NearlyEqual(const QString& a, const QString& b);
