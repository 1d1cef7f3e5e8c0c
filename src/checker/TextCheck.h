// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "checker/Finding.h"

#include <QStringList>

// Characters that no text editor writes on purpose: control characters other than the tab, and
// what the undefined Windows-1252 bytes or a broken UTF-8 sequence decode to. They come from a
// file that is not text (a word-processor document, a picture) or was saved in another code page.
void CheckTextCharacters(const QStringList& lines, FindingList& findings);
