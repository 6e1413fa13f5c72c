#pragma once

// Drawings for the benchmarks: shapes of every kind, their points spread over the board and
// their sizes such as a user draws, the same on every run.

#include "drawing/DrawingList.h"

#include <cmath>
#include <numbers>
#include <random>
#include <string>
#include <vector>

namespace pelcor::benchshapes {

inline const int kPalette[] = {255, 65280, 16711680, 0, 16777215, 65535, 8388736, 4227327, 33023};

struct Rng {
    std::mt19937 g;
    explicit Rng(unsigned seed) : g(seed) {}
    int in(int lo, int hi) {
        return lo + static_cast<int>(g() % static_cast<unsigned>(hi - lo + 1));
    }
};

inline const char* const kKinds[] = {"LINE",    "SQUARE",   "CIRCLE", "ELLIPSE", "TRIANGLE",
                                     "HEXAGON", "PARABOLA", "HYPER",  "HYPER1",  "TEXT"};

// A shape of `kind` with its point anywhere on the board and a size such as a user draws.
inline ShapeRecord Spread(Rng& r, const std::string& kind, bool filledAndPlain = false) {
    ShapeRecord s;
    s.Kind = kind;
    s.X1 = r.in(0, 319);
    s.Y1 = r.in(0, 319);
    s.PenColor = kPalette[r.in(0, 8)];
    s.FillColor = kPalette[r.in(0, 8)];
    if (filledAndPlain || r.in(0, 1)) s.FillMode.assign(1, 'S'); // otherwise "W"
    auto sign = [&r] { return r.in(0, 1) ? 1 : -1; };
    if (kind == "LINE") {
        s.X2 = s.X1 + r.in(-100, 100);
        s.Y2 = s.Y1 + r.in(-100, 100);
    } else if (kind == "SQUARE" || kind == "ELLIPSE") {
        s.X2 = s.X1 + sign() * r.in(10, 80);
        s.Y2 = s.Y1 + sign() * r.in(10, 80);
        s.X3 = std::abs(s.X2 - s.X1) / 2;
        s.Y3 = std::abs(s.Y2 - s.Y1) / 2;
    } else if (kind == "CIRCLE") {
        const int radius = r.in(5, 40);
        s.X1 -= radius, s.Y1 -= radius;
        s.X2 = s.X1 + 2 * radius, s.Y2 = s.Y1 + 2 * radius;
        s.X3 = s.Y3 = radius;
        s.Aux1 = r.in(0, 40);
        s.Aux2 = filledAndPlain ? 0 : r.in(0, 4);
        s.Aux3 = 30;
    } else if (kind == "TRIANGLE") {
        const double radius = r.in(10, 50);
        int* corners[3][2] = {{&s.X3, &s.Y3}, {&s.X4, &s.Y4}, {&s.Aux1, &s.Aux2}};
        for (int k = 0; k < 3; ++k) {
            const double a = (-90 + 120 * k) * std::numbers::pi / 180;
            *corners[k][0] = static_cast<int>(s.X1 + radius * std::cos(a));
            *corners[k][1] = static_cast<int>(s.Y1 + radius * std::sin(a));
        }
        s.X2 = s.Y2 = static_cast<int>(radius);
    } else if (kind == "HEXAGON") {
        const int sides[] = {3, 4, 5, 6, 7, 8, 9, 10, 12};
        s.X2 = r.in(5, 40);
        s.Aux4 = sides[r.in(0, 8)];
        s.Y2 = s.Aux4;
        s.Aux1 = r.in(0, 90);
        s.Aux2 = r.in(0, 3);
        s.Aux3 = r.in(0, 40);
    } else if (kind == "PARABOLA") {
        s.X3 = sign() * r.in(1, 30);
        s.Y4 = r.in(0, 1);
    } else if (kind == "HYPER") {
        s.X2 = r.in(50, 400);
        s.Y2 = r.in(50, 400);
        s.Y4 = r.in(0, 1);
    } else if (kind == "HYPER1") {
        s.X2 = sign() * r.in(1, 40);
        s.Y4 = r.in(0, 1);
    } else if (kind == "TEXT") {
        const char* fonts[] = {"Arial", "Times New Roman"};
        const char* styles[] = {"Normal", "Bold", "Italic"};
        s.Text = r.in(0, 1) ? "Area = 12.5" : "x² + y²";
        s.FontName = fonts[r.in(0, 1)];
        s.FontSize = std::to_string(r.in(8, 14));
        s.FontStyle = styles[r.in(0, 2)];
    }
    return s;
}

inline DrawingList ListOf(const std::vector<ShapeRecord>& shapes) {
    DrawingList list;
    for (const ShapeRecord& s : shapes) {
        list.AppendShape(s,
                         {s.PenColor, s.FillColor, s.FillMode == "S" ? Fill::Solid : Fill::Outline,
                          DefaultBackgroundColor});
        list.ReplaceShape(list.ShapeCount(), s); // keep the fill colour of outline shapes too
    }
    return list;
}

inline DrawingList Mixed(int count, unsigned seed) {
    Rng r(seed);
    std::vector<ShapeRecord> shapes;
    for (int i = 0; i < count; ++i)
        shapes.push_back(Spread(r, kKinds[i % 10]));
    return ListOf(shapes);
}

inline DrawingList OfKind(const std::string& kind, int count, unsigned seed) {
    Rng r(seed);
    std::vector<ShapeRecord> shapes;
    for (int i = 0; i < count; ++i)
        shapes.push_back(Spread(r, kind, true));
    return ListOf(shapes);
}

} // namespace pelcor::benchshapes
