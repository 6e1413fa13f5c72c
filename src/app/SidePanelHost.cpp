#include "app/SidePanelHost.h"

#include "platform/Screens.h"
#include "platform/widgets/Widgets.h"

#include <QFrame>

namespace pelcor {

namespace {

constexpr int kCollapsed = 12;
constexpr int kOpen = 322;

} // namespace

SidePanelHost::SidePanelHost(Screens& screens, QWidget* toolbar, bool animate)
    : screens_(screens), toolbar_(toolbar), animate_(animate) {
    leftColumn_ << toolbar;
}

void SidePanelHost::AddToLeftColumn(QWidget* widget) {
    leftColumn_ << widget;
}

void SidePanelHost::AddPanel(QWidget* panel, bool collapses) {
    panels_ << panel;
    if (collapses) collapsing_ << panel;
    panel->setGeometry(19, 12, 149, kCollapsed);
    panel->hide();
}

void SidePanelHost::AddCompanion(QWidget* widget) {
    companions_ << widget;
}

void SidePanelHost::SetLeftColumnVisible(bool visible) {
    for (QWidget* w : leftColumn_)
        w->setVisible(visible);
}

bool SidePanelHost::Toggle(QWidget* panel) {
    panel->move(toolbar_->x() + 2, toolbar_->y() + 5);
    if (!panel->isHidden()) {
        SetLeftColumnVisible(true);
        panel->hide();
        return false;
    }
    CloseSidePanels();
    SetLeftColumnVisible(false);
    panel->show();
    panel->raise();
    AnimateHeight(panel, kOpen, 2, animate_);
    return true;
}

void SidePanelHost::CloseSidePanels() {
    if (screens_.isShown(ScreenPicture::Picture2)) {
        screens_.showDisplayMode(screens_.savedDisplayMode());
        screens_.resetIdle();
        screens_.setIdleTimerRunning(true);
    }
    for (QWidget* w : companions_)
        w->hide();
    for (QWidget* p : panels_)
        p->hide();
    for (QWidget* p : collapsing_)
        p->resize(p->width(), kCollapsed);
}

void SidePanelHost::CloseAll() {
    SetLeftColumnVisible(true);
    for (QWidget* p : panels_)
        p->hide();
}

} // namespace pelcor
