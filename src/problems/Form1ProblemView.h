// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "problems/ProblemView.h"

struct Form1Ui;

// The generator's view of the exercise window: each operation lands on its control.
class Form1ProblemView final : public ProblemView {
public:
    explicit Form1ProblemView(Form1Ui& ui) : ui_(ui) {}

    void setWordList(const QStringList& words) override;
    void setTokenList(const QStringList& items) override;
    void setTokenListVisible(bool visible) override;
    void setStatementLine(const QString& line) override;
    void setStatement(const QString& text) override;
    QString statement() const override;
    void setAnswerBoxVisible(bool visible) override;

private:
    Form1Ui& ui_;
};
