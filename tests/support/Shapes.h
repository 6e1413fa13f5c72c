#pragma once

#include "drawing/DrawingList.h"

#include <string>

namespace pelcor::testing {

// Shape records as the drawing tools make them, for the board's tests.

inline ShapeRecord Shape(std::string kind, int x1, int y1, int x2 = 0, int y2 = 0) {
    ShapeRecord s;
    s.Kind = std::move(kind);
    s.X1 = x1, s.Y1 = y1, s.X2 = x2, s.Y2 = y2;
    return s;
}

// A circle of radius `r` about (cx, cy): its bounding square and the radius.
inline ShapeRecord Circle(int cx, int cy, int r) {
    ShapeRecord s = Shape("CIRCLE", cx - r, cy - r, cx + r, cy + r);
    s.X3 = s.Y3 = r;
    return s;
}

// The triangle the tool draws about (160, 160) with radius 50.
inline ShapeRecord Triangle() {
    ShapeRecord s = Shape("TRIANGLE", 160, 160, 50, 50);
    s.X3 = 160, s.Y3 = 110, s.X4 = 203, s.Y4 = 185, s.Aux1 = 116, s.Aux2 = 185;
    return s;
}

// The example drawing: a white outline line dragged from (100, 100) to (150, 120), then a
// red circle filled green, centre (160, 160), radius 50, on a fresh board.
inline DrawingList ExampleDrawing() {
    DrawingList list;
    list.AppendShape(Shape("LINE", 150, 120, 100, 100),
                     {16777215, 0, Fill::Outline, DefaultBackgroundColor});
    ShapeRecord circle = Circle(160, 160, 50);
    circle.Aux3 = 30;
    list.AppendShape(circle, {255, 65280, Fill::Solid, DefaultBackgroundColor});
    return list;
}

} // namespace pelcor::testing
