// SPDX-License-Identifier: GPL-3.0-or-later
#include "problems/GenerateProblem.h"

#include "app/AppFolder.h"
#include "app/NumericValue.h"
#include "app/TextFile.h"
#include "problems/ExerciseState.h"
#include "problems/ProblemView.h"
#include "problems/RandomSource.h"

#include <QHash>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Which statement words name a data list, found through AppPath. Kept across calls while the
// folders that decide AppPath's answer are unchanged (adding, removing or renaming a list changes a
// folder's time stamp), and while they changed long enough ago for a later change to show in that
// stamp.
class DataListNames {
public:
    void begin() {
        const QStringList folders = LookupFolders(u"\\datos");
        const qint64 now = FileClockNow();
        QList<TextFileCache::Stamp> stamps;
        bool exists = false;
        bool settled = true;
        for (const QString& folder : folders) {
            const std::optional<TextFileCache::Stamp> stamp = FileStamp(folder);
            const bool isFolder = stamp && !stamp->regular;
            exists = exists || isFolder;
            // A folder that is missing shows up as a change whenever it appears.
            settled = settled && (!isFolder || StampIsSettled(*stamp, now));
            stamps.append(isFolder ? *stamp : TextFileCache::Stamp());
        }
        if (exists && settled_ && folders == folders_ && stamps == stamps_) {
            exists_ = true;
            return;
        }
        names_.clear();
        folders_ = folders;
        stamps_ = stamps;
        exists_ = exists;
        settled_ = exists && settled;
    }

    // The list's full path, or an empty text when the word names no list.
    QString pathOf(const QString& word) {
        if (!exists_ || !canBeFileName(word))
            return QString();
        auto it = names_.constFind(word);
        if (it == names_.cend()) {
            QString path = AppPath(QString(QStringLiteral("\\datos\\") + word + QStringLiteral(".txt")));
            if (!IsOrdinaryFile(path))
                path.clear();
            it = names_.insert(word, path);
        }
        return *it;
    }

private:
    // A word with a path separator, a wildcard or another character that no Windows file name may
    // hold would name some other file, or none: it is never a list.
    static bool canBeFileName(QStringView word) {
        for (QChar c : word) {
            const char16_t u = c.unicode();
            if (u < 32 || u == u'\\' || u == u'/' || u == u'*' || u == u'?' || u == u'<' || u == u'>' ||
                u == u'|' || u == u'"' || u == u':')
                return false;
        }
        return true;
    }

    QStringList folders_;
    QList<TextFileCache::Stamp> stamps_;
    bool exists_ = false;
    bool settled_ = false;
    QHash<QString, QString> names_;
};

struct Caches {
    TextFileCache files;
    DataListNames names;
};

Caches& caches() {
    static Caches instance;
    return instance;
}

using WordKind = TemplateReading::Kind;

void showEmptyProblem(ExerciseState& state, ProblemView& view) {
    state.Result = 0;
    state.Scratch.clear();
    view.setStatementLine(QString());
    view.setWordList(QStringList());
    view.setStatement(QString());
    view.setTokenList(QStringList());
    view.setTokenListVisible(false);
    view.setAnswerBoxVisible(true);
}

} // namespace

QStringList CutWords(const QString& line) {
    return line.split(u' ', Qt::KeepEmptyParts);
}

bool IsNamedOperand(QStringView token) {
    return token.size() >= 6 && token.left(6).compare(u"NUMERO", Qt::CaseInsensitive) == 0;
}

bool IsOperator(QStringView token) {
    return token.size() == 1 &&
           (token[0] == u'+' || token[0] == u'-' || token[0] == u'*' || token[0] == u'/');
}

QString DataListPath(const QString& word) {
    Caches& cache = caches();
    cache.names.begin();
    return cache.names.pathOf(word);
}

