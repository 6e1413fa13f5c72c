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

void InfoLine::restoreHighlightedConst() {
    if (!highlighted_ || highlighted_->palette().color(QPalette::Window) != Qt::white) return;
    QPalette pal = highlighted_->palette();
    pal.setColor(QPalette::Window, savedColor_);
    highlighted_->setPalette(pal);
}

void InfoLine::ClearInfo() {
    if (InfoLock != 0) return;
    InfoLock = 0;
    label_->clear();
    restoreHighlightedConst();
    if (onClear) onClear();
}

void InfoLine::ShowHelp(QLabel* constant) {
    if (InfoLock != 0) return;
    restoreHighlightedConst();
    highlighted_ = constant;
    savedColor_ = constant->palette().color(QPalette::Window);
    constant->setAutoFillBackground(true);
    QPalette pal = constant->palette();
    pal.setColor(QPalette::Window, Qt::white);
    constant->setPalette(pal);
}

} // namespace pelcor
