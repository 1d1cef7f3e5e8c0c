// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/WidgetBoard.h"

#include "windows/BoardWidget.h"
#include "windows/Form1Ui.h"
#include "windows/PaletteBox.h"
#include "windows/PictureButton.h"
#include "windows/Twips.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>

#include <cmath>

namespace {

QColor RoleColor(const QWidget* widget, QPalette::ColorRole role) {
    return widget->palette().color(role);
}

void SetRoleColor(QWidget* widget, QPalette::ColorRole role, const QColor& color) {
    if (widget->palette().color(role) == color)
        return; // a move recolours every time; spare the palette change when nothing changes
    QPalette palette = widget->palette();
    palette.setColor(role, color);
    widget->setPalette(palette);
}

template <typename T> T* At(const std::vector<T*>& array, int i) {
    if (i < 0 || static_cast<size_t>(i) >= array.size())
        return nullptr;
    return array[static_cast<size_t>(i)];
}

// Drops the empty tail left by destroyed elements, so that the arrays end at their last element.
template <typename T, typename P> void TrimTail(std::vector<T*>& array, std::vector<P>& places) {
    while (array.size() > 1 && array.back() == nullptr)
        array.pop_back();
    places.resize(array.size());
}

} // namespace

WidgetBoard::WidgetBoard(Form1Ui& ui) : ui_(ui) {
    labelPlace_.resize(ui_.Label1.size());
    for (size_t i = 0; i < ui_.Label1.size(); ++i) {
        if (QLabel* label = ui_.Label1[i]) {
            labelPlace_[i] = {PxToTwips(label->x()), PxToTwips(label->y()), 0};
            labelIndex_.insert(label, static_cast<int>(i));
        }
    }
    barPlace_.resize(ui_.Picture3.size());
    for (size_t i = 0; i < ui_.Picture3.size(); ++i) {
        if (QFrame* bar = ui_.Picture3[i]) {
            barPlace_[i] = {PxToTwips(bar->x()), PxToTwips(bar->y()), PxToTwips(bar->width())};
            barIndex_.insert(bar, static_cast<int>(i));
        }
    }
}

QLabel* WidgetBoard::Label(int i) const {
    return At(ui_.Label1, i);
}
QFrame* WidgetBoard::Bar(int i) const {
    return At(ui_.Picture3, i);
}

// Pointer events of the new element reach the router, also when no button is held.
void WidgetBoard::Adopt(QWidget* widget) {
    widget->setMouseTracking(true);
    if (filter_)
        widget->installEventFilter(filter_);
}

// Deleted at once: deferring it (hide now, deleteLater) was measured to make the clear itself
// quicker but to cost as much again as soon as control returns to the event loop.
void WidgetBoard::Retire(QWidget* widget) {
    delete widget;
}

// ---- symbol labels

void WidgetBoard::CreateLabel(int i) {
    QLabel* model = Label(0);
    if (!model || i <= 0)
        return;
    auto* label = new QLabel(model->text(), ui_.Picture2);
    label->hide();
    label->setFont(model->font());
    label->setPalette(model->palette());
    label->setAutoFillBackground(model->autoFillBackground());
    if (model->testAttribute(Qt::WA_TranslucentBackground))
        label->setAttribute(Qt::WA_TranslucentBackground);
    label->setAlignment(model->alignment());
    label->setMargin(model->margin());
    label->setIndent(model->indent());
    label->setTextFormat(model->textFormat());
    label->setWordWrap(model->wordWrap());
    label->setFrameStyle(model->frameStyle());
    label->setObjectName(QStringLiteral("Label1(%1)").arg(i));
    label->setGeometry(model->geometry());
    Adopt(label);

    if (ui_.Label1.size() <= static_cast<size_t>(i)) {
        ui_.Label1.resize(static_cast<size_t>(i) + 1, nullptr);
        labelPlace_.resize(ui_.Label1.size());
    } else if (QLabel* previous = ui_.Label1[static_cast<size_t>(i)]) {
        labelIndex_.remove(previous);
        Retire(previous);
    }
    ui_.Label1[static_cast<size_t>(i)] = label;
    labelPlace_[static_cast<size_t>(i)] = {labelPlace_[0].left, labelPlace_[0].top, 0};
    labelIndex_.insert(label, i);
    label->adjustSize();
}

