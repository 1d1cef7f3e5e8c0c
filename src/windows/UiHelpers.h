// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <initializer_list>

class QWidget;

// Small pieces shared by the four setupUi() functions.

// Arial by name (fontconfig substitutes Liberation Sans where Arial is absent), in points.
QFont ArialFont(double points, bool bold);

// A widget that paints its own background in a fixed colour.
void SetFillColor(QWidget* widget, const QColor& color);

// Text (foreground) colour of a label or frame.
void SetTextColor(QWidget* widget, const QColor& color);

// Undoes the colours a tinted window hands down to its input controls (scroll bars, drop-down
// buttons), so text boxes and lists keep the desktop's own look.
void KeepSystemColors(QWidget* widget);

// Frame of a window without a title bar (the layout's "no title bar").
void MakeFrameless(QWidget* form);

// The program's icon on a window.
void SetProgramIcon(QWidget* form);

// Links the widgets into the window's focus chain in the given order. Widgets that never take
// focus (labels, bars, pictures) still get their place in the chain; Tab passes over them.
void SetTabChain(std::initializer_list<QWidget*> order);

// Object name of a control-array element, e.g. "Command2(7)".
QString ElementName(const char* array, int index);
