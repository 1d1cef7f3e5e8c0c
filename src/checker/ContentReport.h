// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "checker/Finding.h"

#include <QList>
#include <QString>
#include <QStringList>

// A problem made by the program's own generator, shown under its template.
struct Sample {
    QString statement;
    bool choiceProblem = false;
    double result = 0;   // numeric problem: the expected result
    QStringList choices; // choice problem: the choices as the pupil sees them
    QList<bool> right;   // choice problem: which choices the program judges right
};

// What drawing a numeric template many times gave.
struct ResultEstimate {
    int attempts = 0;     // attempts drawn in all
    int problems = 0;     // problems made (each one or more attempts)
    int accepted = 0;     // problems whose result stood (greater than -1)
    int withDecimals = 0; // accepted results with decimals that have an exact decimal form (2,5; 0,375)
    int manyDecimals = 0; // of those, the ones with more than two decimals
    int notTypeable = 0;  // accepted results with no exact decimal form (10 / 3, infinity)
    int beyondExact = 0;  // accepted finite results too large to be judged exactly (10^12 and more)
    double manyDecimalsExample = 0;
    double notTypeableExample = 0;
    double beyondExactExample = 0;
    double rejectedShare() const { return attempts > 0 ? double(attempts - accepted) / attempts : 0; }
};

struct TemplateReport {
    QString file; // relative to the application folder
    bool readable = false;
    bool choiceProblem = false;
    QList<Finding> findings;
    QList<Sample> samples;
    ResultEstimate estimate; // numeric problems only
    QStringList lists;       // full paths of the data lists its statement draws from
    QStringList faultyLists; // those of its lists that have an ERROR, named as the report names files

    // Whether the report shows it among the mistakes: its own findings, or a list it needs is wrong.
    bool hasFindings() const { return !findings.isEmpty() || !faultyLists.isEmpty(); }
};

struct GroupReport {
    QString name;
    QString folder;        // as the report names files: relative to the application folder, or the
                           // full path of a group in the site folder
    bool site = false;     // in the school's own folder
    bool replaces = false; // site group that hides a shipped group of the same name
    QList<Finding> findings;
    QList<TemplateReport> templates;

    bool hasFindings() const;
    int count(Severity severity) const;
};

struct ContentReport {
    QString appFolder;
    QString group;      // the one group checked, with the lists it uses; empty when all were
    QString siteFolder; // the school's own folder when there is one, checked with the shipped one
    QStringList notes;  // where things live, for the teacher: lists of the site that replace shipped ones
    QList<Finding> findings; // the application folder, the language file, media and data lists
    QList<GroupReport> groups;
    int listCount = 0;

    int templateCount() const;
    int count(Severity severity) const;
};
