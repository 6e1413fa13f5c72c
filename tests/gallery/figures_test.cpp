#include "gallery/Backgrounds.h"
#include "gallery/Gallery.h"
#include "gallery/Plots.h"
#include "platform/Canvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

using namespace pelcor;
using namespace pelcor::gallery;

namespace {

constexpr int Grey = 9868950, AxisRed = 232, Cyan = 16776960, Yellow = 65535;

Canvas Figure(int index, SolidMode mode = SolidMode::Solid, ClearOptions options = {}) {
    Canvas canvas(320, 320);
    Gallery g;
    g.SetFigureIndex(index);
    g.SetSolidMode(mode);
    g.ShowFigure(canvas, options);
    return canvas;
}

// The curve (x(t), y(t)) has a pixel at each of the parameters `ts`.
void ExpectCurve(const Canvas& c, int color, std::function<double(double)> x,
                 std::function<double(double)> y, std::initializer_list<double> ts) {
    for (double t : ts) {
        const int px = static_cast<int>(x(t)), py = static_cast<int>(y(t));
        EXPECT_EQ(c.pixel(px, py), color) << "t = " << t << " at " << px << ", " << py;
    }
}

double Deg(double t) {
    return t * M_PI / 180;
}

} // namespace

TEST(GalleryFigures, FlatGridHasTwelvePixelLinesAndRedAxes) {
    const Canvas c = Figure(14);
    EXPECT_EQ(c.pixel(172, 5), Grey);            // vertical line right of the centre
    EXPECT_EQ(c.pixel(4, 300), Grey);            // the last one before the left edge
    EXPECT_EQ(c.pixel(0, 300), BackgroundColor); // none at x = 0
    EXPECT_EQ(c.pixel(300, 148), Grey);          // horizontal line above the centre
    EXPECT_EQ(c.pixel(166, 154), BackgroundColor);
    EXPECT_EQ(c.pixel(160, 300), AxisRed);
    EXPECT_EQ(c.pixel(300, 160), AxisRed);
}

TEST(GalleryFigures, PerspectiveGridHasWallsFloorAndThreeAxes) {
    const Canvas c = Figure(1);
    EXPECT_EQ(c.pixel(128, 100), AxisRed); // up from the corner (128, 192)
    EXPECT_EQ(c.pixel(300, 192), AxisRed); // to the right
    EXPECT_EQ(c.pixel(64, 256), AxisRed);  // down to the lower left corner
    EXPECT_EQ(c.pixel(140, 60), Grey);     // back wall, vertical
    EXPECT_EQ(c.pixel(300, 180), Grey);    // back wall, horizontal
    EXPECT_EQ(c.pixel(118, 199), Grey);    // left wall, the first line after the corner
    EXPECT_EQ(c.pixel(300, 202), Grey);    // floor line below the corner
    EXPECT_EQ(c.pixel(250, 250), BackgroundColor);
}

TEST(GalleryFigures, BoardClearsWhiteOnlyInWireFrameDisplayOfTheVisibleBoard) {
    EXPECT_EQ(Figure(1, SolidMode::Solid, {true, true}).pixel(250, 250), 16777215);
    EXPECT_EQ(Figure(1, SolidMode::Solid, {true, false}).pixel(250, 250), BackgroundColor);
    EXPECT_EQ(Figure(1, SolidMode::Solid, {false, true}).pixel(250, 250), BackgroundColor);
    // A flat grid clears its picture itself.
    EXPECT_EQ(Figure(7, SolidMode::Solid, {true, true}).pixel(166, 154), BackgroundColor);
}

TEST(GalleryFigures, SolidsHaveTheirFaceColoursAndWhiteOrGreyWireFrames) {
    struct Case {
        int index;
        int x, y, solid; // a face pixel of the solid rendering
        int wx, wy, wire;
    };
    const Case cases[] = {
        {1, 160, 160, 9474065, 120, 160, 15724527},  // box front; front edge
        {1, 140, 130, 15724305, 120, 150, 15724527}, // box top; front edge
        {1, 210, 150, 12566289, 210, 122, 15724527}, // box right side; back edge
        {2, 116, 137, 9474065, 133, 156, 16777215},  // cylinder's front circle
        {2, 81, 137, 15724305, 115, 172, 16777215},  // its outline; the front rim
        {3, 130, 81, 9474065, 130, 90, 16777215},    // truncated cone: top; top rim
        {3, 130, 71, 15724305, 130, 165, 16777215},  // lightest outline; bottom rim
        {3, 130, 169, 13158417, 170, 80, 16777215},  // darkest outline at the bottom
        {4, 130, 80, 9474065, 130, 90, 16777215},    // cone's top; its rim
        {4, 130, 150, 15724305, 130, 190, 16777215}, // generators; the apex
        {5, 100, 120, 9474065, 130, 115, 16777215},  // ellipsoid's end; a rim
    };
    for (const Case& k : cases) {
        EXPECT_EQ(Figure(k.index, SolidMode::Solid).pixel(k.x, k.y), k.solid) << k.index;
        EXPECT_EQ(Figure(k.index, SolidMode::Wire).pixel(k.wx, k.wy), k.wire) << k.index;
        EXPECT_NE(Figure(k.index, SolidMode::Wire).pixel(k.x, k.y), k.solid) << k.index;
    }
    EXPECT_EQ(SolidModeFromText("Wire"), SolidMode::Wire);
    EXPECT_EQ(SolidModeFromText("wIRE"), SolidMode::Wire);
    EXPECT_EQ(SolidModeFromText(""), SolidMode::Solid);
    EXPECT_EQ(SolidModeFromText("wires"), SolidMode::Solid);
}

TEST(GalleryFigures, HelixIsTheSameInBothModes) {
    const Canvas solid = Figure(9, SolidMode::Solid);
    EXPECT_EQ(solid.image(), Figure(9, SolidMode::Wire).image());
    ExpectCurve(
        solid, Cyan, [](double t) { return (750 * std::sin(Deg(t)) + 1500 + t) / 16; },
        [](double t) { return (250 * std::cos(Deg(t)) + 800 + t) / 16; }, {1, 100.5, 900, 1799.5});
}

TEST(GalleryFigures, CurvesPassThroughTheirComputedPoints) {
    auto wave = [](double (*f)(double)) {
        return std::pair{[](double t) { return t / 3 + 160; },
                         [f](double t) { return 160 - 60 * f(Deg(t)); }};
    };
    const auto [sx, sy] = wave(std::sin);
    ExpectCurve(Figure(7), Cyan, sx, sy, {31.5, 100.2, 200.1, 300.3, 359.4});
    const auto [cx, cy] = wave(std::cos);
    ExpectCurve(Figure(8), Cyan, cx, cy, {0.1, 50.4, 181.5, 270.6});
    // y = 0.7 x² - 5 x + 2 at 6 pixels a unit, in the pen's yellow.
    ExpectCurve(
        Figure(6), Yellow, [](double x) { return 160 + 6 * x; },
        [](double x) { return 160 - 6 * (0.7 * x * x - 5 * x + 2); },
        {-2.42, 1.24, 3.54, 5 / 1.4 + 0.02, 5 / 1.4 + 4.02});
    auto r = [](double t) { return 3.5 * Deg(t); };
    ExpectCurve(
        Figure(14), Cyan, [&](double t) { return 160 - r(t) * std::cos(Deg(t - 180)); },
        [&](double t) { return 160 - r(t) * std::sin(Deg(t - 180)); }, {30.5, 400, 1100.5});
}
