// SPDX-License-Identifier: GPL-3.0-or-later
// The problem generator over fuzzed content. The input is the template's bytes, then, each after a
// NUL byte, the bytes of the data lists "NUMERO1.txt", "numero2.txt" and "NOMBRE.TXT" (missing
// parts are empty lists). All four files are rewritten in place for every input: the folder's
// listing never changes, and every file has just changed when the generator reads it, which its
// caches treat as unsettled and read again. The checks below compare what the generator shows
// with the bytes of this input, so a stale cache would be a finding too.

#include "FuzzSupport.h"

#include "app/NumericValue.h"
#include "app/TextFile.h"
#include "problems/ExerciseState.h"
#include "problems/GenerateProblem.h"
#include "problems/ProblemView.h"
#include "problems/RandomSource.h"
#include "support/FakeProblemView.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

using View = FakeProblemView;

// Seeded from the input, so that every run of an input draws the same; counts the draws.
class CountingRandom : public RandomSource {
public:
    explicit CountingRandom(quint32 seed) : generator_(seed) {}
    float Next() override {
        ++draws;
        return generator_.Next();
    }
    qint64 draws = 0;

private:
    RandomGenerator generator_;
};

struct List {
    const char* fileName;
    QString folded; // the word that names it, case-folded
    QByteArray bytes;
    QStringList items;
};

bool same(double a, double b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

// Left to right, no precedence: the reading of an expression line, done here on its own.
double evaluate(const QStringList& words, const QStringList& tokens, const ExerciseState& state) {
    const qsizetype kept = std::min<qsizetype>(words.size(), MaxWords);
    std::vector<double> operands;
    for (const QString& token : tokens) {
        if (token.left(6).toUpper() == u"NUMERO") {
            for (qsizetype w = 0; w < kept; ++w) {
                if (words[w] == token)
                    operands.push_back(NumericValue(state.WordValue[size_t(w)]));
            }
        } else if (NumericValue(token) > 0) {
            operands.push_back(NumericValue(token));
        }
    }
    operands.resize(std::min<size_t>(operands.size(), MaxOperands));
    operands.resize(MaxOperands, 0.0);
    double result = operands[0];
    size_t k = 1;
    for (qsizetype u = 1; u < tokens.size(); u += 2, ++k) {
        if (k >= MaxOperands)
            continue;
        const QString& op = tokens[u];
        if (op == u"+")
            result += operands[k];
        else if (op == u"-")
            result -= operands[k];
        else if (op == u"*")
            result *= operands[k];
        else if (op == u"/")
            result /= operands[k];
    }
    return result;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QList<QByteArray> parts = fuzz::SplitInput(data, size, 4);

    List lists[] = {{"NUMERO1.txt", QStringLiteral("numero1"), parts[1], {}},
                    {"numero2.txt", QStringLiteral("numero2"), parts[2], {}},
                    {"NOMBRE.TXT", QStringLiteral("nombre"), parts[3], {}}};
    const QString templatePath = fuzz::WriteFile(QStringLiteral("Problemas/grupo/1.txt"), parts[0]);
    for (List& list : lists) {
        const QString path = fuzz::WriteFile(QStringLiteral("datos/") + list.fileName, list.bytes);
        // Lists are held to their first lines; those decode as the whole file does when it is UTF-8.
        list.items = fuzz::DecodesAsUtf8(list.bytes)
                         ? SplitLines(DecodeText(list.bytes)).mid(0, MaxDataLines)
                         : ReadTextLines(path, MaxDataLines).value_or(QStringList());
    }

    ExerciseState state;
    View view;
    quint32 seed = 2166136261u;
    for (size_t i = 0; i < size; ++i)
        seed = (seed ^ data[i]) * 16777619u;
    CountingRandom random(seed);
    const double previousResult = 0.25;
    state.Result = previousResult;

    GenerateProblem(templatePath, state, view, random);

    const QStringList lines = SplitLines(DecodeText(parts[0]));
    if (lines.isEmpty()) {
        // Nothing to read: an empty numeric problem.
        FUZZ_CHECK(view.statementLine.isEmpty() && view.statementText.isEmpty());
        FUZZ_CHECK(view.words.isEmpty() && view.tokens.isEmpty());
        FUZZ_CHECK(view.answerVisible && !view.tokensVisible);
        FUZZ_CHECK(state.Result == 0);
        FUZZ_CHECK(random.draws == 0);
        return 0;
    }

    // The template as this input wrote it, not as an earlier input did.
    FUZZ_CHECK(view.statementLine == lines[0]);
    const QStringList words = CutWords(lines[0]);
    FUZZ_CHECK(view.words == words);
    FUZZ_CHECK(view.statementText.endsWith(u' '));

    const auto listOf = [&](const QString& word) -> const List* {
        const QString folded = word.toCaseFolded();
        for (const List& list : lists) {
            if (folded == list.folded)
                return &list;
        }
        return nullptr;
    };
    qsizetype listWords = 0;
    bool predictable = true; // the statement can be worked out from the final draws
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString& word = words[i];
        const List* list = listOf(word);
        if (list) {
            ++listWords;
            if (i >= MaxWords) {
                predictable = false;
                continue;
            }
            // A drawn item is a line of its list (an empty list shows what an earlier list left).
            const QString& drawn = state.WordValue[size_t(i)];
            if (!list->items.isEmpty())
                FUZZ_CHECK(list->items.contains(drawn));
            else
                predictable = false;
        } else if (word.startsWith(u'=')) {
            if (i < MaxWords)
                FUZZ_CHECK(state.WordValue[size_t(i)].isEmpty());
            const qsizetype referent = words.indexOf(word.mid(1));
            // A later word had the previous attempt's value (or none) when this reference showed it.
            if (referent > i && referent < MaxWords)
                predictable = false;
        } else if (i < MaxWords) {
            FUZZ_CHECK(state.WordValue[size_t(i)] == word);
        }
    }
    if (predictable) {
        QString expected;
        for (qsizetype i = 0; i < words.size(); ++i) {
            const QString& word = words[i];
            if (!listOf(word) && word.startsWith(u'=')) {
                const qsizetype referent = words.indexOf(word.mid(1));
                if (referent < 0 || referent >= MaxWords)
                    expected += word; // no referent: the reference itself shows
                else
                    expected += state.WordValue[size_t(referent)];
            } else {
                expected += i < MaxWords ? state.WordValue[size_t(i)] : word;
            }
            expected += u' ';
        }
        FUZZ_CHECK(view.statementText == expected);
    }

    const QString expression = lines.value(1);
    if (expression.toUpper() == u"TEXTO") {
        // Choices from line 4 on, one attempt, the result left alone.
        FUZZ_CHECK(view.tokens == lines.mid(3));
        FUZZ_CHECK(view.tokensVisible && !view.answerVisible);
        FUZZ_CHECK(state.Result == previousResult);
        FUZZ_CHECK(random.draws == listWords);
        for (double number : state.Number)
            FUZZ_CHECK(number == 0);
        return 0;
    }

    const QStringList tokens = CutWords(expression);
    FUZZ_CHECK(view.tokens == tokens);
    FUZZ_CHECK(!view.tokensVisible && view.answerVisible);
    FUZZ_CHECK(same(state.Result, evaluate(words, tokens, state)));
    // A result that is not accepted means every attempt was made.
    if (state.Result > -1)
        FUZZ_CHECK(listWords == 0 || random.draws % listWords == 0);
    else
        FUZZ_CHECK(random.draws == qint64(MaxAttempts) * listWords);
    return 0;
}
