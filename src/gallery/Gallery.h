#pragma once

#include "gallery/Backgrounds.h"
#include "gallery/Clock.h"
#include "gallery/Solids.h"
#include "platform/Surface.h"

#include <string>
#include <string_view>

namespace pelcor::gallery {

// The figure gallery: fifteen figures shown one at a time on a 320 x 320 picture (0 the
// clock, 1 to 5 the solids, 9 the helix, the rest function plots), stepped forward and
// back, with the solids drawn filled or as wire frames.
class Gallery {
public:
    static constexpr int FigureCount = 15;
    static constexpr int ClockFigure = 0;

    explicit Gallery(ClockSource& source = SystemClock()) : clock_(source) {}

    int FigureIndex() const { return figureIndex_; }
    // An index outside 0..14 (a damaged settings line) gives figure 0.
    void SetFigureIndex(int index);
    // The next figure (after 14 comes 0) or the previous one (before 0 comes 14); the
    // clock stops until a figure is shown.
    void StepForward();
    void StepBack();

    void SetSolidMode(SolidMode mode) { solidMode_ = mode; }
    void SetSolidMode(std::string_view text) { solidMode_ = SolidModeFromText(text); }
    // "#": wire frame unless it is already the wire frame, then solid.
    void ToggleSolidMode();

    int CaptionFormula() const { return captionFormula_; }
    bool ClockRunning() const { return clockRunning_; }
    // Another picture takes Picture1 or the toolbar is used: the clock stops until the
    // clock figure is shown again.
    void StopClock() { clockRunning_ = false; }

    // Clears the picture and draws figure FigureIndex. The clock figure sets ClockRunning
    // and runs one tick; every other figure clears it.
    void ShowFigure(Surface& canvas, ClearOptions options);
    // The title font (Arial, bold, size 12, brush clear); draws the general formula chosen
    // by CaptionFormula in white, then turns the font yellow for the title.
    void StyleCaption(Surface& canvas) const;
    // One clock tick while ClockRunning; false (nothing drawn) otherwise.
    bool ClockTick(Surface& canvas);

    // What the picture shows in words: the figure's title, or for the clock the time text
    // of the last tick.
    std::string Description() const;

private:
    void DrawTitle(Surface& canvas) const;

    int figureIndex_ = 0;
    SolidMode solidMode_ = SolidMode::Solid;
    int captionFormula_ = 0;
    bool clockRunning_ = false;
    Clock clock_;
};

} // namespace pelcor::gallery
