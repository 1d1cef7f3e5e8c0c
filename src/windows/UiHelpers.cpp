// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/UiHelpers.h"

#include <QApplication>
#include <QIcon>
#include <QPalette>
#include <QWidget>

#include <vector>

QFont ArialFont(double points, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void SetFillColor(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void SetTextColor(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

void KeepSystemColors(QWidget* widget) {
    const QPalette system = QApplication::palette();
    QPalette palette = widget->palette();
    for (const auto role : {QPalette::Window, QPalette::WindowText, QPalette::Button, QPalette::ButtonText}) {
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            palette.setColor(group, role, system.color(group, role));
    }
    widget->setPalette(palette);
}

void MakeFrameless(QWidget* form) {
    form->setWindowFlag(Qt::FramelessWindowHint);
}

void SetProgramIcon(QWidget* form) {
    form->setWindowIcon(QIcon(QStringLiteral(":/resources/kotira.svg")));
}

void SetTabChain(std::initializer_list<QWidget*> order) {
    // setTabOrder() refuses widgets with no focus policy, so lend them one while linking.
    std::vector<QWidget*> lent;
    for (QWidget* widget : order) {
        if (widget->focusPolicy() == Qt::NoFocus) {
            widget->setFocusPolicy(Qt::TabFocus);
            lent.push_back(widget);
        }
    }
    QWidget* previous = nullptr;
    for (QWidget* widget : order) {
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
    for (QWidget* widget : lent)
        widget->setFocusPolicy(Qt::NoFocus);
}

QString ElementName(const char* array, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index);
}
