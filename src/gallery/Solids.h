#pragma once

#include "platform/Surface.h"

#include <string_view>

namespace pelcor::gallery {

// How the 3-D figures are drawn: faces filled in shades of cyan, or white outlines.
enum class SolidMode { Solid, Wire };

// A mode given as text: "wire" in any case is the wire frame, every other text (the empty
// one too) the solid rendering.
SolidMode SolidModeFromText(std::string_view text);

// The five solids, at fixed places of a 320 x 320 picture.
void DrawBox(Surface& canvas, SolidMode mode);
void DrawCylinder(Surface& canvas, SolidMode mode);
void DrawTruncCone(Surface& canvas, SolidMode mode);
void DrawCone(Surface& canvas, SolidMode mode);
void DrawEllipsoid(Surface& canvas, SolidMode mode);
// Five turns of a helix, the same in both modes.
void DrawHelix(Surface& canvas);

} // namespace pelcor::gallery