TemplateReading ReadTemplate(const QStringList& lines) {
    Caches& cache = caches();
    TemplateReading reading;
    const QString statementLine = lines.value(0);
    const QString expressionLine = lines.value(1);
    reading.words = CutWords(statementLine);
    const QStringList& words = reading.words;
    const qsizetype wordCount = words.size();
    const qsizetype keptWords = std::min<qsizetype>(wordCount, MaxWords);

    cache.names.begin();
    reading.kinds.resize(size_t(wordCount));
    for (qsizetype i = 0; i < wordCount; ++i) {
        const QString& word = words[i];
        TemplateReading::Word& kind = reading.kinds[size_t(i)];
        QString listPath = cache.names.pathOf(word);
        if (!listPath.isEmpty()) {
            kind.kind = WordKind::DataList;
            const QStringList* items = cache.files.lines(listPath, MaxDataLines);
            kind.listRead = items != nullptr;
            if (items)
                kind.items = *items;
            kind.listPath = std::move(listPath);
        } else if (word.startsWith(u'=')) {
            kind.kind = WordKind::BackReference;
            const QStringView name = QStringView(word).mid(1);
            for (qsizetype j = 0; j < keptWords; ++j) {
                if (words[j] == name) {
                    kind.referent = int(j);
                    break;
                }
            }
        }
    }

    reading.expressionLine = expressionLine;
    reading.choiceProblem = expressionLine.toUpper() == u"TEXTO";
    if (reading.choiceProblem)
        return reading;
    reading.tokens = CutWords(expressionLine);
    const QStringList& tokens = reading.tokens;
    for (qsizetype t = 0; t < tokens.size(); ++t) {
        const QString& token = tokens[t];
        if (IsNamedOperand(token)) {
            for (qsizetype w = 0; w < keptWords; ++w) {
                if (words[w] == token)
                    reading.operands.push_back({int(t), int(w), 0});
            }
        } else if (const double value = NumericValue(token); value > 0) {
            reading.operands.push_back({int(t), -1, value});
        }
    }
    for (qsizetype u = 1; u < tokens.size(); u += 2) {
        const QString& token = tokens[u];
        reading.operators.push_back(IsOperator(token) ? token[0].unicode() : char16_t(0));
    }
    return reading;
}

