// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "problems/ProblemView.h"

// The exercise window's problem controls as plain values: what the pupil would be shown.
class RecordingView final : public ProblemView {
public:
    QString statementText; // Text3
    QStringList items;     // Combo2: a choice problem's choices
    bool choicesShown = false;

    void setWordList(const QStringList&) override {}
    void setTokenList(const QStringList& list) override { items = list; }
    void setTokenListVisible(bool visible) override { choicesShown = visible; }
    void setStatementLine(const QString&) override {}
    void setStatement(const QString& text) override { statementText = text; }
    QString statement() const override { return statementText; }
    void setAnswerBoxVisible(bool) override {}
};
