#pragma once

#include "platform/Surface.h"

namespace pelcor {

// The small figures some science topics draw around their labels (charges, field lines,
// fraction bars, the wire loop, the particle's path, the Ohm's law triangle). Topics
// without a figure draw nothing.
void DrawTopicFigure(Surface& canvas, int tag);

} // namespace pelcor
