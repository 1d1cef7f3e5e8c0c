// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/BoardEvents.h"

#include "exercise/WidgetBoard.h"
#include "exercise/Workspace.h"
#include "windows/BoardWidget.h"
#include "windows/Form1Ui.h"
#include "windows/PaletteBox.h"
#include "windows/PictureButton.h"
#include "windows/Twips.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>

BoardEvents::BoardEvents(Form1Ui& ui, WidgetBoard& board, Workspace& workspace, QObject* parent)
    : QObject(parent), ui_(ui), board_(board), workspace_(workspace) {
    board_.SetEventFilter(this);
    if (ui_.Picture2) {
        ui_.Picture2->setMouseTracking(true); // carrying happens with no button held
        ui_.Picture2->installEventFilter(this);
    }
    for (QLabel* label : ui_.Label1) {
        if (label) {
            label->setMouseTracking(true);
            label->installEventFilter(this);
        }
    }
    // Bars take their own moves, so the board does not see the pointer cross them.
    for (QFrame* bar : ui_.Picture3) {
        if (bar) {
            bar->setMouseTracking(true);
            bar->installEventFilter(this);
        }
    }
    if (ui_.Picture4)
        ui_.Picture4->installEventFilter(this);

    for (int i = 0; i < static_cast<int>(ui_.Command2.size()); ++i) {
        if (PictureButton* key = ui_.Command2[static_cast<size_t>(i)])
            connect(key, &QAbstractButton::clicked, this, [this, i] { workspace_.Command2_Click(i); });
    }
    if (ui_.Command3)
        connect(ui_.Command3, &QAbstractButton::clicked, this, [this] { workspace_.Command3_Click(); });
    if (ui_.Command4)
        connect(ui_.Command4, &QAbstractButton::clicked, this, [this] { workspace_.Command4_Click(); });
}

int BoardEvents::ButtonSet(Qt::MouseButtons buttons) {
    int set = 0;
    if (buttons & Qt::LeftButton)
        set |= 1;
    if (buttons & Qt::RightButton)
        set |= 2;
    if (buttons & Qt::MiddleButton)
        set |= 4;
    return set;
}

bool BoardEvents::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        break;
    default:
        return false;
    }
    auto* mouse = static_cast<QMouseEvent*>(event);

    // The second press of a double click counts as a double click only when the first press
    // went to the same element; otherwise it is an ordinary press there.
    if (event->type() == QEvent::MouseButtonDblClick && lastPressed_ != watched) {
        QMouseEvent press(QEvent::MouseButtonPress, mouse->position(), mouse->scenePosition(),
                          mouse->globalPosition(), mouse->button(), mouse->buttons(), mouse->modifiers());
        return eventFilter(watched, &press);
    }
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)
        lastPressed_ = watched;

    if (watched == ui_.Picture2)
        return BoardEvent(mouse);
    if (const int index = board_.LabelIndexOf(watched); index >= 0)
        return LabelEvent(index, watched, mouse);
    if (const int index = board_.BarIndexOf(watched); index >= 0)
        return BarEvent(index, mouse);
    if (watched == ui_.Picture4)
        return PaletteEvent(mouse);
    return false;
}

bool BoardEvents::BoardEvent(QMouseEvent* event) {
    const QPointF at = PxToTwips(event->position());
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        workspace_.Picture2_MouseDown(ButtonSet(event->button()), 0, at.x(), at.y());
        break;
    case QEvent::MouseMove:
        workspace_.Picture2_MouseMove(ButtonSet(event->buttons()), 0, at.x(), at.y());
        break;
    case QEvent::MouseButtonRelease:
        workspace_.Picture2_MouseUp(ButtonSet(event->button()), 0, at.x(), at.y());
        break;
    default: // the board has no double-click gesture
        break;
    }
    return true;
}

bool BoardEvents::LabelEvent(int index, QObject* label, QMouseEvent* event) {
    const QPointF at = PxToTwips(event->position());
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        pressedLabel_ = label;
        break;
    case QEvent::MouseMove:
        workspace_.Label1_MouseMove(index, ButtonSet(event->buttons()), 0, at.x(), at.y());
        break;
    case QEvent::MouseButtonRelease: {
        const bool click =
            pressedLabel_ == label && board_.Label(index)->rect().contains(event->position().toPoint());
        pressedLabel_ = nullptr;
        if (click)
            workspace_.Label1_Click(index);
        break;
    }
    case QEvent::MouseButtonDblClick:
        pressedLabel_ = nullptr; // the release that follows is no click
        workspace_.Label1_DblClick(index);
        break;
    default:
        break;
    }
    return true;
}

bool BoardEvents::BarEvent(int index, QMouseEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        const QPointF at = PxToTwips(event->position());
        workspace_.Picture3_MouseMove(index, ButtonSet(event->buttons()), 0, at.x(), at.y());
    }
    return true; // presses on a bar are not presses on the board
}

bool BoardEvents::PaletteEvent(QMouseEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        const QPointF at = PxToTwips(event->position());
        workspace_.Picture4_MouseDown(ButtonSet(event->button()), 0, at.x(), at.y());
    }
    return true;
}
