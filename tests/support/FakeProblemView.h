// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "problems/ProblemView.h"
#include "problems/RandomSource.h"

#include <QList>
#include <QStringList>

// The exercise window's problem controls as plain values.
class FakeProblemView : public ProblemView {
public:
    QStringList words;          // Combo1
    QStringList tokens;         // Combo2
    bool tokensVisible = false; // Combo2 shown
    QString statementLine;      // Text1
    QString statementText;      // Text3
    bool answerVisible = false; // Text2 shown

    void setWordList(const QStringList& w) override { words = w; }
    void setTokenList(const QStringList& items) override { tokens = items; }
    void setTokenListVisible(bool visible) override { tokensVisible = visible; }
    void setStatementLine(const QString& line) override { statementLine = line; }
    void setStatement(const QString& text) override { statementText = text; }
    QString statement() const override { return statementText; }
    void setAnswerBoxVisible(bool visible) override { answerVisible = visible; }
};

// Hands out the given numbers in turn, then starts over; counts the draws.
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(QList<float> script = {0.0f}) : script_(std::move(script)) {}
    float Next() override {
        const float value = script_.isEmpty() ? 0.0f : script_[draws_ % script_.size()];
        ++draws_;
        return value;
    }
    qsizetype draws() const { return draws_; }

private:
    QList<float> script_;
    qsizetype draws_ = 0;
};
