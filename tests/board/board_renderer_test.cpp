#include "board/BoardRenderer.h"
#include "board/CoveredShapes.h"
#include "board/RectHyperbola.h"
#include "geometry/Quadratic.h"

#include "Shapes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <functional>
#include <numbers>
#include <random>
#include <set>

using namespace pelcor;

namespace {

constexpr int Bg = DefaultBackgroundColor;
constexpr int Red = 255, Green = 65280, Blue = 16711680, Black = 0;

struct Board {
    Canvas canvas{320, 320};
    BoardRenderer renderer{canvas};
    DrawingList list;

    int Add(ShapeRecord s) {
        const NewShapeStyle style{s.PenColor, s.FillColor,
                                  s.FillMode == "S" ? Fill::Solid : Fill::Outline, Bg};
        return list.AppendShape(s, style);
    }
    std::string Repaint() { return renderer.RepaintBoard(list); }
    int At(int x, int y) const { return canvas.pixel(x, y); }
    // Pixels of `color` in the box [x1, x2) x [y1, y2).
    int Count(int color, int x1 = 0, int y1 = 0, int x2 = 320, int y2 = 320) const {
        int n = 0;
        for (int y = y1; y < y2; ++y)
            for (int x = x1; x < x2; ++x)
                n += canvas.pixel(x, y) == color;
        return n;
    }
    // Whether `color` is within one pixel of (x, y): truncation may place a point one off.
    bool Near(int x, int y, int color) const { return Count(color, x - 1, y - 1, x + 2, y + 2); }
};

ShapeRecord Shape(const char* kind, int x1, int y1, int x2, int y2, int pen = Red,
                  const char* fillMode = "W", int fill = Green) {
    ShapeRecord s = pelcor::testing::Shape(kind, x1, y1, x2, y2);
    s.PenColor = pen;
    s.FillMode = fillMode;
    s.FillColor = fill;
    return s;
}

ShapeRecord Polygon(int cx, int cy, int radius, int edges, int sides, int form = 0, int start = 0,
                    int height = 30) {
    ShapeRecord s = Shape("HEXAGON", cx, cy, radius, edges, Blue);
    s.Aux1 = start;
    s.Aux2 = form;
    s.Aux3 = height;
    s.Aux4 = sides;
    return s;
}

} // namespace

TEST(BoardRenderer, FreshBoardShowsOnlyTheAxesAndTheirLabels) {
    Board b;
    EXPECT_EQ(b.Repaint(), "");
    for (int i = 0; i < 320; ++i) {
        EXPECT_EQ(b.At(i, 160), colors::AxisLine) << i;
        if (i < 150 || i > 165) {
            EXPECT_EQ(b.At(160, i), colors::AxisLine) << i;
        }
    }
    std::set<int> colors;
    for (int y = 0; y < 320; ++y)
        for (int x = 0; x < 320; ++x)
            colors.insert(b.At(x, y));
    EXPECT_EQ(colors, (std::set<int>{Bg, colors::AxisLine, colors::AxisLabel}));
    // "-X", "X", "Y" and "-Y" near their places.
    EXPECT_GT(b.Count(colors::AxisLabel, 5, 145, 25, 160), 5);
    EXPECT_GT(b.Count(colors::AxisLabel, 305, 145, 320, 160), 5);
    EXPECT_GT(b.Count(colors::AxisLabel, 150, 0, 160, 15), 5);
    EXPECT_GT(b.Count(colors::AxisLabel, 145, 300, 165, 315), 5);
    EXPECT_EQ(b.Count(colors::AxisLabel, 0, 0, 140, 140), 0);
}

