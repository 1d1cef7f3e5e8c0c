// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

class ProblemView;
class RandomSource;
struct ExerciseState;

// Turns the template at templatePath (full path of a file n.txt in a group folder) into the
// current problem: the statement in the view, the words, the expression tokens or the choices, and
// WordValue, DataLine, Number, Result and Scratch in the state.
//
// Line 1 of a template is the statement: words separated by single spaces. A word naming a file of
// the "\datos" folder (W + ".txt", letter case ignored) is replaced by a random line of that list;
// "=N" repeats the replacement of the first word equal to N; any other word stands as written.
// Line 2 is either "TEXTO" (any letter case): a choice problem whose choices are lines 4 onward;
// or an expression read strictly from left to right: operand values come from its NUMERO... words
// and positive numbers wherever they stand, operators + - * / count only at odd positions. Numeric
// problems are drawn again until the result is greater than -1, at most MaxAttempts times; the
// last attempt stands then.
//
// A template that cannot be read (or has no line at all) gives an empty numeric problem: no
// statement, no words, no tokens, result 0. A back-reference to a name that no word has shows the
// reference word itself, so the teacher sees the typo. Data lists hold their first
// MaxDataLines lines; a list that exists but cannot be read has no lines. Words past the
// MaxWords-th are shown but are no referent or operand.
//
// Templates and lists are kept in memory between calls and read again when they change on disk.
struct GenerationTrace;
void GenerateProblem(const QString& templatePath, ExerciseState& state, ProblemView& view,
                     RandomSource& random, GenerationTrace* trace = nullptr);

inline constexpr int MaxAttempts = 10000;
inline constexpr int MaxWords = 141;     // WordValue entries
inline constexpr int MaxDataLines = 201; // DataLine entries
inline constexpr int MaxOperands = 16;   // Number entries

// Cuts a line at every space: "a  b" gives "a", "", "b"; an empty line gives one empty word.
QStringList CutWords(const QString& line);

// An expression token that names operands: its first six characters are "NUMERO", in any case.
bool IsNamedOperand(QStringView token);
// An expression token that operates: exactly "+", "-", "*" or "/".
bool IsOperator(QStringView token);

// How the generator reads a template, worked out once per call before any draw: GenerateProblem
// draws from this reading, and the teachers' checker reports from the very same one.
struct TemplateReading {
    enum class Kind { Literal, DataList, BackReference };
    struct Word {
        Kind kind = Kind::Literal;
        QString listPath;      // data-list word: the list's file
        bool listRead = false; // data-list word: the file could be read
        QStringList items;     // data-list word: its first MaxDataLines lines
        int referent = -1;     // back-reference: the first of the first MaxWords words equal to its
                               // name; -1 when there is none
    };
    struct Operand {
        int token = -1;   // position of the expression token it comes from
        int word = -1;    // named operand: the statement word whose replacement it reads; -1 otherwise
        double value = 0; // literal operand: its value
    };

    QStringList words;               // line 1 cut at every space
    std::vector<Word> kinds;         // one per word
    QString expressionLine;          // line 2 as read (empty when there is none)
    bool choiceProblem = false;      // line 2 is "TEXTO" in any letter case
    QStringList tokens;              // numeric problem: line 2 cut at every space
    std::vector<Operand> operands;   // in collection order; only the first MaxOperands count
    std::vector<char16_t> operators; // one per odd token position: + - * / or 0 for any other token
};

// The reading of a template's lines (at least one). Lists are looked up in the "\datos" folder of
// the application folder, as GenerateProblem does.
TemplateReading ReadTemplate(const QStringList& lines);

// The data list a statement word names (its full path), or an empty text when it names none.
QString DataListPath(const QString& word);

// What one call of GenerateProblem did, for whoever asks (the checker's estimates).
struct GenerationTrace {
    int attempts = 0;      // attempts drawn (1 for a choice problem, 0 for an unreadable template)
    bool accepted = false; // the result that stands is greater than -1 (always for a choice problem)
};

// The drawing half of GenerateProblem: from a reading, WordValue and Number cleared, attempts are
// drawn until one is accepted or MaxAttempts are spent, leaving WordValue, DataLine, Number,
// Result and Scratch as GenerateProblem leaves them. `shown` gets, per word, what a list word or
// back-reference showed in the attempt that stands. The checker draws a template thousands of
// times from one reading this way, without touching a file.
GenerationTrace DrawProblem(const TemplateReading& reading, ExerciseState& state, RandomSource& random,
                            std::vector<QString>& shown);
