#include "geometry/Intersections.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace pelcor;

namespace {

std::string Sp(int n) {
    return std::string(static_cast<std::size_t>(n), ' ');
}
const std::string T14 = "Tangent" + Sp(14);
const std::string D = "<description>"; // the second shape's description the memo starts with

int Px(double x) {
    return static_cast<int>(std::lround(160 + 10 * x));
}
int Py(double y) {
    return static_cast<int>(std::lround(160 - 10 * y));
}

ShapeParameters Of(const char* kind, int x1, int y1, int x2, int y2, int x3 = 0, int y4 = 0) {
    ShapeRecord s;
    s.Kind = kind;
    s.X1 = x1, s.Y1 = y1, s.X2 = x2, s.Y2 = y2, s.X3 = x3, s.Y4 = y4;
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
    ShapeParameters p;
    p.Class = IntersectClass::Line;
    p.A = m;
    p.C = n;
    return p;
}

struct Case {
    std::string memo;
    int rings;
};
void Expect(const std::optional<IntersectionResult>& r, const Case& c) {
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(r->Memo, c.memo);
    EXPECT_EQ(static_cast<int>(r->Rings.size()), c.rings) << c.memo;
}
std::optional<IntersectionResult> Meet(const ShapeParameters& a, const ShapeParameters& b,
                                       int l = 1, int k = 1) {
    return Intersect(a, b, D, l, k);
}

} // namespace

TEST(Intersections, ParametersFollowTheRecord) {
    const ShapeParameters c = Circle(-1.5, 2, 3);
    EXPECT_EQ(c.Class, IntersectClass::Circle);
    EXPECT_DOUBLE_EQ(c.A, -1.5);
    EXPECT_DOUBLE_EQ(c.B, 2);
    EXPECT_DOUBLE_EQ(c.C, 3);
    const ShapeParameters l = Line(-1, 3, 2, -3); // y = -2 x + 1
    EXPECT_EQ(l.Type(), LineType::Slanted);
    EXPECT_DOUBLE_EQ(l.A, -2);
    EXPECT_DOUBLE_EQ(l.C, 1);
    EXPECT_DOUBLE_EQ(l.D, -1);
    EXPECT_EQ(Line(3, 0, 3, 5).Type(), LineType::Vertical);
    EXPECT_DOUBLE_EQ(Line(3, 0, 3, 5).C, 3);
    EXPECT_EQ(Line(0, -2, 4, -2).Type(), LineType::Horizontal);
    EXPECT_DOUBLE_EQ(Line(0, -2, 4, -2).C, -2);
    const ShapeParameters p = Parabola(1, 2, 0.5); // y = 0.5 (x - 1)² + 2
    EXPECT_DOUBLE_EQ(p.B, -1);
    EXPECT_DOUBLE_EQ(p.C, 2.5);
    for (const char* k : {"SQUARE", "TRIANGLE", "HYPER", "HYPER1", "TEXT"}) {
        ShapeRecord s;
        s.Kind = k;
        EXPECT_FALSE(IntersectionParameters(s)) << k;
    }
    EXPECT_FALSE(Meet(Circle(0, 0, 5), Ellipse(0, 0, 5, 3)));
    EXPECT_FALSE(Meet(Of("HEXAGON", 160, 160, 50, 6), Line(0, 0, 1, 1)));
}

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
    Expect(Meet(c, Line(6, -8, 6, 8)), {D + "Not Intersection" + Sp(21), 0});

    // Line first: appended, with the line and circle numbers.
    Expect(Meet(Line(0, 0, 10, 10), c, 3, 2),
           {D + "Line 3 - Circle 2 Intersection  ( 3.53 , 3.53 ) , ( -3.53 , -3.53 )" + Sp(21), 2});
    Expect(Meet(Line(-8, 5, 8, 5), c),
           {D + "Tangent" + Sp(10) + "Circle - Line Intersection   ( 0.00 , 5.00 )", 1});
    Expect(Meet(Line(-8, 6, 8, 6), c), {D + "Not Intersection" + Sp(24), 0});
    Expect(
        Meet(Line(-3, -8, -3, 8), c, 1, 1),
        {D + "Line 1 - Circle 1 Intersection  ( -3.00 , 4.00 ) , ( -3.00 , -4.00 )" + Sp(21), 2});
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
    Expect(Meet(Circle(1, 1, 2), Circle(1, 1, 2)),
           {D + "   Same centre and radius - the circles coincide ", 0});
}

