// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// What the problem generator changes in the exercise window, so that it runs without one.
// The window maps each operation onto its control; tests use a plain fake.
class ProblemView {
public:
    virtual ~ProblemView() = default;

    // Combo1 (hidden): the words of the statement line, one item per word, in order.
    virtual void setWordList(const QStringList& words) = 0;
    // Combo2: a numeric problem's expression tokens (hidden) or a choice problem's choices (shown
    // for the pupil to pick one; nothing is picked beforehand).
    virtual void setTokenList(const QStringList& items) = 0;
    virtual void setTokenListVisible(bool visible) = 0;
    // Text1 (hidden): the statement line as read.
    virtual void setStatementLine(const QString& line) = 0;
    // Text3: the generated statement.
    virtual void setStatement(const QString& text) = 0;
    virtual QString statement() const = 0;
    // Text2: the answer box, shown for numeric problems only.
    virtual void setAnswerBoxVisible(bool visible) = 0;
};
