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
    int withDecimals = 0; // accepted results a pupil can type with a point and up to two decimals
    int notTypeable = 0;  // accepted results no short answer equals (10 / 3, infinity)
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
};

struct GroupReport {
    QString name;
    QString folder; // relative to the application folder
    QList<Finding> findings;
    QList<TemplateReport> templates;
};

struct ContentReport {
    QString appFolder;
    QList<Finding> findings; // the application folder, the language file, media and data lists
    QList<GroupReport> groups;
    int listCount = 0;

    int templateCount() const;
    int count(Severity severity) const;
};