TEST(Intersections, TwoLinesInTheirOrder) {
    const std::string angled = "  Line - Line Intersection   -   ";
    const std::string crlf = "\r\n";
    const struct {
        ShapeParameters a, b;
        Case expected;
    } cases[] = {
        {Line(3, -5, 3, 5),
         Line(-5, -2, 5, -2),
         {"  Perpendicular lines (  Vertical line x = 3.00 Horizontal line y = -2.00 ) ", 0}},
        {Line(-5, -2, 5, -2),
         Line(3, -5, 3, 5),
         {"  Perpendicular lines (  Horizontal line y = -2.00 Vertical line x = 3.00 ) ", 0}},
        {Line(0, 1, 4, 1),
         Line(0, 2, 4, 2),
         {"  Parallel Horiz. lines (  First line y = 1.00 Second line y = 2.00 ) ", 0}},
        {Line(1, 0, 1, 4),
         Line(2, 0, 2, 4),
         {"  Parallel Vert. lines (  First line x = 1.00 Second line x = 2.00 ) ", 0}},
        {Line(0, 1, 1, 3),
         Line(3, 0, 3, 4),
         {angled + "Angled and Verical  lines  ( 3.00 , 7.00 ) ", 0}},
        {Line(0, 1, 1, 3),
         Line(0, 5, 4, 5),
         {angled + "Angled and Horizontal lines ( 2.00 , 5.00 ) ", 0}},
        {Line(3, 0, 3, 4),
         Line(0, 1, 1, 3),
         {angled + "Verical and Angled lines ( 3.00 , 7.00 ) ", 0}},
        {Line(0, 5, 4, 5),
         Line(0, 1, 1, 3),
         {angled + "Horizontal lines  and Angled ( 2.00 , 5.00 ) ", 0}},
        // Slopes 1 and 1.005: both angles cut to 0.78 radians.
        {Slanted(1, 0), Slanted(1.005, 3), {D + crlf + angled.substr(1) + "Parallel lines ", 0}},
        {Line(0, 0, 1, 1),
         Line(0, 2, 2, 0),
         {D + crlf + angled.substr(1) + "Perpendicular lines ", 0}},
        {Line(0, 0, 1, 2),
         Line(0, 4, 2, 0),
         {D + crlf + " Line  -  Line    Intersection   ( 1.00 , 2.00  )", 1}},
        // 0.78 against 0.79 radians: not parallel.
        {Slanted(1, 0),
         Slanted(1.0234375, -0.046875),
         {D + crlf + " Line  -  Line    Intersection   ( 2.00 , 2.00  )", 1}},
    };
    for (const auto& c : cases)
        Expect(Meet(c.a, c.b), c.expected);
    const auto point = Meet(Line(0, 0, 1, 2), Line(0, 4, 2, 0));
    EXPECT_DOUBLE_EQ(point->Rings[0].x, 1);
    EXPECT_DOUBLE_EQ(point->Rings[0].y, 2);
}

TEST(Intersections, EllipseAndLine) {
    const ShapeParameters e = Ellipse(0, 0, 5, 3);
    const std::string two = " Line - Elipse Intersection   ( 5.00 , 0.00 ) , ( -5.00 , 0.00 )";
    Expect(Meet(Line(-8, 0, 8, 0), e), {two, 2});
    Expect(Meet(e, Line(-8, 0, 8, 0)), {two, 2});
    Expect(Meet(Line(-8, 3, 8, 3), e),
           {" " + T14 + " Line - Elipse Intersection   ( 0.00 , 3.00 )", 1});
    Expect(Meet(e, Line(-8, 3, 8, 3)),
           {" " + T14 + " Elipse - Line Intersection   ( 0.00 , 3.00 )", 1});
    Expect(Meet(Line(-8, 4, 8, 4), e), {" Not Intersection" + Sp(21), 0});
    Expect(Meet(e, Line(-8, 4, 8, 4)), {"Not Intersection" + Sp(21), 0});
    Expect(Meet(Line(3, -8, 3, 8), e),
           {" Line - Elipse Intersection   ( 3.00 , 2.4 ) , ( 3.00 , -2.4 )", 2});
    Expect(Meet(e, Line(5, -8, 5, 8)),
           {" " + T14 + " Elipse - Line Intersection   ( 5.00 , 0.00 )", 1});
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
    Expect(Meet(Line(-8, -1, 8, -1), p), {" Not Intersection" + Sp(21), 0});
    // A vertical line crosses an upright parabola once.
    Expect(Meet(p, Line(2, -8, 2, 8)), {" Parabola - Line Intersection   ( 2.00 , 2.00 )", 1});
    Expect(Meet(Line(2, -8, 2, 8), p), {" Line - Parabola Intersection   ( 2.00 , 2.00 )", 1});
    // A parabola on its side, x = 0.5 y²: as it is drawn.
    const ShapeParameters side = Parabola(0, 0, 0.5, true);
    Expect(Meet(side, Line(2, -8, 2, 8)),
           {" Parabola - Line Intersection   ( 2.00 , -2.00 ) , ( 2.00 , 2.00 )" + Sp(21), 2});
    Expect(Meet(side, Line(-8, 2, 8, 2)), {" Parabola - Line Intersection   ( 2.00 , 2.00 )", 1});
    Expect(Meet(side, Line(0, 0, 1, 1)),
           {" Parabola - Line Intersection   ( 0.00 , 0.00 ) , ( 2.00 , 2.00 )" + Sp(21), 2});
    // A parabola with a = 0 is the straight line y = 2 here; nothing of the solve before.
    const ShapeParameters straight = Parabola(0, 2, 0);
    Expect(Meet(straight, Line(-8, 3, 8, 3)), {" Not Intersection" + Sp(21), 0});
    Expect(Meet(straight, Line(-8, 2, 8, 2)),
           {" The parabola has A = 0 and lies along the line ", 0});
    Expect(Meet(straight, Line(0, 0, 1, 1)),
           {" Parabola - Line Intersection   ( 2.00 , 2.00 )", 1});
}
