// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "checker/ContentReport.h"

// The report as one self-contained web page, readable on a phone and needing no script: the
// summary first, with a link to each group and file with findings; then those in full, findings
// coloured by severity and samples in tables; clean groups folded. `everything` (--todo) adds the
// clean templates and groups in full. `guide`, when not empty, is the teachers' guide page the
// report links to. Every text from the content is escaped.
QString HtmlReport(const ContentReport& report, bool everything = false, const QString& guide = QString());
