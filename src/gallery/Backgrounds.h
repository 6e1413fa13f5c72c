#pragma once

#include "platform/Colors.h"

#include "platform/Surface.h"

namespace pelcor::gallery {

// The colour every figure is drawn on.
inline constexpr int BackgroundColor = colors::BoardBackground;

// What the draw-mode options say when a picture is cleared.
struct ClearOptions {
    bool wireFrameOn = false;  // "Wire Frame ON" is ticked
    bool boardVisible = false; // the drawing board is the visible picture
};

// Fills the whole picture with `color`, or with white while "Wire Frame ON" is ticked and
// the drawing board is visible. The brush keeps that colour, solid.
void ClearBoard(Surface& canvas, int color, ClearOptions options);

// The flat background: a 12-pixel grey grid through the centre and red axes.
void FlatGrid(Surface& canvas);

// The 3-D background: a back wall, a left wall and a floor in grey, with three red axes
// from the corner where they meet.
void PerspectiveGrid(Surface& canvas);

} // namespace pelcor::gallery
