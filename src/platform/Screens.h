#pragma once

#include "platform/Surface.h"

#include <QImage>
#include <QSize>

#include <string>

namespace pelcor {

// Which picture the 320 x 320 screen shows.
enum class DisplayMode {
    Start = 0,     // Image1, the start picture
    Gallery = 1,   // Picture1, the figure gallery and the trigonometric sheets
    Sheets = 2,    // Picture2, the formula topics
    Board = 3,     // Picture11, the drawing board
    Reference = 4, // RefLabel, the electrical reference
};

// The pictures that share the screen's place.
enum class ScreenPicture { Image1, Picture1, Picture2, Picture11, ViewerImage, RefLabel };

// The screen's host: features ask it to switch the screen and to restart the idle count,
// and never show or hide another feature's picture themselves.
class Screens {
public:
    virtual ~Screens() = default;
    virtual DisplayMode displayMode() const = 0;
    // DisplayMode := mode without showing it yet.
    virtual void setDisplayMode(DisplayMode mode) = 0;
    // ShowDisplayMode: the picture of the current mode and the menu items that go with it.
    virtual void showDisplayMode() = 0;
    // Both steps at once.
    void showDisplayMode(DisplayMode mode) {
        setDisplayMode(mode);
        showDisplayMode();
    }
    // The mode remembered while a sheet or the electrical reference borrows the screen.
    virtual DisplayMode savedDisplayMode() const = 0;
    virtual void setSavedDisplayMode(DisplayMode mode) = 0;
    // IdleCountdown := 12000 (user activity).
    virtual void resetIdle() = 0;
    // Timer1, which counts the idle time and drives the orbit animation.
    virtual void setIdleTimerRunning(bool running) = 0;
    // The gallery clock stops (Timer2, and the clock until its figure is shown again): the
    // toolbar stops it, and so does every picture that takes the gallery's place.
    virtual void stopClock() = 0;

    // Shows `picture` and hides the other pictures of the screen, leaving DisplayMode as it
    // is (a constant's picture, the viewer, the orbit animation, a library image).
    virtual void showOnly(ScreenPicture picture) = 0;
    virtual bool isShown(ScreenPicture picture) const = 0;
    // How `picture` (Picture1, Picture2 or Picture11) was drawn, to draw it again on another
    // surface (a vector picture, a printed page).
    virtual SurfaceDrawing pictureDrawing(ScreenPicture) const { return {}; }
    // The title label `Formula` over the screen (a trigonometric sheet's title); empty
    // hides it.
    virtual void setTitle(const std::string& text) = 0;

    // The pictures a feature puts on the screen without drawing them itself: a constant's
    // picture or an orbit frame on Image1 (stretched over the screen), a picture in the
    // viewer's ViewerImage (at its size, in the upper three quarters of the screen). A null
    // image empties the picture.
    virtual void setPicture(ScreenPicture, const QImage&) {}
    // The size a picture is shown at.
    virtual QSize pictureSize(ScreenPicture) const { return {320, 320}; }
    // Hides `picture` and leaves the others and DisplayMode as they are (the viewer closing,
    // a sheet leaving the electrical reference).
    virtual void hidePicture(ScreenPicture) {}
    // The electrical reference's text in RefLabel, on `background` (0x00BBGGRR), each line
    // ended by a carriage return.
    virtual void setReferenceText(const std::string&, int /*background*/) {}
};

} // namespace pelcor
