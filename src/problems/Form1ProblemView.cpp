// SPDX-License-Identifier: GPL-3.0-or-later
#include "problems/Form1ProblemView.h"

#include "windows/Form1Ui.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

void Form1ProblemView::setWordList(const QStringList& words) {
    ui_.Combo1->clear();
    ui_.Combo1->addItems(words);
}

void Form1ProblemView::setTokenList(const QStringList& items) {
    ui_.Combo2->clear();
    ui_.Combo2->addItems(items);
    // The pupil picks a choice; none is picked for them.
    ui_.Combo2->setCurrentIndex(-1);
    ui_.Combo2->setEditText(QString());
}

void Form1ProblemView::setTokenListVisible(bool visible) {
    ui_.Combo2->setVisible(visible);
}

void Form1ProblemView::setStatementLine(const QString& line) {
    ui_.Text1->setText(line);
}

void Form1ProblemView::setStatement(const QString& text) {
    ui_.Text3->setPlainText(text);
}

QString Form1ProblemView::statement() const {
    return ui_.Text3->toPlainText();
}

void Form1ProblemView::setAnswerBoxVisible(bool visible) {
    ui_.Text2->setVisible(visible);
}