TEST(BoardRenderer, HandlesSitAtTheShapesPointsInTheirExactColours) {
    Board b;
    b.Add(Shape("LINE", 150, 120, 100, 101));
    ShapeRecord circle = Shape("CIRCLE", 20, 200, 81, 261, Red, "S");
    b.Add(circle);
    ShapeRecord tri = Shape("TRIANGLE", 230, 60, 0, 0);
    tri.X3 = 230;
    tri.Y3 = 30;
    tri.X4 = 260;
    tri.Y4 = 80;
    tri.Aux1 = 200;
    tri.Aux2 = 80;
    b.Add(tri);
    b.Add(Shape("HYPER1", 240, 240, 10, 0));
    b.Repaint();

    const int corner = colors::CornerHandle, centre = colors::CentreHandle;
    EXPECT_EQ(b.At(150, 120), corner);
    EXPECT_EQ(b.At(100, 101), corner);
    EXPECT_EQ(b.At(125, 111), centre); // 150 + (100 - 150) / 2, 120 + (101 - 120) / 2
    EXPECT_EQ(b.At(50, 230), centre);  // the circle's middle
    EXPECT_EQ(b.At(230, 30), corner);
    EXPECT_EQ(b.At(260, 80), corner);
    EXPECT_EQ(b.At(200, 80), corner);
    EXPECT_EQ(b.At(230, 60), centre);
    EXPECT_EQ(b.At(240, 240), centre);
    // A handle is a dot of a few pixels: its colour is nowhere else.
    EXPECT_EQ(b.Count(corner, 145, 115, 155, 125), b.Count(corner, 147, 117, 153, 123));
    EXPECT_LE(b.Count(corner), 5 * 16);
    EXPECT_NE(b.At(153, 120), corner);
}

TEST(BoardRenderer, FillsOutlinesAndTheDottedHighlight) {
    Board b;
    b.Add(Shape("SQUARE", 20, 20, 80, 60, Red, "S", Green));
    b.Add(Shape("SQUARE", 100, 20, 160, 60, Red, "W", Green));
    // As a loaded record may hold it: outline only, with a fill colour of its own.
    b.list.ReplaceShape(2, Shape("SQUARE", 100, 20, 160, 60, Red, "W", Green));
    b.Add(Shape("ELLIPSE", 20, 220, 100, 300, Red, "S", Blue));
    b.Repaint();
    EXPECT_EQ(b.At(21, 40), Green);
    EXPECT_EQ(b.At(20, 40), Red);
    EXPECT_EQ(b.At(79, 40), Red);
    EXPECT_EQ(b.At(80, 40), Bg);  // the right edge is left out
    EXPECT_EQ(b.At(120, 40), Bg); // outline only: the board shows through
    EXPECT_EQ(b.At(101, 40), Bg);
    EXPECT_EQ(b.At(100, 40), Red);
    EXPECT_EQ(b.At(60, 250), Blue);
    EXPECT_EQ(b.At(22, 222), Bg); // outside the ellipse, inside its box

    // Selected, the outline-only rectangle is dotted and hatched in its fill colour; the
    // filled one too, its hatch over what was beneath.
    b.renderer.Settings.SelectedShape = 2;
    b.renderer.Settings.SecondSelectedShape = 1;
    b.Repaint();
    EXPECT_EQ(b.renderer.LastHighlightedKind(), "SQUARE");
    const int dots = b.Count(Red, 104, 20, 156, 21);
    EXPECT_GT(dots, 10);
    EXPECT_LT(dots, 30);
    const int hatch = b.Count(Green, 101, 21, 159, 59);
    EXPECT_GT(hatch, 58 * 38 / 8);
    EXPECT_LT(hatch, 58 * 38 / 2);
    EXPECT_GT(b.Count(Bg, 101, 21, 159, 59), 58 * 38 / 2);
    EXPECT_GT(b.Count(Bg, 21, 21, 79, 59), 58 * 38 / 2);
    EXPECT_EQ(b.At(60, 250), Blue); // not selected: still solid

    // Unselected again, nothing of the highlight remains.
    b.renderer.Settings.SelectedShape = b.renderer.Settings.SecondSelectedShape = 0;
    b.Repaint();
    EXPECT_EQ(b.Count(Green, 101, 21, 159, 59), 0);
    EXPECT_EQ(b.Count(Red, 104, 20, 156, 21), 52);
}