void WidgetBoard::DestroyLabel(int i) {
    QLabel* label = Label(i);
    if (!label || i == 0)
        return;
    labelIndex_.remove(label);
    ui_.Label1[static_cast<size_t>(i)] = nullptr;
    Retire(label);
    TrimTail(ui_.Label1, labelPlace_);
}

void WidgetBoard::SetLabelText(int i, const QString& text) {
    if (QLabel* label = Label(i)) {
        label->setText(text);
        label->adjustSize(); // grows and shrinks around the top-left corner
    }
}

QString WidgetBoard::LabelText(int i) const {
    const QLabel* label = Label(i);
    return label ? label->text() : QString();
}

void WidgetBoard::SetLabelColor(int i, const QColor& color) {
    if (QLabel* label = Label(i))
        SetRoleColor(label, QPalette::WindowText, color);
}

QColor WidgetBoard::LabelColor(int i) const {
    const QLabel* label = Label(i);
    return label ? RoleColor(label, QPalette::WindowText) : QColor();
}

double WidgetBoard::LabelLeft(int i) const {
    return Label(i) ? labelPlace_[static_cast<size_t>(i)].left : 0;
}

void WidgetBoard::SetLabelLeft(int i, double left) {
    if (QLabel* label = Label(i)) {
        labelPlace_[static_cast<size_t>(i)].left = left;
        label->move(TwipsToPx(left), label->y());
    }
}

double WidgetBoard::LabelTop(int i) const {
    return Label(i) ? labelPlace_[static_cast<size_t>(i)].top : 0;
}

void WidgetBoard::SetLabelTop(int i, double top) {
    if (QLabel* label = Label(i)) {
        labelPlace_[static_cast<size_t>(i)].top = top;
        label->move(label->x(), TwipsToPx(top));
    }
}

double WidgetBoard::LabelWidth(int i) const {
    const QLabel* label = Label(i);
    return label ? PxToTwips(label->width()) : 0;
}

double WidgetBoard::LabelHeight(int i) const {
    const QLabel* label = Label(i);
    return label ? PxToTwips(label->height()) : 0;
}

void WidgetBoard::SetLabelVisible(int i, bool visible) {
    if (QLabel* label = Label(i))
        label->setVisible(visible);
}

bool WidgetBoard::LabelVisible(int i) const {
    const QLabel* label = Label(i);
    return label && !label->isHidden();
}

void WidgetBoard::SetLabelFontSize(int i, double points) {
    QLabel* label = Label(i);
    if (!label || !(points > 0))
        return;
    QFont font = label->font();
    font.setPointSizeF(points);
    label->setFont(font);
    label->adjustSize();
}

double WidgetBoard::LabelFontSize(int i) const {
    const QLabel* label = Label(i);
    return label ? label->font().pointSizeF() : 0;
}

void WidgetBoard::RepaintBoard() {
    if (ui_.Picture2)
        ui_.Picture2->update();
}

// ---- answer box and keypad

QString WidgetBoard::AnswerText() const {
    return ui_.Text2 ? ui_.Text2->text() : QString();
}

void WidgetBoard::SetAnswerText(const QString& text) {
    if (ui_.Text2)
        ui_.Text2->setText(text);
}

QString WidgetBoard::KeyCaption(int index) const {
    if (index < 0 || static_cast<size_t>(index) >= ui_.Command2.size() ||
        !ui_.Command2[static_cast<size_t>(index)])
        return QString();
    return ui_.Command2[static_cast<size_t>(index)]->text();
}

// ---- bars

