#include "app/InfoLine.h"

#include "platform/Colors.h"
#include "platform/widgets/Widgets.h"

#include <QEvent>
#include <QLabel>

namespace pelcor {

InfoLine::InfoLine(QWidget* parent) {
    label_ = MakeLabel("InfoLbl", {}, parent, 272, 358, 349, 19);
    label_->setAlignment(Qt::AlignCenter);
    label_->setFont(ArialFont(12));
    SetBackground(label_, colors::InfoBk);
    WatchClearing(label_);
}

void InfoLine::Show(const std::string& text) {
    label_->setText(Q(text));
}

std::string InfoLine::Text() const {
    return S(label_->text());
}

void InfoLine::WatchClearing(QWidget* widget) {
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
    clearing_ << widget;
}

void InfoLine::WatchUnlocking(QWidget* widget) {
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
    unlocking_ << widget;
}

bool InfoLine::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseMove) return false;
    if (unlocking_.contains(watched))
        InfoLock = 0;
    else if (clearing_.contains(watched))
        ClearInfo();
    return false;
}

void InfoLine::ClearInfo() {
    if (InfoLock != 0) return;
    label_->clear();
    emit cleared();
}

} // namespace pelcor
