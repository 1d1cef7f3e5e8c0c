#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

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
void GenerateProblem(const QString& templatePath, ExerciseState& state, ProblemView& view,
                     RandomSource& random);

inline constexpr int MaxAttempts = 10000;
inline constexpr int MaxWords = 141;     // WordValue entries
inline constexpr int MaxDataLines = 201; // DataLine entries
inline constexpr int MaxOperands = 16;   // Number entries

// Cuts a line at every space: "a  b" gives "a", "", "b"; an empty line gives one empty word.
QStringList CutWords(const QString& line);
