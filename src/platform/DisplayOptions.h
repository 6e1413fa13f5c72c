#pragma once

namespace pelcor {

// The user's display options as the features read them. The window's options answer; a
// feature asks each time it needs one, so a change in the option panels counts at once.
class DisplayOptions {
public:
    virtual ~DisplayOptions() = default;
    // ScreenHelpOn: "Screen help is enabled", the screen may show the constants' pictures.
    virtual bool screenHelpOn() const = 0;
    // "Wire Frame ON" of the draw-mode panel.
    virtual bool wireFrameOn() const = 0;
};

} // namespace pelcor
