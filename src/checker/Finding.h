// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

// One thing the checker found in the content, worded for the teacher who wrote it.
// ERROR: the pupil will see something wrong or can never be judged right.
// AVISO: probably not what the teacher meant.
enum class Severity { Error, Warning };

struct Finding {
    Severity severity = Severity::Error;
    QString code;   // stable name of the kind of finding, for scripts ("sin-lista")
    QString file;   // relative to the application folder, with "/" between names
    int line = 0;   // 1 for the first line; 0 for the file or folder as a whole
    QString token;  // the word, token or name concerned (may be empty)
    QString effect; // what the program will do with it
    QString fix;    // how to put it right
    int times = 1;  // how many findings this one stands for ("and N more of this kind")
};

// "ERROR" or "AVISO", the words the reports use.
QString SeverityWord(Severity severity);

// A teacher's text as a report may quote it: control and invisible characters written as "U+00A0"
// (a NUL would cut a terminal line, a no-break space looks like a space), and shortened to
// `longest` characters with "…" so that a ten-thousand-character line stays readable.
QString Shown(const QString& text, qsizetype longest = 40);
// "U+00A0".
QString CodePoint(QChar c);
// The name of a character that looks like nothing or like a space, for the teacher ("un espacio de
// no separación (U+00A0)"); empty for any other character.
QString InvisibleName(QChar c);

// Findings of one file or folder. The same kind of finding is kept a few times per file and then
// counted only, so a statement of ten thousand wrong words gives a readable report.
class FindingList {
public:
    explicit FindingList(QString file = QString()) : file_(std::move(file)) {}

    void add(Severity severity, const QString& code, int line, const QString& token, const QString& effect,
             const QString& fix);
    void add(Finding finding);
    // Appends a closing "and N more" finding for every kind that was cut short.
    QList<Finding> take();

    const QString& file() const { return file_; }

private:
    QString file_;
    QList<Finding> findings_;
    QList<QPair<QString, int>> dropped_; // code, how many were not kept
};

inline constexpr int MaxFindingsOfAKind = 10;