void WidgetBoard::CreateBar(int i) {
    QFrame* model = Bar(0);
    if (!model || i <= 0)
        return;
    auto* bar = new QFrame(ui_.Picture2);
    bar->hide();
    bar->setFrameStyle(model->frameStyle());
    bar->setLineWidth(model->lineWidth());
    bar->setPalette(model->palette());
    bar->setAutoFillBackground(model->autoFillBackground());
    bar->setObjectName(QStringLiteral("Picture3(%1)").arg(i));
    bar->setGeometry(model->geometry());
    Adopt(bar);

    if (ui_.Picture3.size() <= static_cast<size_t>(i)) {
        ui_.Picture3.resize(static_cast<size_t>(i) + 1, nullptr);
        barPlace_.resize(ui_.Picture3.size());
    } else if (QFrame* previous = ui_.Picture3[static_cast<size_t>(i)]) {
        barIndex_.remove(previous);
        Retire(previous);
    }
    ui_.Picture3[static_cast<size_t>(i)] = bar;
    barPlace_[static_cast<size_t>(i)] = barPlace_[0];
    barIndex_.insert(bar, i);
}

void WidgetBoard::DestroyBar(int i) {
    QFrame* bar = Bar(i);
    if (!bar || i == 0)
        return;
    barIndex_.remove(bar);
    ui_.Picture3[static_cast<size_t>(i)] = nullptr;
    Retire(bar);
    TrimTail(ui_.Picture3, barPlace_);
}

void WidgetBoard::SetBarVisible(int i, bool visible) {
    if (QFrame* bar = Bar(i))
        bar->setVisible(visible);
}

bool WidgetBoard::BarVisible(int i) const {
    const QFrame* bar = Bar(i);
    return bar && !bar->isHidden();
}

double WidgetBoard::BarLeft(int i) const {
    return Bar(i) ? barPlace_[static_cast<size_t>(i)].left : 0;
}

void WidgetBoard::SetBarLeft(int i, double left) {
    if (QFrame* bar = Bar(i)) {
        barPlace_[static_cast<size_t>(i)].left = left;
        bar->move(TwipsToPx(left), bar->y());
    }
}

double WidgetBoard::BarTop(int i) const {
    return Bar(i) ? barPlace_[static_cast<size_t>(i)].top : 0;
}

void WidgetBoard::SetBarTop(int i, double top) {
    if (QFrame* bar = Bar(i)) {
        barPlace_[static_cast<size_t>(i)].top = top;
        bar->move(bar->x(), TwipsToPx(top));
    }
}

double WidgetBoard::BarWidth(int i) const {
    return Bar(i) ? barPlace_[static_cast<size_t>(i)].width : 0;
}

void WidgetBoard::SetBarWidth(int i, double width) {
    if (QFrame* bar = Bar(i)) {
        barPlace_[static_cast<size_t>(i)].width = width;
        bar->resize(TwipsToPx(width), bar->height());
    }
}

double WidgetBoard::BarHeight(int i) const {
    const QFrame* bar = Bar(i);
    return bar ? PxToTwips(bar->height()) : 0;
}

void WidgetBoard::SetBarColor(int i, const QColor& color) {
    QFrame* bar = Bar(i);
    if (!bar)
        return;
    SetRoleColor(bar, QPalette::Window, color);
    bar->setAutoFillBackground(true);
}

QColor WidgetBoard::BarColor(int i) const {
    const QFrame* bar = Bar(i);
    return bar ? RoleColor(bar, QPalette::Window) : QColor();
}

// ---- palette

QColor WidgetBoard::PaletteColorAt(double x, double y) const {
    if (!ui_.Picture4)
        return QColor();
    // The pixel that contains the point.
    const QPoint px(static_cast<int>(std::floor(x / TwipsPerPixel)),
                    static_cast<int>(std::floor(y / TwipsPerPixel)));
    return ui_.Picture4->ColorAt(px);
}
