// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>

// What the workspace handlers need from the exercise window's board, keypad, answer box and
// palette. Positions and sizes are twips relative to the board's inner top-left corner (the
// palette's own top-left corner for PaletteColorAt), kept with their fractions. Label i and bar i
// are the elements of the Label1 and Picture3 control arrays.
class BoardView {
public:
    virtual ~BoardView() = default;

    // Symbol labels. A new element copies element 0's current text colour, font, size and
    // position, and starts hidden. A label sizes itself to its text.
    virtual void CreateLabel(int i) = 0;
    virtual void DestroyLabel(int i) = 0;
    virtual void SetLabelText(int i, const QString& text) = 0;
    virtual QString LabelText(int i) const = 0;
    virtual void SetLabelColor(int i, const QColor& color) = 0;
    virtual QColor LabelColor(int i) const = 0;
    virtual double LabelLeft(int i) const = 0;
    virtual void SetLabelLeft(int i, double left) = 0;
    virtual double LabelTop(int i) const = 0;
    virtual void SetLabelTop(int i, double top) = 0;
    virtual double LabelWidth(int i) const = 0;
    virtual double LabelHeight(int i) const = 0;
    virtual void SetLabelVisible(int i, bool visible) = 0;
    virtual bool LabelVisible(int i) const = 0;
    // Points, as the font realises them when read back.
    virtual void SetLabelFontSize(int i, double points) = 0;
    virtual double LabelFontSize(int i) const = 0;

    virtual void RepaintBoard() = 0;

    // Answer box Text2 and the keypad captions.
    virtual QString AnswerText() const = 0;
    virtual void SetAnswerText(const QString& text) = 0;
    virtual QString KeyCaption(int index) const = 0;

    // Bars. A new element copies element 0's size, colour and position, and starts hidden.
    virtual void CreateBar(int i) = 0;
    virtual void DestroyBar(int i) = 0;
    virtual void SetBarVisible(int i, bool visible) = 0;
    virtual bool BarVisible(int i) const = 0;
    virtual double BarLeft(int i) const = 0;
    virtual void SetBarLeft(int i, double left) = 0;
    virtual double BarTop(int i) const = 0;
    virtual void SetBarTop(int i, double top) = 0;
    virtual double BarWidth(int i) const = 0;
    virtual void SetBarWidth(int i, double width) = 0;
    virtual double BarHeight(int i) const = 0;
    virtual void SetBarColor(int i, const QColor& color) = 0;
    virtual QColor BarColor(int i) const = 0;

    // Colour of the palette pixel at (x, y), palette frame.
    virtual QColor PaletteColorAt(double x, double y) const = 0;
};