TEST(BoardRenderer, DisplayOptionsChangeTheColours) {
    Board b;
    b.Add(Shape("LINE", 10, 10, 100, 10, colors::White));
    b.Add(Shape("ELLIPSE", 200, 200, 260, 260, Red, "S", Green));
    b.renderer.Settings.WireFrame = true;
    b.Repaint();
    EXPECT_EQ(b.At(300, 300), colors::White);
    EXPECT_EQ(b.At(50, 10), colors::DarkPen); // white pens are drawn dark
    EXPECT_EQ(b.At(200, 230), Red);           // other pens keep their colour
    EXPECT_EQ(b.At(215, 230), colors::White); // the fill is the board's white
    EXPECT_EQ(b.Count(Green), 0);

    b.renderer.Settings.WireFrame = false;
    b.renderer.Settings.BlackWhite = true;
    b.Repaint();
    EXPECT_EQ(b.At(300, 300), Bg);
    EXPECT_EQ(b.At(200, 230), colors::DarkPen);
    EXPECT_EQ(b.At(215, 230), colors::White);

    // The wire frame's white board only while the board is the picture shown.
    b.renderer.Settings.WireFrame = true;
    b.renderer.Settings.BoardVisible = false;
    b.renderer.ClearBoard(Bg);
    EXPECT_EQ(b.At(300, 300), Bg);
}

TEST(BoardRenderer, PolygonsDrawTheirEdgeCountAndTheHeptagonDoesNotClose) {
    // Whether the chord between two angles of a polygon of radius 100 about (160, 160) is
    // drawn, tested at its middle.
    auto chordDrawn = [](const Board& b, double from, double to) {
        const double mid = (from + to) / 2 * std::numbers::pi / 180;
        const double d = 100 * std::cos((to - from) / 2 * std::numbers::pi / 180);
        return b.Near(static_cast<int>(160 + d * std::cos(mid)),
                      static_cast<int>(160 + d * std::sin(mid)), Blue);
    };
    {
        Board b;
        b.Add(Polygon(160, 160, 100, 6, 6));
        b.Repaint();
        for (int u = 0; u < 360; u += 60)
            EXPECT_TRUE(chordDrawn(b, u, u + 60)) << u;
        // The construction lines of the last edge (300 to 360 degrees).
        EXPECT_TRUE(b.Near(210, 160 - 86, colors::RadiusLine));
        EXPECT_TRUE(b.Near(160 + 43, 160 - 25, colors::ApothemLine));
    }
    {
        Board b;
        b.Add(Polygon(160, 160, 100, 3, 6)); // three edges of a hexagon
        b.Repaint();
        for (int u = 0; u < 180; u += 60)
            EXPECT_TRUE(chordDrawn(b, u, u + 60)) << u;
        for (int u = 180; u < 360; u += 60)
            EXPECT_FALSE(chordDrawn(b, u, u + 60)) << u;
    }
    {
        Board b;
        b.Add(Polygon(160, 160, 100, 6, 7)); // six steps of 51.5 degrees
        b.Repaint();
        for (double u = 0; u < 309; u += 51.5)
            EXPECT_TRUE(chordDrawn(b, u, u + 51.5)) << u;
        EXPECT_FALSE(chordDrawn(b, 309, 360)); // the gap left open
        // Each further round turns by half a degree: sixty rounds are no longer seven edges.
        Board once, rounds;
        once.Add(Polygon(160, 160, 100, 7, 7));
        rounds.Add(Polygon(160, 160, 100, 7 * 60, 7));
        once.Repaint();
        rounds.Repaint();
        EXPECT_GT(rounds.Count(Blue), 3 * once.Count(Blue));
    }
    {
        // The solid forms have a height line and a height handle at (cx, cy - H).
        Board b;
        b.Add(Polygon(160, 200, 40, 6, 6, 2, 15, 50));
        b.Repaint();
        EXPECT_EQ(b.At(160, 150), colors::HeightHandle);
        EXPECT_EQ(b.At(160, 175), colors::ApothemLine);
        EXPECT_EQ(b.At(160, 200), colors::CentreHandle);
        EXPECT_TRUE(b.Near(160 + 30, 200 - 25, Blue)); // an edge up to the apex
    }
    for (const ShapeRecord& bad : {Polygon(160, 160, 100, 6, 11), Polygon(160, 160, 100, 6, 6, 4),
                                   Polygon(160, 160, 100, 0, 6)}) {
        Board b;
        b.Add(bad);
        b.Repaint();
        EXPECT_EQ(b.Count(Blue), 0);
    }
    {
        // A huge edge count draws the same picture, quickly.
        Board small, huge;
        small.Add(Polygon(160, 160, 100, 6 + 720 * 3, 7));
        huge.Add(Polygon(160, 160, 100, 6 + 720 * 2'000'000, 7));
        small.Repaint();
        const auto start = std::chrono::steady_clock::now();
        huge.Repaint();
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
        EXPECT_TRUE(small.canvas.image() == huge.canvas.image());
    }
}

