#include "app/InfoLine.h"

#include "platform/Colors.h"
#include "platform/widgets/Widgets.h"

#include <QApplication>
#include <QEvent>
#include <QHelpEvent>
#include <QLabel>
#include <QPainter>
#include <QToolTip>

namespace pelcor {

namespace {

// The line's label: centred as it is meant to be while its text fits; a longer text shows
// its start and ends in "...", and its hint is the whole text.
class InfoLabel : public QLabel {
public:
    explicit InfoLabel(QWidget* parent) : QLabel(parent) {}

    bool fits() const { return fontMetrics().horizontalAdvance(text()) <= contentsRect().width(); }

protected:
    void paintEvent(QPaintEvent* event) override {
        if (fits()) return QLabel::paintEvent(event);
        QPainter painter(this);
        painter.setPen(palette().color(foregroundRole()));
        const QRect r = contentsRect().adjusted(2, 0, -2, 0);
        painter.drawText(r, Qt::AlignLeft | Qt::AlignVCenter,
                         fontMetrics().elidedText(text(), Qt::ElideRight, r.width()));
    }
    bool event(QEvent* e) override {
        if (e->type() == QEvent::ToolTip && toolTip().isEmpty()) {
            // A text put into the line directly still has the whole of it as its hint.
            if (!fits()) {
                QToolTip::showText(static_cast<QHelpEvent*>(e)->globalPos(), text(), this);
                return true;
            }
        }
        return QLabel::event(e);
    }
};

} // namespace

InfoLine::InfoLine(QWidget* parent) {
    label_ = new InfoLabel(parent);
    label_->setObjectName("InfoLbl");
    label_->setGeometry(272, 358, 349, 19);
    label_->setAlignment(Qt::AlignCenter);
    label_->setFont(ArialFont(12));
    SetBackground(label_, colors::InfoBk);
    // A screen reader reads the message as the line's name (a label without a name of its
    // own is named by its text, and reports each change of it).
    label_->setAccessibleDescription("Information line");
    WatchClearing(label_);
}

void InfoLine::Show(const std::string& text) {
    Release();
    label_->setText(Q(text));
    const bool whole = static_cast<InfoLabel*>(label_)->fits();
    label_->setToolTip(whole ? QString() : label_->text());
    label_->setAccessibleDescription(whole ? QString("Information line") : label_->text());
}

void InfoLine::ShowHeld(const std::string& text) {
    Show(text);
    if (text.empty()) return;
    held_ = true;
    qApp->installEventFilter(this);
}

void InfoLine::Release() {
    if (!held_) return;
    held_ = false;
    qApp->removeEventFilter(this);
}

std::string InfoLine::Text() const {
    return S(label_->text());
}

void InfoLine::WatchClearing(QWidget* widget) {
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
    clearing_ << widget;
}

bool InfoLine::eventFilter(QObject* watched, QEvent* event) {
    if (held_ && (event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonPress))
        Release();
    if (event->type() != QEvent::MouseMove) return false;
    if (clearing_.contains(watched)) ClearInfo();
    return false;
}

void InfoLine::ClearInfo() {
    if (InfoLock != 0 || held_) return;
    label_->clear();
    emit cleared();
}

} // namespace pelcor
