// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPlainTextEdit>

// The statement box: a read-only text box that can hold a button in its lower right corner,
// between the text and the scroll bar. The text keeps clear of the button (a margin on the right
// while the button is shown), so no word hides under it.
class StatementBox : public QPlainTextEdit {
    Q_OBJECT

public:
    using QPlainTextEdit::QPlainTextEdit;

    // The button becomes a child of the box; the box places it as it resizes.
    void SetCornerButton(QWidget* button);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeCornerButton();

    QWidget* corner_ = nullptr;
};
