#pragma once

#include "platform/Screens.h"

#include <string>

namespace pelcor {

// The electrical reference: sixteen unit identities shown over the drawing board while the
// screen is in its reference mode, opened and closed by "Electrical ref data".
class ElectricalReference {
public:
    // The reference's text: sixteen lines, each ended by a carriage return (UTF-8).
    static const std::string& Text();
    // The reference's background, (192, 192, 240).
    static constexpr int Background = 192 + 256 * 192 + 65536 * 240;

    enum class Toggle {
        Ignored, // the text editor's memo is open: nothing happens
        Opened,  // the screen shows the reference: fill the label, enable "Print", disable
                 // "Save Text File" and release the information line's lock
        Closed,  // the screen is back in the mode it came from: drop any pending tool or
                 // selection, show the board picture, put the start picture back at the
                 // next idle tick
    };

    explicit ElectricalReference(Screens& screens) : screens_(screens) {}

    // "Electrical ref data": switches the screen to the reference or back to the mode it
    // was opened from, with the idle timer stopped while it opens. The caller does the
    // controls' part of what the result names.
    Toggle toggle(bool textEditorOpen);
    // The reference shown by another route (stepping the screens), coming from `from`: a
    // later toggle goes back there.
    void shownFrom(DisplayMode from) { cameFrom_ = from; }

private:
    Screens& screens_;
    DisplayMode cameFrom_ = DisplayMode::Board;
};

} // namespace pelcor
