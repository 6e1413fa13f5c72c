#pragma once

#include "platform/Canvas.h"
#include "platform/ProgramFiles.h"
#include "reference/PictureCache.h"

#include <QPoint>

#include <array>
#include <functional>
#include <memory>
#include <string>

namespace pelcor {

// The orbit animation: the Sun with Mercury, Venus, Earth, Mars and Jupiter on elliptical
// paths over a star field, drawn at 1000 x 1000 one frame per idle tick. It also keeps the
// idle countdown that starts it after a long quiet time.
//
// The window's Timer1 handler, once the splash is over, calls idleStep() on every tick;
// user activity calls resetIdle(); "Orbit" calls toggle().
class OrbitAnimation {
public:
    enum Planet { Mercury, Venus, Earth, Mars, Jupiter };
    static constexpr int PlanetCount = 5;
    static constexpr int IdleTicks = 12000;
    static constexpr int FrameSize = 1000;

    // The files the frames are made of, beside the program.
    static constexpr const char* BackgroundFile = "CalcLibrary\\Space.jpg";
    static constexpr const char* StartPictureFile = "Splash1.jpg";

    // `random` gives numbers uniformly in [0, 1); it places the planets when a run starts.
    OrbitAnimation(ProgramFiles files, std::function<double()> random);

    // What one idle tick asks of the screen.
    struct IdleStep {
        bool started = false;             // show the animation's picture instead of the others
        bool drawFrame = false;           // draw the next frame
        bool restoreStartPicture = false; // put the start picture back and show the mode
    };
    IdleStep idleStep();
    int idleCountdown() const { return idleCountdown_; }
    // IdleCountdown := 12000: user activity. A running animation stops at the next tick.
    void resetIdle() { idleCountdown_ = IdleTicks; }
    // Asks the next quiet tick to put the start picture back.
    void requestStartPicture() { restoreStartPicture_ = true; }
    bool startPictureRequested() const { return restoreStartPicture_; }

    // "Orbit": stops a running animation and releases its frame, or starts one whose first
    // frame the next idle tick draws. Returns whether the animation now runs.
    bool toggle();
    bool running() const { return running_; }

    // Draws the next frame. A planet picture that cannot be opened stops the animation
    // (as after user activity) and returns false with the message to show.
    bool drawFrame(std::string* message);
    // The last frame drawn, 1000 x 1000; null before the first.
    const QImage& frame() const;

    double angle(Planet p) const { return angles_[p]; }
    void setAngle(Planet p, double degrees) { angles_[p] = degrees; }
    // Where the planet was drawn in the last frame (before its picture's margins).
    QPoint position(Planet p) const { return positions_[p]; }
    int starLevel1() const { return c1_; }

    PictureCache& pictures() { return pictures_; }
    const ProgramFiles& files() const { return files_; }

private:
    void placePlanets();
    // The picture of a file beside the program, or null with the message.
    const QImage* picture(const char* name, std::string* message);
    void drawSunAndMercury(Canvas& c);

    ProgramFiles files_;
    std::function<double()> random_;
    PictureCache pictures_;
    std::unique_ptr<Canvas> frame_;
    QImage background_; // the star field, held while Space.jpg is missing
    QImage stretchedBackground_;
    qint64 stretchedKey_ = -1;
    QImage jupiter_; // Jupiter's picture changes every third frame

    int idleCountdown_ = IdleTicks;
    bool running_ = false;
    bool restoreStartPicture_ = false;
    std::array<double, PlanetCount> angles_{};
    std::array<QPoint, PlanetCount> positions_{};
    int c1_ = 0;
    int c2_ = 0;
    int k_ = 0;
};

} // namespace pelcor