TEST(BoardRenderer, CircleFormsDrawTheirSolids) {
    auto drawn = [](int form) {
        Board b;
        ShapeRecord s = Shape("CIRCLE", 100, 100, 220, 220, Blue);
        s.Aux1 = 40;
        s.Aux2 = form;
        b.Add(s);
        b.Repaint();
        return b;
    };
    const Board circle = drawn(0), cylinder = drawn(1), cone = drawn(2), cut = drawn(3),
                sphere = drawn(4), none = drawn(5);
    EXPECT_TRUE(circle.Near(160, 100, Blue));
    EXPECT_FALSE(circle.Near(160, 140, Blue));
    EXPECT_TRUE(cylinder.Near(160, 140, Blue)); // band top: 100 + 120 / 3
    EXPECT_TRUE(cylinder.Near(160, 100, Blue)); // the band raised by 40
    EXPECT_TRUE(cylinder.Near(160, 180, Blue)); // band bottom: 220 - 120 / 3
    EXPECT_FALSE(cylinder.Near(160, 219, Blue));
    EXPECT_EQ(cylinder.At(100, 130), Blue); // the side lines from cy = 160 up to 120
    EXPECT_EQ(cylinder.At(220, 130), Blue);
    EXPECT_TRUE(cone.Near(130, 140, Blue)); // halfway from (100, 160) to (160, 120)
    EXPECT_FALSE(cone.Near(100, 130, Blue));
    EXPECT_TRUE(cut.Near(112, 140, Blue));    // halfway from (100, 160) to (124, 120)
    EXPECT_TRUE(sphere.Near(140, 160, Blue)); // the inner ellipse from x 140 to 180
    EXPECT_TRUE(sphere.Near(160, 100, Blue));
    EXPECT_EQ(none.Count(Blue), 0);
    EXPECT_EQ(none.At(160, 160), colors::CentreHandle);
}

TEST(BoardRenderer, CurvesArePlottedPointByPoint) {
    {
        Board b;
        ShapeRecord p = Shape("PARABOLA", 160, 200, 0, 0, Blue);
        p.X3 = 10; // y = x²
        b.Add(p);
        b.Repaint();
        EXPECT_EQ(b.At(150, 190), Blue); // s = -1: one unit across, one up
        EXPECT_EQ(b.At(170, 190), Blue);
        EXPECT_TRUE(b.Near(140, 160, Blue));
        EXPECT_EQ(b.At(150, 210), Bg); // nothing below the vertex
        const int fine = b.Count(Blue);
        b.renderer.Settings.SelectedShape = 1; // selected: the coarser step
        b.Repaint();
        EXPECT_LT(b.Count(Blue), fine);
        EXPECT_EQ(b.renderer.Quadratic.RootCode, 3); // the vertex analysis of x²
    }
    {
        Board b;
        ShapeRecord p = Shape("PARABOLA", 160, 160, 0, 0, Blue);
        p.X3 = -10;
        p.Y4 = 1; // axis horizontal, opening left
        b.Add(p);
        b.Repaint();
        EXPECT_EQ(b.At(150, 150), Blue);
        EXPECT_EQ(b.At(150, 170), Blue);
        EXPECT_EQ(b.Count(Blue, 170, 0, 320, 320), 0);
    }
    {
        Board b;
        ShapeRecord h = Shape("HYPER", 160, 160, 100, 100, Blue); // a = b = 1
        h.Y4 = 1;
        b.Add(h);
        b.Repaint();
        EXPECT_EQ(b.At(170, 160), Blue); // the vertices
        EXPECT_EQ(b.At(150, 160), Blue);
        EXPECT_EQ(b.At(210, 210), Blue); // the asymptotes
        EXPECT_EQ(b.At(110, 210), Blue);
        EXPECT_EQ(b.At(150, 120), Bg);
        h.Y4 = 0;
        b.list.ReplaceShape(1, h);
        b.Repaint();
        EXPECT_EQ(b.At(160, 150), Blue);
        EXPECT_EQ(b.At(160, 170), Blue);
        EXPECT_EQ(b.At(120, 150), Bg);
    }
}

