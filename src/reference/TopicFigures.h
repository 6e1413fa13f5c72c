#pragma once

#include "platform/Canvas.h"

namespace pelcor {

// The small figures some science topics draw around their labels (charges, field lines,
// fraction bars, the wire loop, the particle's path, the Ohm's law triangle). Topics
// without a figure draw nothing.
void DrawTopicFigure(Canvas& canvas, int tag);

} // namespace pelcor
