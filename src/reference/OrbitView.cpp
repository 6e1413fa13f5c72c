#include "reference/OrbitView.h"

#include <QImage>

#include <random>

namespace pelcor {

namespace {

std::function<double()> SystemRandom() {
    auto engine = std::make_shared<std::mt19937>(std::random_device{}());
    return [engine] { return std::generate_canonical<double, 32>(*engine); };
}

} // namespace

OrbitView::OrbitView(Screens& screens, Reporter& reporter, ProgramFiles files,
                     std::function<double()> random, QObject* parent)
    : QObject(parent), screens_(screens), reporter_(reporter),
      model_(std::move(files), random ? std::move(random) : SystemRandom()) {}

void OrbitView::Timer1Idle() {
    screens_.setIdleTimerRunning(false);
    const OrbitAnimation::IdleStep step = model_.idleStep();
    if (step.started) screens_.showOnly(ScreenPicture::Image1);
    if (step.drawFrame) drawFrame();
    if (step.restoreStartPicture) restoreStartPicture();
    screens_.setIdleTimerRunning(true);
}

void OrbitView::PlanetButtClick() {
    emit closeEditFrameRequested();
    if (model_.toggle()) {
        screens_.setIdleTimerRunning(true);
        screens_.showOnly(ScreenPicture::Image1);
    } else {
        screens_.showDisplayMode();
        // The start picture comes back rather than the last frame staying in its place.
        model_.requestStartPicture();
        screens_.setIdleTimerRunning(true);
    }
    emit focusReturnRequested();
}

void OrbitView::drawFrame() {
    screens_.setTitle("");
    std::string message;
    if (!model_.drawFrame(&message)) {
        // Said once: the run has stopped, and the screen shows its mode again.
        screens_.showDisplayMode();
        reporter_.showMessage(message);
        return;
    }
    showOnImage1(model_.frame());
}

void OrbitView::restoreStartPicture() {
    const QImage& start =
        model_.pictures().get(model_.files().resolve(OrbitAnimation::StartPictureFile));
    if (!start.isNull()) showOnImage1(start);
    screens_.showDisplayMode();
}

void OrbitView::showOnImage1(const QImage& picture) {
    const QSize size = screens_.pictureSize(ScreenPicture::Image1);
    screens_.setPicture(ScreenPicture::Image1,
                        picture.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation));
}

} // namespace pelcor