TEST(BoardRenderer, RectangularHyperbolaFinishesForEveryCentre) {
    // Pixels of the pen colour off the axes, per quadrant seen on screen.
    struct Quadrants {
        int upperLeft, upperRight, lowerLeft, lowerRight;
    };
    auto draw = [](int cx, int cy, int k, int choice) {
        Board b;
        ShapeRecord s = Shape("HYPER1", cx, cy, k, 0, Blue);
        s.Y4 = choice;
        b.Add(s);
        b.Repaint();
        const int top = std::clamp(cy - 3, 0, 320), bottom = std::clamp(cy + 3, 0, 320);
        Quadrants q{b.Count(Blue, 0, 0, cx - 3, top), b.Count(Blue, cx + 3, 0, 320, top),
                    b.Count(Blue, 0, bottom, cx - 3, 320), b.Count(Blue, cx + 3, bottom, 320, 320)};
        EXPECT_EQ(b.At(5, cy), cy >= 0 && cy < 320 ? Blue : -1); // its axes
        EXPECT_EQ(b.At(cx, 300), Blue);
        return q;
    };
    const Quadrants normal = draw(160, 160, 10, 0);
    EXPECT_GT(normal.upperRight, 20);
    EXPECT_GT(normal.lowerLeft, 20);
    EXPECT_EQ(normal.upperLeft + normal.lowerRight, 0);
    const Quadrants other = draw(160, 160, 10, 1);
    EXPECT_GT(other.upperLeft, 20);
    EXPECT_GT(other.lowerRight, 20);
    EXPECT_EQ(other.upperRight + other.lowerLeft, 0);

    // A centre on the top row: its lower branch is drawn like any other.
    const Quadrants top = draw(160, 0, 10, 0);
    EXPECT_GT(top.lowerLeft, 20);
    EXPECT_EQ(top.lowerRight, 0);
    // Centres above and far below the board end too, the loop within its step limit.
    draw(160, -8, 10, 0);
    draw(160, -554, 10, 0);
    draw(160, 2'000'000'000, 10, 0);
    for (int row : {-8, -554})
        EXPECT_LE(WalkRectHyperbola(row, false, [](double) { return true; }).steps,
                  kMaxRectHyperbolaSteps);

    // For every centre row on the board the loop, leaping over its stretches below -320,
    // computes at most 80,000 points, and they are the points the whole loop plots where a
    // board can show them (c > -320): the picture is the same for every centre.
    long long leaps = 0;
    for (int row = 0; row < 320; ++row) {
        std::vector<double> whole, leaping;
        const RectHyperbolaWalk all = WalkRectHyperbola(row, false, [&](double c) {
            if (c > -320) whole.push_back(c);
            return true;
        });
        const RectHyperbolaWalk some = WalkRectHyperbola(row, true, [&](double c) {
            leaping.push_back(c);
            return true;
        });
        ASSERT_EQ(leaping, whole) << "row " << row;
        EXPECT_EQ(some.steps, all.steps) << "row " << row;
        EXPECT_LE(some.visited, 80'000) << "row " << row;
        leaps += all.visited - some.visited;
    }
    EXPECT_GT(leaps, 20'000'000); // the stretches passed over
}

namespace {

// Whether two boards agree in pixels, in the canvas state a pass leaves and in its results.
void ExpectSameBoards(const Board& a, const Board& b, const std::string& what) {
    EXPECT_TRUE(a.canvas.image() == b.canvas.image()) << what;
    auto state = [](const Board& x) {
        const Canvas& c = x.canvas;
        return std::make_tuple(c.penX(), c.penY(), c.penColor(), c.brushColor(), c.fontColor(),
                               c.fontSize(), c.fontBold(), c.fontItalic(), c.brushStyle(),
                               c.penStyle(), x.renderer.LastHighlightedKind(),
                               x.renderer.Quadratic.RootCode);
    };
    EXPECT_EQ(state(a), state(b)) << what;
}

} // namespace

TEST(BoardRenderer, APassRepeatedOverItsOwnPictureIsNotDrawnAgain) {
    // Two boards given the same calls; on the second the picture is touched before each
    // call, so every pass is drawn. Both must end alike.
    Board a, b;
    ShapeRecord t = Shape("TEXT", 30, 200, 0, 0, Green);
    t.Text = "upright"; // a slanted one would slant the next repaint's labels
    t.FontSize = "12";
    t.FontStyle = "Normal";
    ShapeRecord p = Shape("PARABOLA", 160, 250, 0, 0, Blue);
    p.X3 = 4;
    for (Board* x : {&a, &b})
        for (const ShapeRecord& s : {Shape("SQUARE", 20, 20, 90, 70, Red, "S", Blue), t, p,
                                     Shape("HYPER", 200, 100, 150, 90)})
            x->Add(s);
    const std::vector<std::pair<std::string, std::function<void(Board&)>>> steps = {
        {"a repaint", [](Board& x) { x.Repaint(); }},
        {"a repaint repeated", [](Board& x) { x.canvas.setBrushColor(77), x.Repaint(); }},
        {"a pass over it", [](Board& x) { x.renderer.RedrawAllShapes(x.list); }},
        // Whatever changes the pixels a pass draws makes it drawn again.
        {"a selection", [](Board& x) { x.renderer.Settings.SelectedShape = 3, x.Repaint(); }},
        {"another font", [](Board& x) { x.canvas.setFontName("Courier New"), x.Repaint(); }},
        {"a list changed", [](Board& x) { x.list.DeleteShape(1), x.Repaint(); }},
        {"a pixel changed", [](Board& x) { x.canvas.setPixel(50, 50, 0), x.Repaint(); }},
        {"a list moved away",
         [](Board& x) {
             DrawingList gone = std::move(x.list);
             x.Repaint();
         }},
    };
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const auto before = a.canvas.generation();
        steps[i].second(a);
        b.canvas.setPixel(319, 319, b.canvas.pixel(319, 319));
        steps[i].second(b);
        if (i == 1 || i == 2) {
            EXPECT_EQ(a.canvas.generation(), before) << "nothing drawn";
        }
        ExpectSameBoards(a, b, steps[i].first);
    }
    EXPECT_EQ(a.At(50, 50), DefaultBackgroundColor);
    EXPECT_EQ(a.Count(Blue), 0); // the list left behind is empty
}

TEST(BoardRenderer, TextTakesItsSizeStyleAndThePenColour) {
    auto drawn = [](const char* style, const char* size = "14") {
        Board b;
        ShapeRecord t = Shape("TEXT", 20, 40, 0, 0, Blue);
        t.Text = "Slanted Wm";
        t.FontName = "Times";
        t.FontSize = size;
        t.FontStyle = style;
        b.Add(t);
        b.Repaint();
        return b;
    };
    const Board normal = drawn("Normal"), italic = drawn("Italic"), bold = drawn("Bold"),
                other = drawn("Bold Italic"), small = drawn("Normal", "8");
    EXPECT_GT(normal.Count(Blue), 30);
    EXPECT_EQ(normal.Count(Blue, 0, 0, 320, 38), 0); // its top-left at (20, 40)
    EXPECT_EQ(normal.At(20, 40), colors::CentreHandle);
    EXPECT_FALSE(italic.canvas.image() == normal.canvas.image());
    EXPECT_GT(bold.Count(Blue), normal.Count(Blue));
    EXPECT_TRUE(other.canvas.image() == normal.canvas.image());
    EXPECT_LT(small.Count(Blue), normal.Count(Blue));
    // The board's font size is kept.
    EXPECT_EQ(normal.canvas.fontSize(), 8);
}

TEST(BoardRenderer, APassRestoresTheCanvasAndStopsWhereItMust) {
    Board b;
    b.Add(Shape("LINE", 10, 10, 60, 10, Blue));
    ShapeRecord text = Shape("TEXT", 20, 40, 0, 0, Blue);
    text.Text = "x";
    text.FontSize = "12";
    b.Add(text);
    b.Add(Shape("LINE", 10, 100, 60, 100, Blue));
    b.Add(Shape("WAVE", 10, 200, 60, 200, Blue)); // an unknown kind: nothing, no handles
    b.renderer.Settings.PenX = 77;
    b.renderer.Settings.PenY = 88;

    b.canvas.moveTo(5, 6);
    b.canvas.setPenColor(123);
    b.canvas.setBrushColor(456);
    b.canvas.setPenStyle(Canvas::PenStyle::Dot);
    EXPECT_EQ(b.renderer.RedrawAllShapes(b.list), "");
    EXPECT_EQ(b.canvas.penX(), 5);
    EXPECT_EQ(b.canvas.penY(), 6);
    EXPECT_EQ(b.canvas.penColor(), 123);
    EXPECT_EQ(b.canvas.brushColor(), 456);
    EXPECT_EQ(b.canvas.penStyle(), Canvas::PenStyle::Dot);
    EXPECT_EQ(b.At(30, 100), Blue);
    EXPECT_EQ(b.Count(Blue, 0, 190, 320, 210), 0);
    EXPECT_EQ(b.Count(colors::CentreHandle, 0, 190, 320, 210), 0);

    // Move mode draws the first shape only.
    b.renderer.Settings.MoveMode = true;
    b.Repaint();
    EXPECT_EQ(b.At(30, 10), Blue);
    EXPECT_EQ(b.At(30, 100), Bg);

    // A text size that is not a number ends the pass with the conversion message.
    b.renderer.Settings.MoveMode = false;
    text.FontSize = "big";
    b.list.ReplaceShape(2, text);
    EXPECT_EQ(b.Repaint(), "'big' is not a valid integer value");
    EXPECT_EQ(b.At(30, 10), Blue);
    EXPECT_EQ(b.At(30, 100), Bg);
}

TEST(SolveQuadratic, GivesRootCodesRootsAndVertex) {
    QuadraticSolver q;
    q.SolveQuadratic(1, 0, -4); // x² - 4
    EXPECT_EQ(q.RootCode, 1);
    EXPECT_DOUBLE_EQ(q.X1, 2);
    EXPECT_DOUBLE_EQ(q.X2, -2);
    EXPECT_DOUBLE_EQ(q.VertexY, -4);

    q.SolveQuadratic(0, 5, 7); // a = 0: everything stays
    EXPECT_EQ(q.RootCode, 1);
    EXPECT_DOUBLE_EQ(q.X1, 2);
    EXPECT_DOUBLE_EQ(q.VertexY, -4);

    q.SolveQuadratic(-1, 0, -4); // -x² - 4: no real root
    EXPECT_EQ(q.RootCode, 2);
    q.SolveQuadratic(-2, 0, 0);
    EXPECT_EQ(q.RootCode, 3);
    EXPECT_DOUBLE_EQ(q.X1, 0);

    q.SolveQuadratic(1, -6, 9); // (x - 3)²
    EXPECT_EQ(q.RootCode, 3);
    EXPECT_DOUBLE_EQ(q.X1, 3);
    EXPECT_DOUBLE_EQ(q.X2, 3);
    EXPECT_DOUBLE_EQ(q.VertexX, 3);

    q.SolveQuadratic(2, -2, -12); // 2 (x - 3)(x + 2)
    EXPECT_EQ(q.RootCode, 4);
    EXPECT_DOUBLE_EQ(q.X1, 3);
    EXPECT_DOUBLE_EQ(q.X2, -2);
    EXPECT_DOUBLE_EQ(q.VertexX, 0.5);
    EXPECT_DOUBLE_EQ(q.VertexY, -12.5);

    q.SolveQuadratic(1, 1, 1); // no real root: the roots stay
    EXPECT_EQ(q.RootCode, 2);
    EXPECT_DOUBLE_EQ(q.X1, 3);
}

TEST(BoardRenderer, ShapesPaintedOverAreLeftOutWithTheSameResult) {
    // Crowded boards of every kind with many filled rectangles, drawn leaving out what the
    // rectangles cover and drawing everything: pixels, canvas state and results must agree.
    std::mt19937 g(9);
    auto in = [&g](int lo, int hi) { return lo + static_cast<int>(g() % unsigned(hi - lo + 1)); };
    const char* kinds[] = {"LINE",     "SQUARE", "CIRCLE", "ELLIPSE", "TRIANGLE", "HEXAGON",
                           "PARABOLA", "HYPER",  "HYPER1", "TEXT",    "SQUARE",   "SQUARE"};
    for (int round = 0; round < 5; ++round) {
        DrawingList list;
        for (int i = 0; i < 600; ++i) {
            const int x = in(-40, 340), y = in(-40, 340);
            ShapeRecord s = Shape(kinds[in(0, 11)], x, y, x + in(-90, 90), y + in(-90, 90),
                                  in(0, 0xFFFFFF), in(0, 2) ? "S" : "W", in(0, 0xFFFFFF));
            s.X3 = in(-20, 20), s.Y3 = y + in(-40, 40), s.X4 = x + in(-40, 40);
            s.Y4 = s.Kind == "TRIANGLE" ? y + in(-40, 40) : in(0, 1);
            s.Aux1 = in(-40, 40), s.Aux2 = in(0, 4), s.Aux3 = in(0, 40), s.Aux4 = in(3, 12);
            if (s.Kind == "HEXAGON") s.X2 = in(2, 50), s.Y2 = in(0, 12);
            if (s.Kind == "HYPER1") s.X2 = in(-30, 30);
            if (s.Kind == "SQUARE") s.X2 = x + in(-250, 250), s.Y2 = y + in(-250, 250);
            s.Text = "Wq", s.FontSize = std::to_string(in(6, 20));
            s.FontStyle = in(0, 1) ? "Bold" : "Italic";
            list.AppendShape(s, {});
            list.ReplaceShape(list.ShapeCount(), s);
        }
        if (round == 4) { // a text that cannot be drawn ends the pass
            ShapeRecord bad = *list.ExtractShape(500);
            bad.Kind = "TEXT", bad.FontSize = "x";
            list.ReplaceShape(500, bad);
        }
        const int first = in(1, 600), second = round == 1 ? 0 : in(1, 600);
        Board fast, full;
        full.renderer.DrawCoveredShapes = true;
        for (Board* b : {&fast, &full}) {
            b->list = list;
            BoardSettings& set = b->renderer.Settings;
            set.SelectedShape = first, set.SecondSelectedShape = second;
            set.WireFrame = round == 2, set.BlackWhite = round == 3;
        }
        const std::vector<char> covered =
            CoveredShapes(fast.list.Shapes(), 600, 320, 320, first, second);
        EXPECT_GT(std::count(covered.begin(), covered.end(), 1), 150); // many are left out
        EXPECT_EQ(fast.Repaint(), full.Repaint());
        ExpectSameBoards(fast, full, "round " + std::to_string(round));
    }
}
