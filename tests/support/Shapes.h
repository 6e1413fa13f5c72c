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

// A drawing with a shape of every kind, every form of the solids and polygons, outlined
// and filled, spread over the board with little overlap.
inline DrawingList EveryKindFormAndFill() {
    DrawingList list;
    auto add = [&list](const ShapeRecord& s, int pen, int fill, bool filled) {
        list.AppendShape(s,
                         {pen, fill, filled ? Fill::Solid : Fill::Outline, DefaultBackgroundColor});
    };
    add(Shape("LINE", 10, 10, 90, 40), 16777215, 0, false);
    add(Shape("LINE", 20, 60, 25, 150), 255, 0, false);
    add(Shape("SQUARE", 110, 12, 170, 52), 16711680, 65535, true);
    add(Shape("SQUARE", 180, 12, 230, 60), 0, 0, false);
    add(Shape("ELLIPSE", 240, 10, 310, 50), 65280, 255, true);
    add(Shape("ELLIPSE", 240, 60, 300, 100), 16777215, 0, false);
    for (int form = 0; form <= 4; ++form) { // circle, cylinder, cone, frustum, sphere
        ShapeRecord c = Circle(40 + form * 60, 200, 22);
        c.Aux1 = 20, c.Aux2 = form;
        add(c, form % 2 ? 255 : 16777215, 65280 + form * 40, form % 2 == 0);
    }
    ShapeRecord t = Triangle();
    t.X1 -= 90, t.X3 -= 90, t.X4 -= 90, t.Aux1 -= 90;
    t.Y1 -= 40, t.Y3 -= 40, t.Y4 -= 40, t.Aux2 -= 40;
    add(t, 65535, 0, false);
    for (int form = 0; form <= 3; ++form) { // flat, prism, pyramid, frustum
        ShapeRecord h = Shape("HEXAGON", 45 + form * 75, 290, 18, 6);
        h.Aux1 = 15 * form, h.Aux2 = form, h.Aux3 = 25, h.Aux4 = 4 + form;
        add(h, 8388736 + form, 0, false);
    }
    ShapeRecord up = Shape("PARABOLA", 160, 150), side = Shape("PARABOLA", 200, 110);
    up.X3 = 5, side.X3 = -8, side.Y4 = 1;
    add(up, 255, 0, false);
    add(side, 16711680, 0, false);
    ShapeRecord hyper = Shape("HYPER", 230, 150, 150, 120),
                across = Shape("HYPER", 120, 120, 80, 60);
    across.Y4 = 1;
    add(hyper, 4227327, 0, false);
    add(across, 33023, 0, false);
    ShapeRecord rect = Shape("HYPER1", 280, 240, 20), other = Shape("HYPER1", 100, 250, -15);
    other.Y4 = 1;
    add(rect, 16777215, 0, false);
    add(other, 65535, 0, false);
    ShapeRecord text = Shape("TEXT", 190, 70);
    text.Text = "Area = 12.5", text.FontName = "Arial", text.FontSize = "10";
    text.FontStyle = "Bold";
    add(text, 0, 65535, true);
    return list;
}

} // namespace pelcor::testing
