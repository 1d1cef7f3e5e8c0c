// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercise/BoardView.h"

#include <QHash>
#include <QPointer>

#include <vector>

class QFrame;
class QLabel;
class QObject;
class QWidget;
struct Form1Ui;

// The board of the exercise window's widgets. Labels are QLabel children of the board made as
// copies of Label1(0); bars are QFrame children copied from Picture3(0); both are kept in the
// window's Label1 and Picture3 arrays. Each element's position (and a bar's width) is kept in
// twips with its fractions beside the widget, which sits at the nearest pixel.
//
// Operations on an index that names no element do nothing and read as 0, empty or invalid:
// the size button goes on past a step that fails, and nothing else relies on it.
class WidgetBoard : public BoardView {
public:
    explicit WidgetBoard(Form1Ui& ui);

    // Installed on every label and bar made from now on (the router of their pointer events).
    void SetEventFilter(QObject* filter) { filter_ = filter; }

    // Index of a label or bar widget in its array, -1 for anything else. Constant time.
    int LabelIndexOf(const QObject* widget) const { return labelIndex_.value(widget, -1); }
    int BarIndexOf(const QObject* widget) const { return barIndex_.value(widget, -1); }

    QLabel* Label(int i) const;
    QFrame* Bar(int i) const;

    void CreateLabel(int i) override;
    void DestroyLabel(int i) override;
    void SetLabelText(int i, const QString& text) override;
    QString LabelText(int i) const override;
    void SetLabelColor(int i, const QColor& color) override;
    QColor LabelColor(int i) const override;
    double LabelLeft(int i) const override;
    void SetLabelLeft(int i, double left) override;
    double LabelTop(int i) const override;
    void SetLabelTop(int i, double top) override;
    double LabelWidth(int i) const override;
    double LabelHeight(int i) const override;
    void SetLabelVisible(int i, bool visible) override;
    bool LabelVisible(int i) const override;
    void SetLabelFontSize(int i, double points) override;
    double LabelFontSize(int i) const override;

    void RepaintBoard() override;

    QString AnswerText() const override;
    void SetAnswerText(const QString& text) override;
    QString KeyCaption(int index) const override;

    void CreateBar(int i) override;
    void DestroyBar(int i) override;
    void SetBarVisible(int i, bool visible) override;
    bool BarVisible(int i) const override;
    double BarLeft(int i) const override;
    void SetBarLeft(int i, double left) override;
    double BarTop(int i) const override;
    void SetBarTop(int i, double top) override;
    double BarWidth(int i) const override;
    void SetBarWidth(int i, double width) override;
    double BarHeight(int i) const override;
    void SetBarColor(int i, const QColor& color) override;
    QColor BarColor(int i) const override;

    QColor PaletteColorAt(double x, double y) const override;

private:
    struct Place {
        double left = 0;
        double top = 0;
        double width = 0; // bars only
    };

    void Adopt(QWidget* widget);
    static void Retire(QWidget* widget);

    Form1Ui& ui_;
    QPointer<QObject> filter_;
    std::vector<Place> labelPlace_; // parallel to ui_.Label1
    std::vector<Place> barPlace_;   // parallel to ui_.Picture3
    QHash<const QObject*, int> labelIndex_;
    QHash<const QObject*, int> barIndex_;
};
