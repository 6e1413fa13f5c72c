#include "app/ScreenHost.h"

#include "app/MainMenu.h"
#include "platform/Colors.h"
#include "platform/widgets/PictureBox.h"
#include "platform/widgets/Widgets.h"

#include <QAction>
#include <QFrame>
#include <QLabel>

namespace pelcor {

ScreenHost::ScreenHost(QWidget* parent, MainMenu& menu, Hooks hooks)
    : menu_(menu), hooks_(std::move(hooks)) {
    panel_ = MakePanel("ScreenPanel", parent, 155, 8, 320, 320, false);
    panel_->setFrameShape(QFrame::NoFrame);
    SetBackground(panel_, colors::Black);
    image1_ = MakeLabel("Image1", {}, panel_, 0, 0, 320, 320);
    image1_->setScaledContents(true);
    picture1_ = new PictureBox("Picture1", 320, 320, colors::BoardBackground, panel_);
    picture2_ = new PictureBox("Picture2", 320, 320, colors::White, panel_);
    picture11_ = new PictureBox("Picture11", 320, 320, colors::BoardBackground, panel_);
    image3_ = MakeLabel("Image3", {}, panel_, 0, 0, 320, 320);
    viewerImage_ = MakeLabel("ViewerImage", {}, panel_, 0, 0, 320, 320);
    refLabel_ = MakeLabel("RefLabel", {}, panel_, 0, 0, 320, 320);
    refLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetBackground(refLabel_, colors::White);
    textLabel_ = MakeLabel("TextLabel", "Text", panel_, 40, 60, 30, 16);
    clabel_ = MakeLabel("Clabel", {}, panel_, 0, 300, 320, 20);
    // A sheet's title: white, centred, over whatever the screen shows.
    formula_ = MakeLabel("Formula", {}, panel_, 0, 286, 320, 24);
    formula_->setAlignment(Qt::AlignCenter);
    formula_->setFont(ArialFont(16, true));
    formula_->setAttribute(Qt::WA_TranslucentBackground);
    SetFontColor(formula_, colors::White);
    for (QWidget* w :
         std::initializer_list<QWidget*>{picture1_, picture2_, picture11_, image3_, viewerImage_,
                                         refLabel_, textLabel_, clabel_, formula_})
        w->hide();
}

void ScreenHost::SetStartPicture(const QImage& picture) {
    startPicture_ = picture;
    ShowStartPicture();
}

void ScreenHost::ShowStartPicture() {
    if (startPicture_.isNull()) return;
    image1_->setPixmap(
        QPixmap::fromImage(startPicture_.scaled(image1_->size(), Qt::IgnoreAspectRatio)
                               .convertToFormat(QImage::Format_RGB888)));
}

void ScreenHost::showDisplayMode() {
    // A sheet's title belongs to the sheet on the gallery's picture.
    if (mode_ != DisplayMode::Gallery) setTitle("");
    image1_->setVisible(mode_ == DisplayMode::Start);
    picture1_->setVisible(mode_ == DisplayMode::Gallery);
    picture2_->setVisible(mode_ == DisplayMode::Sheets);
    picture11_->setVisible(mode_ == DisplayMode::Board);
    refLabel_->setVisible(mode_ == DisplayMode::Reference);
    switch (mode_) {
    case DisplayMode::Start:
        menu_.SaveImageBitmap1->setEnabled(false);
        menu_.SaveGraphicsFile1->setEnabled(false);
        menu_.Printar->setEnabled(false);
        break;
    case DisplayMode::Gallery:
        menu_.SaveImageBitmap1->setEnabled(true);
        menu_.SaveGraphicsFile1->setEnabled(false);
        menu_.Printar->setEnabled(true);
        break;
    case DisplayMode::Sheets:
        menu_.SaveImageBitmap1->setEnabled(true);
        menu_.SaveGraphicsFile1->setEnabled(false);
        menu_.Printar->setEnabled(false);
        hooks_.idleTimerRunning(true);
        break;
    case DisplayMode::Board:
        menu_.SaveImageBitmap1->setEnabled(true);
        menu_.Printar->setEnabled(true);
        break;
    case DisplayMode::Reference: break;
    }
    if (hooks_.modeShown) hooks_.modeShown();
}

QWidget* ScreenHost::widget(ScreenPicture picture) const {
    switch (picture) {
    case ScreenPicture::Image1: return image1_;
    case ScreenPicture::Picture1: return picture1_;
    case ScreenPicture::Picture2: return picture2_;
    case ScreenPicture::Picture11: return picture11_;
    case ScreenPicture::ViewerImage: return viewerImage_;
    case ScreenPicture::RefLabel: return refLabel_;
    }
    return image1_;
}

void ScreenHost::showOnly(ScreenPicture picture) {
    for (ScreenPicture p :
         {ScreenPicture::Image1, ScreenPicture::Picture1, ScreenPicture::Picture2,
          ScreenPicture::Picture11, ScreenPicture::ViewerImage, ScreenPicture::RefLabel})
        widget(p)->setVisible(p == picture);
    widget(picture)->raise();
}

QImage ScreenHost::CurrentPicture() const {
    for (ScreenPicture p :
         {ScreenPicture::Picture11, ScreenPicture::Picture1, ScreenPicture::Picture2}) {
        if (isShown(p)) return static_cast<PictureBox*>(widget(p))->canvas().image();
    }
    return panel_->grab().toImage();
}

SurfaceDrawing ScreenHost::pictureDrawing(ScreenPicture picture) const {
    switch (picture) {
    case ScreenPicture::Picture1: return picture1_->drawing();
    case ScreenPicture::Picture2: return picture2_->drawing();
    case ScreenPicture::Picture11: return picture11_->drawing();
    default: return {};
    }
}

bool ScreenHost::isShown(ScreenPicture picture) const {
    return widget(picture)->isVisibleTo(panel_);
}

void ScreenHost::setTitle(const std::string& text) {
    formula_->setText(Q(text));
    formula_->setVisible(!text.empty());
    if (!text.empty()) formula_->raise();
}

} // namespace pelcor
