#pragma once

#include "drawing/DrawingList.h"

#include <cstddef>
#include <vector>

namespace pelcor {

// Which of the first `count` shapes of a pass are wholly painted over by the filled
// rectangles drawn after them, on a board of width x height, so that drawing them changes
// no pixel of the result. A filled rectangle that is not highlighted (`selected`,
// `secondSelected` are the highlighted numbers) sets every pixel inside its outline in its
// fill colour; a shape whose pixels all lie in such insides of later rectangles, or off the
// board, is covered. Every drawing of the pass must be in copy mode.
std::vector<char> CoveredShapes(const std::vector<ShapeRecord>& shapes, std::size_t count,
                                int width, int height, int selected, int secondSelected);

} // namespace pelcor
