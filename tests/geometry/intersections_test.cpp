#include "geometry/Intersections.h"

#include "Shapes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace pelcor;

namespace {

const auto Sp = [](int n) { return std::string(static_cast<std::size_t>(n), ' '); };
const std::string T14 = "Tangent" + Sp(14);
const std::string D = "<description>"; // the second shape's description the memo starts with

// Board pixels of a unit point.
const auto Px = [](double x) { return static_cast<int>(std::lround(160 + 10 * x)); };
const auto Py = [](double y) { return static_cast<int>(std::lround(160 - 10 * y)); };

ShapeParameters Of(const char* kind, int x1, int y1, int x2, int y2, int x3 = 0, int y4 = 0) {
    ShapeRecord s = pelcor::testing::Shape(kind, x1, y1, x2, y2);
    s.X3 = x3, s.Y4 = y4;
    return IntersectionParameters(s).value();
}
// Shapes in units.
ShapeParameters Circle(double a, double b, double r) {
    return Of("CIRCLE", Px(a - r), Py(b + r), Px(a + r), Py(b - r));
}
ShapeParameters Line(double x1, double y1, double x2, double y2) {
    return Of("LINE", Px(x1), Py(y1), Px(x2), Py(y2));
}
ShapeParameters Ellipse(double a, double b, double h, double p) {
    return Of("ELLIPSE", Px(a - h), Py(b + p), Px(a + h), Py(b - p));
}
ShapeParameters Parabola(double v, double w, double a, bool sideways = false) {
    return Of("PARABOLA", Px(v), Py(w), 0, 0, static_cast<int>(std::lround(10 * a)), sideways);
}
ShapeParameters Slanted(double m, double n) {
    return {IntersectClass::Line, m, 0, n, 0};
}

struct Case {
    std::string memo;
    int rings;
};
void Expect(const std::optional<IntersectionResult>& r, const Case& c) {
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(std::make_pair(r->Memo, static_cast<int>(r->Rings.size())),
              std::make_pair(c.memo, c.rings));
}
std::optional<IntersectionResult> Meet(const ShapeParameters& a, const ShapeParameters& b,
                                       int l = 1, int k = 1) {
    return Intersect(a, b, D, l, k);
}

} // namespace

TEST(Intersections, CircleAndLine) {
    const ShapeParameters c = Circle(0, 0, 5);
    const std::string two = "Circle - Line Intersection   ( 3.53 , 3.53 ) , ( -3.53 , -3.53 )";
    Expect(Meet(c, Line(0, 0, 10, 10)), {two + Sp(21), 2});
    Expect(Meet(c, Line(-8, 5, 8, 5)), {T14 + "Circle - Line Intersection   ( 0.00 , 5.00 )", 1});
    Expect(Meet(c, Line(-8, 6, 8, 6)), {D + "Not Intersection" + Sp(21), 0});
    // A vertical line is the line x = n, not the horizontal line at height n.
    Expect(Meet(c, Line(3, -8, 3, 8)),
           {"Circle - Line Intersection   ( 3.00 , 4.00 ) , ( 3.00 , -4.00 )" + Sp(21), 2});
    Expect(Meet(c, Line(5, -8, 5, 8)), {T14 + "Circle - Line Intersection   ( 5.00 , 0.00 )", 1});

    // Line first: appended, with the line and circle numbers.
    Expect(Meet(Line(0, 0, 10, 10), c, 3, 2),
           {D + "Line 3 - Circle 2 Intersection  ( 3.53 , 3.53 ) , ( -3.53 , -3.53 )" + Sp(21), 2});
    Expect(Meet(Line(-8, 5, 8, 5), c),
           {D + "Tangent" + Sp(10) + "Circle - Line Intersection   ( 0.00 , 5.00 )", 1});
    Expect(Meet(Line(-8, 6, 8, 6), c), {D + "Not Intersection" + Sp(24), 0});
}

TEST(Intersections, TwoCircles) {
    const std::string circles = "   Circles Intersection   ";
    Expect(Meet(Circle(-3, 0, 5), Circle(3, 0, 5)),
           {D + circles + "( 0.00 , 4.00 ) , ( 0.00 , -4.00 )" + Sp(21), 2});
    Expect(Meet(Circle(0, 0, 5), Circle(10, 0, 5)),
           {D + "   " + T14 + "Circle - Line Intersection   ( 5.00 , 0.00 ) ", 1});
    Expect(Meet(Circle(0, 0, 1), Circle(10, 0, 1)), {D + "   Not Intersection ", 0});
    // Centres at different heights: through the common chord.
    Expect(Meet(Circle(0, 0, 5), Circle(0, 6, 5)),
           {D + circles + "( 4.00 , 3.00 ) , ( -4.00 , 3.00 )" + Sp(21), 2});
    Expect(Meet(Circle(0, 0, 5), Circle(0, 10, 5)),
           {"Circle - Line Intersection ( 0.00 , 5.00 )", 1});
    Expect(Meet(Circle(0, 0, 1), Circle(0, 10, 1)), {D + "Not Intersection ", 0});
    // The same centre has no chord.
    Expect(Meet(Circle(1, 1, 2), Circle(1, 1, 3)), {D + "   Same centre - Not Intersection ", 0});
}

