// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "checker/ContentReport.h"

// The report as one self-contained web page: findings coloured by severity, samples in a table.
// Every text from the content is escaped.
QString HtmlReport(const ContentReport& report);
