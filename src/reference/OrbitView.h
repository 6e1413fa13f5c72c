#pragma once

#include "platform/Reporter.h"
#include "platform/Screens.h"
#include "reference/OrbitAnimation.h"

#include <QObject>

#include <functional>

class QImage;

namespace pelcor {

// The orbit animation in Image1: "Orbit" (PlanetButt) starts and stops it, and the idle
// timer draws its frames and starts it by itself after a long quiet time.
//
// The window's Timer1 handler calls Timer1Idle on every tick once the splash is over; its
// user-activity reset of IdleCountdown calls ResetIdle; PlanetButt's click calls
// PlanetButtClick.
class OrbitView : public QObject {
    Q_OBJECT
public:
    // `random` (numbers in [0, 1)) places the planets; by default a generator seeded from
    // the system.
    OrbitView(Screens& screens, Reporter& reporter, ProgramFiles files,
              std::function<double()> random = {}, QObject* parent = nullptr);

    // The idle step of Timer1: counts down, starts the animation after 12000 quiet ticks,
    // draws a frame per tick while it runs, and puts the start picture back when asked.
    void Timer1Idle();
    // "Orbit".
    void PlanetButtClick();
    // User activity: IdleCountdown := 12000, which stops a running animation at the next
    // tick (its last frame stays until the screen changes).
    void ResetIdle() { model_.resetIdle(); }
    // The next quiet tick puts the start picture back into Image1 and shows the screen's
    // mode again.
    void RequestStartPicture() { model_.requestStartPicture(); }

    OrbitAnimation& model() { return model_; }

signals:
    // The shape edit frame, if open, is to close (before the animation starts or stops).
    void closeEditFrameRequested();
    // The keyboard focus goes back to the text frame's edit box if it is open, else to the
    // readout.
    void focusReturnRequested();

private:
    void drawFrame();
    void restoreStartPicture();
    // A picture stretched to the screen's Image1.
    void showOnImage1(const QImage& picture);

    Screens& screens_;
    Reporter& reporter_;
    OrbitAnimation model_;
};

} // namespace pelcor