TEST(Intersections, TwoLinesInTheirOrder) {
    const std::string pre = "  Line - Line Intersection   -   ", crlf = "\r\n";
    const ShapeParameters vertical = Line(3, -5, 3, 5), horizontal = Line(-5, -2, 5, -2);
    const ShapeParameters slanted = Line(0, 1, 1, 3), high = Line(0, 5, 4, 5); // y = 2 x + 1
    Expect(Meet(vertical, horizontal),
           {"  Perpendicular lines (  Vertical line x = 3.00 Horizontal line y = -2.00 ) ", 0});
    Expect(Meet(horizontal, vertical),
           {"  Perpendicular lines (  Horizontal line y = -2.00 Vertical line x = 3.00 ) ", 0});
    Expect(Meet(Line(0, 1, 4, 1), high),
           {"  Parallel Horiz. lines (  First line y = 1.00 Second line y = 5.00 ) ", 0});
    Expect(Meet(Line(1, 0, 1, 4), vertical),
           {"  Parallel Vert. lines (  First line x = 1.00 Second line x = 3.00 ) ", 0});
    Expect(Meet(slanted, vertical), {pre + "Angled and Verical  lines  ( 3.00 , 7.00 ) ", 0});
    Expect(Meet(slanted, high), {pre + "Angled and Horizontal lines ( 2.00 , 5.00 ) ", 0});
    Expect(Meet(vertical, slanted), {pre + "Verical and Angled lines ( 3.00 , 7.00 ) ", 0});
    Expect(Meet(high, slanted), {pre + "Horizontal lines  and Angled ( 2.00 , 5.00 ) ", 0});
    // Slopes 1 and 1.005: both angles cut to 0.78 radians.
    Expect(Meet(Slanted(1, 0), Slanted(1.005, 3)),
           {D + crlf + pre.substr(1) + "Parallel lines ", 0});
    Expect(Meet(Line(0, 0, 1, 1), Line(0, 2, 2, 0)),
           {D + crlf + pre.substr(1) + "Perpendicular lines ", 0});
    Expect(Meet(Line(0, 0, 1, 2), Line(0, 4, 2, 0)),
           {D + crlf + " Line  -  Line    Intersection   ( 1.00 , 2.00  )", 1});
    // 0.78 against 0.79 radians: not parallel.
    Expect(Meet(Slanted(1, 0), Slanted(1.0234375, -0.046875)),
           {D + crlf + " Line  -  Line    Intersection   ( 2.00 , 2.00  )", 1});
}

TEST(Intersections, EllipseAndLine) {
    const ShapeParameters e = Ellipse(0, 0, 5, 3);
    const std::string two = " Line - Elipse Intersection   ( 5.00 , 0.00 ) , ( -5.00 , 0.00 )";
    Expect(Meet(Line(-8, 0, 8, 0), e), {two, 2});
    Expect(Meet(Line(-8, 3, 8, 3), e),
           {" " + T14 + " Line - Elipse Intersection   ( 0.00 , 3.00 )", 1});
    Expect(Meet(e, Line(-8, 3, 8, 3)),
           {" " + T14 + " Elipse - Line Intersection   ( 0.00 , 3.00 )", 1});
    Expect(Meet(Line(-8, 4, 8, 4), e), {" Not Intersection" + Sp(21), 0});
    Expect(Meet(e, Line(-8, 4, 8, 4)), {"Not Intersection" + Sp(21), 0});
    Expect(Meet(Line(3, -8, 3, 8), e),
           {" Line - Elipse Intersection   ( 3.00 , 2.4 ) , ( 3.00 , -2.4 )", 2});
    // Without width or height there is no ellipse to meet.
    const std::string flat = " The ellipse has no width or no height - no intersection computed ";
    Expect(Meet(Line(-8, 0, 8, 0), Ellipse(0, 0, 0, 3)), {flat, 0});
    Expect(Meet(Ellipse(0, 0, 5, 0), Line(-8, 0, 8, 0)), {flat, 0});
}

TEST(Intersections, ParabolaAndLine) {
    const ShapeParameters p = Parabola(0, 0, 0.5); // y = 0.5 x²
    Expect(Meet(p, Line(-8, 2, 8, 2)),
           {" Parabola - Line Intersection   ( -2.00 , 2.00 ) , ( 2.00 , 2.00 )" + Sp(21), 2});
    Expect(Meet(Line(-8, 2, 8, 2), p),
           {" Line - Parabola Intersection   ( -2.00 , 2.00 ) , ( 2.00 , 2.00 )" + Sp(21), 2});
    Expect(Meet(p, Line(-8, 0, 8, 0)),
           {" " + T14 + " Parabola - Line Intersection   ( 0.00 , 0.00 )", 1});
    Expect(Meet(Line(-8, 0, 8, 0), p),
           {" " + T14 + " Circle - Line Intersection   ( 0.00 , 0.00 )", 1});
    Expect(Meet(p, Line(-8, -1, 8, -1)), {" Not Intersection" + Sp(21), 0});
    // A vertical line crosses an upright parabola once.
    Expect(Meet(p, Line(2, -8, 2, 8)), {" Parabola - Line Intersection   ( 2.00 , 2.00 )", 1});
    // A parabola on its side, x = 0.5 y²: as it is drawn.
    const ShapeParameters side = Parabola(0, 0, 0.5, true);
    Expect(Meet(side, Line(2, -8, 2, 8)),
           {" Parabola - Line Intersection   ( 2.00 , -2.00 ) , ( 2.00 , 2.00 )" + Sp(21), 2});
    Expect(Meet(side, Line(-8, 2, 8, 2)), {" Parabola - Line Intersection   ( 2.00 , 2.00 )", 1});
    // A parabola with a = 0 is the straight line y = 2 here; nothing of the solve before.
    const ShapeParameters straight = Parabola(0, 2, 0);
    Expect(Meet(straight, Line(-8, 3, 8, 3)), {" Not Intersection" + Sp(21), 0});
    Expect(Meet(straight, Line(-8, 2, 8, 2)),
           {" The parabola has A = 0 and lies along the line ", 0});
    Expect(Meet(straight, Line(0, 0, 1, 1)),
           {" Parabola - Line Intersection   ( 2.00 , 2.00 )", 1});
}
