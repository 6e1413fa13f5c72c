#include "platform/widgets/Widgets.h"

#include "platform/Colors.h"

#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QThread>
#include <QToolTip>

namespace pelcor {

QFont ArialFont(int pixelSize, bool bold) {
    QFont f("Arial");
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

QPalette ProgramPalette() {
    const QColor face = ToQColor(colors::BtnFace);
    const QColor shadow = ToQColor(colors::BtnShadow);
    QPalette pal(Qt::black, face, Qt::white, shadow, ToQColor(colors::Mid), Qt::black, Qt::white,
                 Qt::white, face);
    pal.setColor(QPalette::Midlight, ToQColor(colors::Midlight));
    pal.setColor(QPalette::Shadow, ToQColor(colors::DarkShadow));
    pal.setColor(QPalette::Highlight, ToQColor(colors::SelectionBlue));
    pal.setColor(QPalette::HighlightedText, Qt::white);
    pal.setColor(QPalette::AlternateBase, ToQColor(colors::InfoBk));
    pal.setColor(QPalette::ToolTipBase, ToQColor(colors::InfoBk));
    pal.setColor(QPalette::ToolTipText, Qt::black);
    pal.setColor(QPalette::PlaceholderText, shadow);
    pal.setColor(QPalette::Link, Qt::blue);
    pal.setColor(QPalette::LinkVisited, ToQColor(colors::VisitedLink));
    for (QPalette::ColorRole text : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        pal.setColor(QPalette::Disabled, text, shadow);
    pal.setColor(QPalette::Disabled, QPalette::Base, face);
    pal.setColor(QPalette::Disabled, QPalette::Highlight, shadow);
    return pal;
}

void UseProgramPalette(QWidget* window) {
    const QPalette pal = ProgramPalette();
    window->setPalette(pal);
    // Menus and hints are windows of their own: they do not take their parent's palette.
    for (QMenu* menu : window->findChildren<QMenu*>())
        menu->setPalette(pal);
    QToolTip::setPalette(pal);
}

void SetBackground(QWidget* w, int color) {
    w->setAutoFillBackground(true);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, ToQColor(color));
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        pal.setColor(group, QPalette::WindowText, Qt::black);
        pal.setColor(group, QPalette::Text, Qt::black);
    }
    // Only the control's own face: a panel's colour must not reach the edit boxes and
    // buttons inside it.
    if (qobject_cast<QAbstractScrollArea*>(w) || qobject_cast<QLineEdit*>(w))
        pal.setColor(QPalette::Base, ToQColor(color));
    if (qobject_cast<QAbstractButton*>(w)) pal.setColor(QPalette::Button, ToQColor(color));
    w->setPalette(pal);
}

void SetPanelLook(QWidget* panel) {
    panel->setAutoFillBackground(true);
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, ToQColor(colors::BtnFace));
    pal.setColor(QPalette::Button, ToQColor(colors::BtnFace));
    pal.setColor(QPalette::Base, ToQColor(colors::White));
    for (QPalette::ColorRole text : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        pal.setColor(text, ToQColor(colors::Black));
    panel->setPalette(pal);
}

void SetPaletteColor(QWidget* w, QPalette::ColorRole role, const QColor& color) {
    QPalette pal = w->palette();
    pal.setColor(role, color);
    w->setPalette(pal);
}

void SetFontColor(QWidget* w, int color) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::ButtonText, ToQColor(color));
    pal.setColor(QPalette::WindowText, ToQColor(color));
    pal.setColor(QPalette::Text, ToQColor(color));
    w->setPalette(pal);
}

int FontColor(const QWidget* w) {
    return FromQColor(w->palette().color(QPalette::ButtonText));
}

QFrame* MakePanel(const QString& name, QWidget* parent, int left, int top, int width, int height,
                  bool raised) {
    auto* f = new QFrame(parent);
    f->setObjectName(name);
    f->setFrameShape(QFrame::Panel);
    f->setFrameShadow(raised ? QFrame::Raised : QFrame::Sunken);
    f->setGeometry(left, top, width, height);
    f->setAutoFillBackground(true);
    return f;
}

QLabel* MakeLabel(const QString& name, const QString& caption, QWidget* parent, int left, int top,
                  int width, int height) {
    auto* l = new QLabel(caption, parent);
    l->setObjectName(name);
    l->setGeometry(left, top, width, height);
    return l;
}

QPushButton* MakeButton(const QString& name, const QString& caption, QWidget* parent, int left,
                        int top, int width, int height) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setGeometry(left, top, width, height);
    return b;
}

QCheckBox* MakeCheckBox(const QString& name, const QString& caption, QWidget* parent, int left,
                        int top, int width, int height) {
    auto* b = new QCheckBox(caption, parent);
    b->setObjectName(name);
    b->setGeometry(left, top, width, height);
    return b;
}

QPixmap GlyphPicture(const QString& text, int width, int height, bool bold) {
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setFont(ArialFont(height - 4, bold));
    p.setPen(Qt::black);
    p.drawText(QRect(0, 0, width, height), Qt::AlignCenter, text);
    return pixmap;
}

void AnimateHeight(QWidget* panel, int toHeight, int step, bool animate) {
    if (!animate) {
        panel->resize(panel->width(), toHeight);
        panel->repaint();
        return;
    }
    while (panel->height() != toHeight) {
        const int h = panel->height();
        const int next = h < toHeight ? std::min(toHeight, h + step) : std::max(toHeight, h - step);
        panel->resize(panel->width(), next);
        panel->repaint();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QThread::msleep(2);
    }
}

} // namespace pelcor