GenerationTrace DrawProblem(const TemplateReading& reading, ExerciseState& state, RandomSource& random,
                            std::vector<QString>& shown) {
    // As fill(QString()), without an out-of-line assignment for each of the entries already empty.
    for (QString& value : state.WordValue) {
        if (!value.isNull())
            value = QString();
    }
    state.Number.fill(0);
    const QStringList& words = reading.words;
    const qsizetype wordCount = words.size();
    const std::vector<TemplateReading::Word>& kinds = reading.kinds;

    // An attempt changes only the draws, what the back-references show and the first MaxWords
    // literals' entries; the statement is put together once, from the attempt that stands, so a
    // long statement that is drawn again thousands of times does not cost thousands of copies.
    std::vector<qsizetype> changing;
    for (qsizetype i = 0; i < wordCount; ++i) {
        if (kinds[i].kind != WordKind::Literal || i < MaxWords)
            changing.push_back(i);
    }
    shown.assign(size_t(wordCount), QString());

    // Every list word loads its lines into DataLine before its draw. Only DataLine(0) is ever read
    // back (an empty list shows it), and the same lists load in the same order in every attempt,
    // so the loading is done once, after the attempt that stands; meanwhile this tracks DataLine(0).
    const QString* firstDataLine = &state.DataLine[0];
    int attempt = 0;
    bool accepted = false;
    while (attempt < MaxAttempts) {
        ++attempt;
        for (const qsizetype i : changing) {
            const TemplateReading::Word& kind = kinds[i];
            switch (kind.kind) {
            case WordKind::DataList: {
                const qsizetype count = kind.items.size();
                if (count > 0)
                    firstDataLine = &kind.items[0];
                // A draw for every list word, even an empty list's, keeps the sequence of draws.
                const double u = random.Next();
                const qsizetype drawn = std::clamp<qsizetype>(qsizetype(std::floor(double(count) * u)), 0,
                                                              std::max<qsizetype>(count - 1, 0));
                // An empty list shows what the list read before it left in DataLine(0).
                const QString& item = count > 0 ? kind.items[drawn] : *firstDataLine;
                shown[i] = item;
                if (i < MaxWords)
                    state.WordValue[i] = item;
                break;
            }
            case WordKind::BackReference:
                // A later word shows what the previous attempt left in it.
                shown[i] = kind.referent >= 0 ? state.WordValue[kind.referent] : words[i];
                break;
            case WordKind::Literal:
                if (!state.WordValue[i].isSharedWith(words[i])) // set already by an earlier attempt
                    state.WordValue[i] = words[i];
                break;
            }
        }

        if (reading.choiceProblem) {
            // The result stays as it is; a choice problem is never drawn again.
            accepted = true;
            break;
        }

        std::size_t k = 0;
        for (const TemplateReading::Operand& operand : reading.operands) {
            if (k < MaxOperands)
                state.Number[k] =
                    operand.word >= 0 ? NumericValue(state.WordValue[operand.word]) : operand.value;
            ++k;
        }
        double result = state.Number[0];
        k = 1;
        for (char16_t op : reading.operators) {
            if (k < MaxOperands) {
                const double operand = state.Number[k];
                switch (op) {
                case u'+':
                    result += operand;
                    break;
                case u'-':
                    result -= operand;
                    break;
                case u'*':
                    result *= operand;
                    break;
                case u'/':
                    result /= operand;
                    break;
                default:
                    break;
                }
            }
            ++k;
        }
        state.Result = result;
        if (result > -1) { // false for NaN
            accepted = true;
            break;
        }
    }
    state.Scratch = reading.choiceProblem ? reading.expressionLine : reading.tokens.last();
    // The lists load in order, each over the lines of the one before: the last list's lines stand,
    // then the earlier lists' lines beyond it. Walked from the last list, each line is set once, and
    // not at all when it holds that very string already (as it does when one template is drawn again
    // and again): an assignment costs two atomic counts, for every line of every list of every draw.
    qsizetype set = 0; // lines 0 to set - 1 hold their final string
    for (auto it = changing.crbegin(); it != changing.crend(); ++it) {
        const TemplateReading::Word& kind = kinds[*it];
        if (kind.kind != WordKind::DataList)
            continue;
        for (qsizetype line = set; line < kind.items.size(); ++line) {
            if (!state.DataLine[line].isSharedWith(kind.items[line]))
                state.DataLine[line] = kind.items[line];
        }
        set = std::max(set, kind.items.size());
    }
    return GenerationTrace{attempt, accepted};
}

void GenerateProblem(const QString& templatePath, ExerciseState& state, ProblemView& view,
                     RandomSource& random, GenerationTrace* trace) {
    Caches& cache = caches();
    const QStringList* stored = cache.files.lines(templatePath);
    if (!stored || stored->isEmpty()) {
        state.WordValue.fill(QString());
        state.Number.fill(0);
        showEmptyProblem(state, view);
        if (trace)
            *trace = GenerationTrace{0, true};
        return;
    }
    const QStringList lines = *stored; // the cache may move it while the lists are read
    const TemplateReading reading = ReadTemplate(lines);
    const QStringList& words = reading.words;
    const qsizetype wordCount = words.size();
    const std::vector<TemplateReading::Word>& kinds = reading.kinds;

    std::vector<QString> shown; // list words and back-references: what they showed
    const GenerationTrace drawn = DrawProblem(reading, state, random, shown);
    if (trace)
        *trace = drawn;

    QString statement;
    for (qsizetype i = 0; i < wordCount; ++i) {
        statement += kinds[i].kind == WordKind::Literal ? words[i] : shown[i];
        statement += u' ';
    }

    view.setStatementLine(lines[0]);
    view.setWordList(words);
    view.setStatement(statement);
    if (reading.choiceProblem) {
        view.setTokenList(lines.mid(3));
        view.setTokenListVisible(true);
        view.setAnswerBoxVisible(false);
    } else {
        view.setTokenList(reading.tokens);
        view.setTokenListVisible(false);
        view.setAnswerBoxVisible(true);
    }
}
