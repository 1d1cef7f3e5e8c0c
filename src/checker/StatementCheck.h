// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "checker/Finding.h"

struct TemplateReading;

// Line 1 of a template, word by word, as the generator reads it: placeholders that name no list
// (also with a sign stuck to them), back-references without a referent or before it, ordinary
// words that name a list, empty words, more words than can be referred to.
void CheckStatement(const TemplateReading& reading, FindingList& findings);
