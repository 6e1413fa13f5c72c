#pragma once

#include <QContextMenuEvent>
#include <QEvent>
#include <QMouseEvent>

namespace pelcor {

// A press that the reference controls take as "any other button" than the left one: a
// mouse press with another button, or the keyboard's menu key, so that what a right click
// does can be done without a mouse too. (The right click's own menu request is not one:
// its press already was.)
inline bool IsOtherButtonPress(const QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress)
        return static_cast<const QMouseEvent*>(event)->button() != Qt::LeftButton;
    if (event->type() == QEvent::ContextMenu)
        return static_cast<const QContextMenuEvent*>(event)->reason() ==
               QContextMenuEvent::Keyboard;
    return false;
}

} // namespace pelcor
