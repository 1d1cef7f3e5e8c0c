// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "checker/Finding.h"

#include <QStringList>

// Characters that no text editor writes on purpose: control characters other than the tab, and
// what the undefined Windows-1252 bytes or a broken UTF-8 sequence decode to. They come from a
// file that is not text (a word-processor document, a picture) or was saved in another code page.
// When `path` names the file and its first bytes show a known format (UTF-16, a ZIP document such
// as .docx or .odt, PDF, RTF, an old Word .doc), the file gets one finding that names the format
// and how to save it as text, and the result is true: the caller reads no further, since every
// line of such a file is wrong in the same way.
bool CheckTextCharacters(const QStringList& lines, FindingList& findings, const QString& path = QString());
