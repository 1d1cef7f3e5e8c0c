// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "checker/ContentReport.h"

// The report as plain text for the teacher's terminal. It opens on the mistakes: the counts, then
// the groups and files with findings; then those in full, each template with its findings and
// sample problems; the summary line again last. Clean groups and templates are only named, unless
// `everything` (--todo) asks for them in full too.
QString TextReport(const ContentReport& report, bool everything = false);

// The findings about one place other than a group: a data list, or a folder such as "sonidos" for
// the files in it.
struct FileFindings {
    QString file;
    QList<Finding> findings;
};
// The content-wide findings by place, in the order the places first appear: each data list on its
// own, other files by their folder, so eleven missing sounds make one entry of the summary.
QList<FileFindings> FindingsByFile(const QList<Finding>& findings);

// Where a group lives: "Problemas/1 Sumas", or a site group's full path and that it is the school's.
QString GroupPlace(const GroupReport& group);
// The lines under the title: the one group checked, the school's folder, and the notes on which
// file lives where.
QStringList HeaderNotes(const ContentReport& report);

// "problema numérico", "problema de elegir", or that it could not be read.
QString TemplateKind(const TemplateReport& problem);

// "2 errores, 1 aviso"; parts that are zero are left out.
QString CountsText(int errors, int warnings);
// "1 grupo", "12 345 sorteos": the figure as a Spanish reader writes it, with the word it counts.
QString Counted(int count, const char16_t* one, const char16_t* many);
// A result as the teacher reads it: "7", "2,5", "1 049 173", "infinito".
QString ResultShown(double result);

// The text with every control character but the line feed shown as its code ("U+0000", "U+0009"):
// content may hold any bytes, and a terminal or a page must show them, not obey them.
QString WithoutControls(const QString& text);
// A quoted word short enough to read: a long one keeps its start and says how long it is.
QString ShortWord(const QString& word);
// A sample's text with each over-long word shortened so: a list that is no text (a whole ZIP on
// one line) would otherwise fill the screen.
QString ShortWords(const QString& text);

// One finding on one line: severity, file, line, word, what happens and how to fix it.
QString FindingLine(const Finding& finding);
// One sample problem: the statement and its expected result, or its choices with the right one
// marked.
QString SampleLine(const Sample& sample);
// "Resumen: 6 grupos, 61 plantillas, 21 listas, 0 errores, 2 avisos."
QString SummaryLine(const ContentReport& report);
// What the result estimate found, in a few words ("1000 sorteos: 3 % repetidos, ...").
QString EstimateLine(const ResultEstimate& estimate);
// The lists with an ERROR that a template draws from and that no finding of its own names yet: the
// report adds a note under the template for each.
QStringList UnnamedFaultyLists(const TemplateReport& problem);
