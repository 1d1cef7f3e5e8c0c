// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "checker/ContentReport.h"

// The report as plain text for the teacher's terminal: general findings, then one section per group
// and template with its findings and sample problems, and the summary line last.
QString TextReport(const ContentReport& report);

// One finding on one line: severity, file, line, word, what happens and how to fix it.
QString FindingLine(const Finding& finding);
// One sample problem: the statement and its expected result, or its choices with the right one
// marked.
QString SampleLine(const Sample& sample);
// "Resumen: 6 grupos, 61 plantillas, 21 listas, 0 errores, 2 avisos."
QString SummaryLine(const ContentReport& report);
// What the result estimate found, in a few words ("1000 sorteos: 3 % repetidos, ...").
QString EstimateLine(const ResultEstimate& estimate);
