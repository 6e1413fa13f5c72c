#include "gallery/GalleryView.h"

#include "platform/Colors.h"
#include "platform/Screens.h"
#include "platform/widgets/PictureBox.h"

#include <QTimer>

namespace pelcor {

GalleryView::GalleryView(PictureBox* picture1, Screens& screens, const DisplayOptions& options,
                         gallery::ClockSource& clock, QObject* parent)
    : QObject(parent ? parent : picture1), picture1_(picture1), screens_(screens),
      options_(options), gallery_(clock), timer2_(new QTimer(this)) {
    setObjectName("GalleryView");
    timer2_->setObjectName("Timer2");
    timer2_->setInterval(1000);
    connect(timer2_, &QTimer::timeout, this, &GalleryView::Timer2Timer);
    // Enabled at start: its first tick finds the clock not shown and stops it.
    timer2_->start();
}

void GalleryView::Step(void (gallery::Gallery::*step)()) {
    screens_.resetIdle();
    screens_.showDisplayMode(DisplayMode::Gallery);
    if (step) (gallery_.*step)();
    ShowFigure();
}

void GalleryView::RightArrowClick() {
    Step(&gallery::Gallery::StepForward);
}

void GalleryView::LeftArrowClick() {
    Step(&gallery::Gallery::StepBack);
}

void GalleryView::ShowCurrentFigure() {
    Step(nullptr);
}

void GalleryView::SolidClick() {
    gallery_.ToggleSolidMode();
    ShowFigure();
}

void GalleryView::stopClock() {
    timer2_->stop();
    gallery_.StopClock();
}

void GalleryView::ClearScreen() {
    if (!screens_.isShown(ScreenPicture::Picture1)) return;
    picture1_->canvas().clear(colors::BoardBackground);
    picture1_->setDrawing([](Surface& s) { s.clear(colors::BoardBackground); });
    picture1_->update();
}

void GalleryView::enableClock() {
    timer2_->start();
}

void GalleryView::ShowFigure() {
    timer2_->stop();
    shownOptions_ = {options_.wireFrameOn(), screens_.isShown(ScreenPicture::Picture11)};
    gallery_.ShowFigure(picture1_->canvas(), shownOptions_);
    // Showing the clock ran its first tick, which starts the timer.
    if (gallery_.ClockRunning()) timer2_->start();
    Describe();
}

void GalleryView::Timer2Timer() {
    timer2_->stop();
    if (!gallery_.ClockTick(picture1_->canvas())) return;
    Describe();
    timer2_->start();
}

void GalleryView::Describe() {
    // The figure as it stands now, to draw again (the clock at the time it is drawn).
    picture1_->setDrawing([gallery = gallery_, options = shownOptions_](Surface& surface) mutable {
        gallery.ShowFigure(surface, options);
    });
    picture1_->setAccessibleDescription(QString::fromStdString(gallery_.Description()));
    picture1_->update();
}

} // namespace pelcor
