// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "checker/ContentReport.h"

#include <QString>

struct TemplateReading;

// Makes problems from a numeric template's reading with the program's own drawing until about
// `draws` attempts are drawn, and counts what the pupil would get: redrawn attempts, accepted
// results, results with decimals. Repeatable: the draws start from `seed`.
ResultEstimate EstimateResults(const TemplateReading& reading, int draws, quint32 seed);

// The findings the estimate calls for: no result ever accepted, many attempts drawn again, results
// with decimals, with more than two, with no exact decimal form, or too large to be judged exactly.
void ReportEstimate(const ResultEstimate& estimate, FindingList& findings);

// A result as a Spanish reader writes it: "12", "2,5", "3,33333333333", "1 049 173", "infinito".
QString ResultText(double result);
