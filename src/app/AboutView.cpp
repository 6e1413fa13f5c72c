#include "app/AboutView.h"

#include "app/MainMenu.h"
#include "platform/Colors.h"
#include "platform/Shell.h"
#include "platform/widgets/Widgets.h"

#include <QAction>
#include <QEvent>
#include <QFrame>
#include <QLabel>

namespace pelcor {

namespace {

// The publisher's details shipped with the program.
const char* const kPublisherName = "Pelcor educational software";
const char* const kNotice = "Free for students and teachers";
const char* const kAddress = "Pelcor Software, PO Box 1000";
const char* const kSupport = "Support: support@pelcor.example";
const char* const kWebSite = "http://www.pelcor.example/";

constexpr int kClosedHeight = 10;
constexpr int kBoardHeight = 320;

} // namespace

const char* AboutView::WebSite() {
    return kWebSite;
}

AboutView::AboutView(MainMenu& menu, Shell& shell, QWidget* parent, bool animate)
    : menu_(menu), shell_(shell), animate_(animate) {
    panel_ = MakePanel("AboutPanel", parent, 155, 8, 317, kClosedHeight);
    SetBackground(panel_, colors::AboutPanel);
    panel_->installEventFilter(this);

    auto label = [this](const char* name, const QString& text, int top, int height = 16) {
        QLabel* l = MakeLabel(name, text, panel_, 8, top, 301, height);
        l->setAlignment(Qt::AlignCenter);
        l->installEventFilter(this);
        return l;
    };
    label("NameLbl", kPublisherName, 4, 18)->setFont(ArialFont(14, true));
    image_ = label("AboutImage", {}, 24, 165);
    image_->setGeometry(32, 24, 253, 165);
    image_->setScaledContents(true);
    label("VersLbl", "Calculator Version 1.2.1", 194);
    label("CopyWrLbl", kNotice, 212);
    label("AddrLbl", kAddress, 230);
    label("PhoneLbl", kSupport, 248);
    web_ = label("EmailLbl", kWebSite, 266);
    web_->setCursor(Qt::PointingHandCursor);
    SetFontColor(web_, colors::White);
    panel_->hide();
}

bool AboutView::IsOpen() const {
    return !panel_->isHidden();
}

void AboutView::setMenus(bool enabled) {
    for (QAction* a :
         {menu_.Conversion2, menu_.Edit1, menu_.Options1, menu_.TextEditor1, menu_.Science1,
          menu_.Trigonometric1, menu_.SaveGraphicsFile1, menu_.LoadGraphicsFile1, menu_.HelpFile1})
        a->setEnabled(enabled);
}

void AboutView::AboutUs1Click(const QImage& picture) {
    if (IsOpen()) {
        AnimateHeight(panel_, kClosedHeight, 2, animate_);
        panel_->hide();
        setMenus(true);
        emit closed();
        return;
    }
    setMenus(false);
    if (image_->pixmap().isNull() && !picture.isNull())
        image_->setPixmap(QPixmap::fromImage(picture));
    panel_->setGeometry(155, 8, 320, kClosedHeight);
    panel_->show();
    panel_->raise();
    AnimateHeight(panel_, kBoardHeight, 2, animate_);
}

bool AboutView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == web_) {
        if (event->type() == QEvent::Enter) SetFontColor(web_, 0);
        if (event->type() == QEvent::Leave) SetFontColor(web_, colors::White);
        if (event->type() == QEvent::MouseButtonPress)
            shell_.open(std::string(kWebSite) + "index.html");
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        AboutUs1Click({});
        return true;
    }
    return false;
}

} // namespace pelcor
