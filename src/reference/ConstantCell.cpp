#include "reference/ConstantCell.h"

#include "platform/Colors.h"

#include <QFocusEvent>
#include <QMouseEvent>
#include <QPainter>

namespace pelcor {

ConstantCell::ConstantCell(const QString& name, int tag, const QString& caption, int color,
                           QWidget* parent)
    : QAbstractButton(parent), tag_(tag), color_(color), shown_(color) {
    setObjectName(name);
    setProperty("Tag", tag);
    setText(caption);
    QFont f("Arial");
    f.setPixelSize(11); // 8 points
    setFont(f);
    setMouseTracking(true);
    // Reached by Tab; a mouse click leaves the focus where it is.
    setFocusPolicy(Qt::TabFocus);
}

void ConstantCell::paint(int color) {
    if (shown_ == color) return;
    shown_ = color;
    update();
}

void ConstantCell::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), ToQColor(shown_));
    p.setPen(Qt::black);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.drawText(rect(), Qt::AlignCenter, text());
    if (hasFocus()) {
        QPen dotted(Qt::black, 1, Qt::DotLine);
        p.setPen(dotted);
        p.drawRect(rect().adjusted(2, 2, -3, -3));
    }
}

void ConstantCell::mouseMoveEvent(QMouseEvent* event) {
    emit hovered();
    QAbstractButton::mouseMoveEvent(event);
    // Kept from the panel behind, whose pointer movement clears the information line.
    event->accept();
}

void ConstantCell::focusInEvent(QFocusEvent* event) {
    QAbstractButton::focusInEvent(event);
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        emit hovered();
}

} // namespace pelcor
