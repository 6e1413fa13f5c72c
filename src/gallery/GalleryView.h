#pragma once

#include "gallery/Gallery.h"
#include "platform/DisplayOptions.h"

#include <QObject>

class QTimer;

namespace pelcor {

class PictureBox;
class Screens;

// The gallery on the screen: draws the figures on Picture1 and runs the clock's timer
// Timer2. The arrow, "#" and "Img" buttons live on the toolbar, which calls the handlers.
class GalleryView : public QObject {
    Q_OBJECT
public:
    // A figure is cleared white while "Wire Frame ON" (`options`) is ticked and the drawing
    // board is the visible picture (`screens`); `clock` is where the clock reads the time.
    GalleryView(PictureBox* picture1, Screens& screens, const DisplayOptions& options,
                gallery::ClockSource& clock = gallery::SystemClock(), QObject* parent = nullptr);

    // The toolbar's arrows (BitBtn23, BitBtn22): the gallery takes the screen and shows the
    // next or the previous figure.
    void RightArrowClick();
    void LeftArrowClick();
    // The gallery takes the screen and shows the current figure again without stepping
    // ("Screen setup" Mode 1, and start-up with a gallery position restored).
    void ShowCurrentFigure();
    // "#" (BitBtn26): solids between filled and wire frame; the figure is drawn again.
    void SolidClick();
    // "CLS" away from the drawing board: Picture1, when it is shown, is cleared to the
    // board's background.
    void ClearScreen();

    // Timer2 stopped (the toolbar, pictures that take the screen) or enabled again; an
    // enabled timer whose clock is not shown stops itself at its next tick.
    void stopClock();
    void enableClock();
    // Timer2's tick: the clock drawn again while it is shown; otherwise the timer stops.
    void Timer2Timer();

    // The gallery position, saved in the settings.
    int FigureIndex() const { return gallery_.FigureIndex(); }
    void setFigureIndex(int index) { gallery_.SetFigureIndex(index); }

    gallery::Gallery& gallery() { return gallery_; }
    const gallery::Gallery& gallery() const { return gallery_; }
    QTimer* timer2() const { return timer2_; }

private:
    void ShowFigure();
    void Step(void (gallery::Gallery::*step)());
    void Describe();

    PictureBox* picture1_;
    Screens& screens_;
    const DisplayOptions& options_;
    gallery::Gallery gallery_;
    gallery::ClearOptions shownOptions_; // how the figure shown was cleared
    QTimer* timer2_;
};

} // namespace pelcor
