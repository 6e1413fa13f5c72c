#include "geometry/ShapeMeasure.h"
#include "platform/FormatNumber.h"

#include "Shapes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace pelcor;

namespace {

const std::string CrLf = "\r\n";
const std::string Sq = "\xC2\xB2";

// Board pixels of a unit point.
int Px(double x) {
    return static_cast<int>(std::lround(160 + 10 * x));
}
int Py(double y) {
    return static_cast<int>(std::lround(160 - 10 * y));
}

using pelcor::testing::Shape;

// A line between two unit points; X1, Y1 is the first.
ShapeRecord UnitLine(double x1, double y1, double x2, double y2) {
    return Shape("LINE", Px(x1), Py(y1), Px(x2), Py(y2));
}

// A circle of radius r units about (a, b), of the given solid form and height (units).
ShapeRecord UnitCircle(double a, double b, double r, int form = 0, double height = 0) {
    const int rp = static_cast<int>(std::lround(10 * r));
    ShapeRecord s = Shape("CIRCLE", Px(a) - rp, Py(b) - rp, Px(a) + rp, Py(b) + rp);
    s.X3 = s.Y3 = rp;
    s.Aux1 = static_cast<int>(std::lround(10 * height));
    s.Aux2 = form;
    s.Aux3 = 30;
    return s;
}

// A regular polygon of radius r units about the origin.
ShapeRecord Polygon(int sides, double r, int form = 0) {
    ShapeRecord s = Shape("HEXAGON", 160, 160, static_cast<int>(std::lround(10 * r)), 6);
    s.Aux1 = 15;
    s.Aux2 = form;
    s.Aux3 = 30;
    s.Aux4 = sides;
    return s;
}

std::string FirstLine(int number, const std::string& name) {
    return " Drawing number " + std::to_string(number) + " selected, a " + name + "     ";
}

ShapeDescription Describe(const ShapeRecord& s, int number = 1, int lineOrdinal = 1) {
    return DescribeShape(MeasureShape(s), number, lineOrdinal);
}

// ---- lines ----

TEST(LineMeasure, DiagonalThroughTheOrigin) {
    // Pixel (160, 160) to (260, 60) is the unit line from (0, 0) to (10, 10).
    const ShapeMeasurement m = MeasureShape(Shape("LINE", 160, 160, 260, 60));
    ASSERT_TRUE(m.Line && m.P2);
    EXPECT_EQ(m.Line->Slope, 1);
    EXPECT_EQ(m.Line->Intercept, 0);
    EXPECT_EQ(m.Line->AngleDegrees, 45);
    EXPECT_EQ(m.P2->x, 10);
    EXPECT_EQ(m.P2->y, 10);
    EXPECT_EQ(m.LinePrefix, "");
    EXPECT_EQ(m.Texts.Length, "14.142");
    EXPECT_EQ(m.Texts.Slope, "1.000");
    EXPECT_EQ(m.Texts.Intercept, "0.000");
    EXPECT_EQ(m.Texts.AngleDegrees, "45.000");
    EXPECT_EQ(m.Texts.EndX, "10.000");
    EXPECT_EQ(m.Texts.EndY, "10.000");
    EXPECT_EQ(m.Info, "General Formula for Line   y = m * x + n  --- Length of line = 14.142");

    const ShapeDescription d = DescribeShape(m, 1, 1);
    EXPECT_TRUE(d.ShowMemo);
    EXPECT_EQ(d.Memo, FirstLine(1, "Line") + CrLf +
                          " Line 1   y = 1.000 * x    Angle := 45.000   Length = 14.142      ");
    EXPECT_FALSE(d.Info.has_value()); // the label keeps the general formula
    ASSERT_TRUE(d.LineEdits);
    EXPECT_EQ(*d.LineEdits, (LineEditTexts{"1.000", "0.000", "14.142", "45.000"}));
    EXPECT_EQ(d.EquatLabel, "General Formula for Line   y = m * x + n   ");
    EXPECT_EQ(d.Texts.AngleRadians, "0.785"); // the angle in radians, cut
}

TEST(LineMeasure, VerticalLine) {
    const ShapeMeasurement m = MeasureShape(Shape("LINE", 100, 50, 100, 200));
    ASSERT_TRUE(m.Line);
    EXPECT_EQ(m.Line->AngleDegrees, 90);
    EXPECT_EQ(m.Texts.Intercept, "-6.000"); // n holds the line's x
    EXPECT_EQ(m.Info, "Vertical line - General Formula for Line   y = m * x + n  --- Length of "
                      "line = 15.000");

    const ShapeDescription d = DescribeShape(m, 2, 1);
    EXPECT_EQ(d.Memo, FirstLine(2, "Line") + CrLf +
                          " Vertical Line   x :=-6.000  Angle = 90.00    Parallel to Y axies ");
    ASSERT_TRUE(d.LineEdits);
    EXPECT_EQ(*d.LineEdits, (LineEditTexts{"0.000", "-6.000", "15.000", "90.000"}));
    EXPECT_EQ(d.EquatLabel, "General Formula for Line   y = m * x + n   ");
}

TEST(LineMeasure, HorizontalLineEitherWay) {
    for (const auto& [x1, x2] : {std::pair{40, 200}, std::pair{200, 40}}) {
        SCOPED_TRACE(x1);
        const ShapeMeasurement m = MeasureShape(Shape("LINE", x1, 100, x2, 100));
        EXPECT_EQ(m.Texts.Slope, "0.000");
        EXPECT_EQ(m.Texts.Intercept, "6.000");
        EXPECT_EQ(m.Texts.AngleDegrees, "0.000");
        EXPECT_EQ(m.Info, "Horizontal line - General Formula for Line   y = m * x + n  --- "
                          "Length of line = 16.000");
        const ShapeDescription d = DescribeShape(m, 1, 1);
        EXPECT_EQ(d.Memo, FirstLine(1, "Line") + CrLf +
                              " Horizonta Line   y =6.000  Angle = 0.00  Parallel to X axies");
        // A slope of 0 over a negative run must not show as "-0.000".
        ASSERT_TRUE(d.LineEdits);
        EXPECT_EQ(*d.LineEdits, (LineEditTexts{"0.000", "6.000", "16.000", "0.000"}));
    }
}

TEST(LineMeasure, LineOfOnePointReadsAsVerticalOfLengthZeroAndGetsNoMemoLine) {
    const ShapeMeasurement m = MeasureShape(Shape("LINE", 120, 80, 120, 80));
    EXPECT_EQ(m.Info, "Vertical line - General Formula for Line   y = m * x + n  --- Length of "
                      "line = 0.000");
    const ShapeDescription d = DescribeShape(m, 3, 2);
    EXPECT_EQ(d.Memo, FirstLine(3, "Line"));
    EXPECT_TRUE(d.EquatLabel.has_value());
}

struct SignCase {
    ShapeRecord line;
    std::string rest;
};

TEST(LineDescribe, SlopeAndInterceptSignsChooseTheRow) {
    const SignCase cases[] = {
        // m > 0, n > 0
        {UnitLine(0, 2, 2, 4), "   y =  1.000 * x + 2.000   Angle := 45.000   Length = 2.828     "},
        // m > 0, n < 0: slope 0.5, intercept -2.5
        {UnitLine(1, -2, 5, 0), "   y =  0.5 * x -2.5   Angle = 26.565   Length := 4.472   "},
        // m < 0, n > 0
        {UnitLine(0, 3, 3, 0),
         "   y :=  -1.000 * x + 3.000   Angle := -45.000   Length := 4.242       "},
        // m < 0, n < 0
        {UnitLine(0, -3, -3, 0),
         "   y :=  -1.000 * x -3.000   Angle := -45.000   Length := 4.242      "},
        // m > 0, n = 0
        {UnitLine(-2, -1, 4, 2), "   y = 0.5 * x    Angle := 26.565   Length = 6.708      "},
        // m < 0, n = 0
        {UnitLine(0, 0, 2, -4), "   y :=  -2.000 * x    Angle = -63.434   Length = 4.472    "},
    };
    for (const SignCase& c : cases) {
        SCOPED_TRACE(c.rest);
        const ShapeDescription d = Describe(c.line, 7, 3);
        EXPECT_EQ(d.Memo, FirstLine(7, "Line") + CrLf + " Line 3" + c.rest);
    }
}

TEST(LineDescribe, InterceptThatIsExactlyZeroIsNotTurnedIntoARoundingError) {
    // Slope 15/11 through the origin: y2 - m x2 in doubles is about 1.8E-15 and would pick
    // the row for a positive intercept.
    const ShapeMeasurement m = MeasureShape(UnitLine(-11, -15, 11, 15));
    ASSERT_TRUE(m.Line);
    EXPECT_EQ(m.Line->Intercept, 0);
    const ShapeDescription d = DescribeShape(m, 1, 1);
    EXPECT_EQ(d.Memo, FirstLine(1, "Line") + CrLf +
                          " Line 1   y = 1.363 * x    Angle := 53.746   Length = 37.202      ");
}

TEST(LineMeasure, UnitValuesNextToTheOriginAreNotCutBelowTheirTenth) {
    // 16 - 15.9 computed as written is 0.0999999999999996, which cuts to 0.099.
    const ShapeMeasurement m = MeasureShape(Shape("LINE", 159, 161, 161, 159));
    EXPECT_EQ(m.P1xText, "-0.1");
    EXPECT_EQ(m.P1yText, "-0.1");
    EXPECT_EQ(m.Texts.EndX, "0.1");
    EXPECT_EQ(m.Texts.EndY, "0.1");
    EXPECT_EQ(m.Texts.Slope, "1.000");
}

TEST(LineOrdinal, CountsTheLinesBeforeTheSelectedShape) {
    DrawingList list;
    NewShapeStyle style;
    list.AppendShape(UnitCircle(0, 0, 2), style);
    list.AppendShape(UnitLine(0, 0, 1, 1), style);
    list.AppendShape(Shape("SQUARE", 10, 10, 50, 50), style);
    list.AppendShape(UnitLine(0, 0, 2, 1), style);
    EXPECT_EQ(LineOrdinalOf(list, 1), 1);
    EXPECT_EQ(LineOrdinalOf(list, 2), 1);
    EXPECT_EQ(LineOrdinalOf(list, 4), 2);
    EXPECT_EQ(LineOrdinalOf(list, 9), 3); // beyond the list: every line counted
}

// ---- rectangles, ellipses, triangles, texts ----

TEST(RectangleMeasure, TwoByThreeUnits) {
    const ShapeRecord s = Shape("SQUARE", 160, 160, 180, 130);
    const ShapeMeasurement m = MeasureShape(s);
    EXPECT_EQ(m.Info, " Rectangular shape,  Area = 6.000, Height = 3.000, Width = 2.000");
    EXPECT_EQ(m.Texts.CentreX, "1.000");
    EXPECT_EQ(m.Texts.CentreY, "1.5");

    const ShapeDescription d = DescribeShape(m, 4, 1);
    EXPECT_EQ(d.Info, " Rectangle ");
    EXPECT_EQ(d.Memo, FirstLine(4, "Rectangle") + CrLf + "    Perimeter  =  10.000" + CrLf +
                          "    Total Area  =  6.000" + CrLf + "    Vertical height  =  3.000" +
                          CrLf + "    Horizontal width  =  2.000" + CrLf);
    EXPECT_FALSE(d.LineEdits.has_value());
    // Dragged the other way the measurements are the same.
    EXPECT_EQ(Describe(Shape("SQUARE", 180, 130, 160, 160), 4).Memo, d.Memo);
}

TEST(EllipseMeasure, HalfAxesStoredAndCentreFromWhicheverCornerTheDragEndedOn) {
    // 100 by 60 pixels about pixel (150, 160), the unit point (-1, 0).
    for (const ShapeRecord& s :
         {Shape("ELLIPSE", 200, 190, 100, 130), Shape("ELLIPSE", 100, 130, 200, 190)}) {
        SCOPED_TRACE(s.X1);
        const ShapeMeasurement m = MeasureShape(s);
        EXPECT_EQ(m.Shape.X3, 50);
        EXPECT_EQ(m.Shape.Y3, 30);
        EXPECT_EQ(m.Texts.PixelX2, std::to_string(s.X2));
        EXPECT_EQ(m.Texts.PixelY2, std::to_string(s.Y2));
        EXPECT_EQ(m.Texts.HalfWidth, "5");
        EXPECT_EQ(m.Texts.HalfHeight, "3");
        EXPECT_EQ(m.Texts.CentreX, "-1");
        EXPECT_EQ(m.Texts.CentreY, "0");
        EXPECT_EQ(m.Texts.Area, "47.1238898038469");
        EXPECT_EQ(m.Info, "Ellipse  ( x -a ) " + Sq + " / h " + Sq + " + ( y - b ) " + Sq +
                              " / p " + Sq + " - 1  = 0 ");

        const ShapeDescription d = DescribeShape(m, 2, 1);
        EXPECT_EQ(d.Memo, FirstLine(2, "Ellipse") + CrLf +
                              " Ellipse horizontal radius (h) = 5   vert radius 3" + CrLf +
                              " Ellipse centre = ( -1 , 0 )");
        EXPECT_FALSE(d.Info.has_value());
    }
}

TEST(EllipseMeasure, OddSpansHalveWithoutFraction) {
    const ShapeMeasurement m = MeasureShape(Shape("ELLIPSE", 100, 100, 131, 117));
    EXPECT_EQ(m.Shape.X3, 15);
    EXPECT_EQ(m.Shape.Y3, 8);
    const ShapeDescription d = DescribeShape(m, 1, 1);
    EXPECT_NE(d.Memo.find("(h) = 1.55   vert radius 0.85"), std::string::npos) << d.Memo;
    EXPECT_NE(d.Memo.find("centre = ( -4.45 , 5.15 )"), std::string::npos) << d.Memo;
}

TEST(TriangleDescribe, ListsTheThreeVertices) {
    ShapeRecord s = Shape("TRIANGLE", 160, 163, 57, 57);
    s.X3 = 160, s.Y3 = 110;     // (0, 5)
    s.X4 = 210, s.Y4 = 190;     // (5, -3)
    s.Aux1 = 110, s.Aux2 = 190; // (-5, -3)
    const ShapeMeasurement m = MeasureShape(s);
    EXPECT_FALSE(m.P2.has_value());
    EXPECT_FALSE(m.Info.has_value());
    const ShapeDescription d = DescribeShape(m, 5, 1);
    EXPECT_EQ(d.Memo, FirstLine(5, "Triangle") + CrLf +
                          " Triangle Points (a,b,c) = ( 0 , 5 )   ( 5 , -3 )   ( -5 , -3 )" + CrLf);
    EXPECT_FALSE(d.Info.has_value());
}

TEST(TextDescribe, TextAndFontName) {
    ShapeRecord s = Shape("TEXT", 30, 40, 0, 0);
    s.Text = "Hello";
    s.FontName = "Arial";
    s.FontSize = "12";
    s.FontStyle = "Bold";
    s.TextRes5 = "x";
    s.TextRes6 = "y";
    const ShapeMeasurement m = MeasureShape(s);
    EXPECT_EQ(m.Shape.TextRes5, "0");
    EXPECT_EQ(m.Shape.TextRes6, "0");
    EXPECT_EQ(m.Shape.Text, "Hello");
    EXPECT_EQ(m.Shape.FontSize, "12");
    EXPECT_FALSE(m.P2.has_value());
    EXPECT_FALSE(m.Info.has_value());
    EXPECT_EQ(m.P1xText, "-13.000");
    EXPECT_EQ(m.P1yText, "12.000");

    const ShapeDescription d = DescribeShape(m, 6, 1);
    EXPECT_EQ(d.Memo, FirstLine(6, "Text") + " = Hello" + CrLf + "Font name = Arial" + CrLf);
}

TEST(HyperbolaDescribe, BothKindsGetTheFirstLineOnly) {
    for (const char* k : {"HYPER", "HYPER1"}) {
        const ShapeDescription d = Describe(Shape(k, 160, 160, 200, 100), 8);
        EXPECT_EQ(d.Memo, FirstLine(8, "Hyperbola"));
        EXPECT_FALSE(d.Info.has_value());
    }
}

TEST(Describe, NothingSelectedHidesTheMemoAndClearsTheInfoLine) {
    const ShapeDescription d = DescribeShape(ShapeMeasurement{}, 0, 1);
    EXPECT_FALSE(d.ShowMemo);
    EXPECT_EQ(d.Info, "");
    EXPECT_EQ(d.Memo, "");
}

// ---- parabolas ----

TEST(ParabolaDescribe, CoefficientsWithTheirSignWords) {
    ShapeRecord s = Shape("PARABOLA", 160, 160, 0, 0);
    s.X3 = 5; // a = 0.5 in tenths
    const ShapeDescription d = Describe(s, 3);
    const std::string fresh = "Parabola   y = 0.5 * x " + Sq + " - 0.000 * x   -  0.000";
    EXPECT_EQ(d.Info, fresh);
    EXPECT_EQ(d.Memo, FirstLine(3, "Parabola") + fresh);

    s.X3 = -12; // a = -1.2, b = 2, c = -3
    s.Y3 = 20;
    s.X4 = -30;
    EXPECT_EQ(Describe(s, 3).Info, "Parabola   y = -1.2 * x " + Sq + " + 2.000 * x   -  3.000");
    s.Y3 = -15;
    s.X4 = 40;
    EXPECT_EQ(Describe(s, 3).Info, "Parabola   y = -1.2 * x " + Sq + " - 1.5 * x   +  4.000");
}

// ---- circles and their solids ----

TEST(CircleMeasure, RadiusFiveAboutTheOrigin) {
    const ShapeRecord s = UnitCircle(0, 0, 5);
    ASSERT_EQ(s.X1, 110);
    ASSERT_EQ(s.Y1, 110);
    const ShapeMeasurement m = MeasureShape(s);
    EXPECT_FALSE(m.P2.has_value());
    EXPECT_EQ(m.Texts.PixelX2, "210");
    EXPECT_EQ(m.Texts.Radius, "5");
    EXPECT_EQ(m.Texts.CentreX, "0");
    EXPECT_EQ(m.Texts.CentreY, "0");
    EXPECT_EQ(m.Texts.Area, "78.5398163397448");
    const std::string general = " Circle  ( x - a ) " + Sq + " + ( y - b ) " + Sq + " = r " + Sq;
    EXPECT_EQ(m.Info, general);

    const ShapeDescription d = DescribeShape(m, 1, 1);
    const std::string eq = "0.000 ) " + Sq + "  +  ( y  -  0.000 ) " + Sq + "  =  5.000 " + Sq;
    EXPECT_EQ(d.Info, " Circle  = ( x  -  " + eq);
    EXPECT_EQ(d.Memo, FirstLine(1, "Circle") + "Shape type  =  ( Circle )   =  ( x  -  " + eq +
                          CrLf + "   Circumference ( c )  =  2 * Pi * r  =  31.415" + CrLf +
                          "   Area ( a )  =  Pi * r " + Sq + "  =  78.539" + CrLf +
                          "   Radius ( r )  =  c / ( 2 * Pi )  =  5.000" + CrLf);
}

TEST(CircleDescribe, Cylinder) {
    const ShapeDescription d = Describe(UnitCircle(0, 0, 3, 1, 4), 2);
    EXPECT_FALSE(d.Info.has_value());
    EXPECT_EQ(d.Memo,
              FirstLine(2, "Circle") +
                  "Shape type  =  ( Cylinder )  Circumference ( c ),  Radius ( r ),  Height ( h )" +
                  CrLf + "    Height (h)  =  4.000    Radius ( r )  =  3.000  " + CrLf +
                  "    Circumference ( c )  =  2 * Pi * r  =  18.849" + CrLf +
                  "    Circle area ( Ac )  =  Pi * r " + Sq + "  =  28.274" + CrLf +
                  "    Lateral area ( Al )  =  c * h  =  75.398" + CrLf +
                  "    Area total ( At )  =  Al + 2 * Pi * r " + Sq + "  =  131.946" + CrLf);
}

TEST(CircleDescribe, ConeOfRadiusThreeAndHeightFour) {
    const ShapeMeasurement m = MeasureShape(UnitCircle(0, 0, 3, 2, 4));
    const ShapeDescription d = DescribeShape(m, 2, 1);
    EXPECT_EQ(d.Info, *m.Info + "Cone  Radius ( r ),  Height ( h ),  generator ( g )");
    EXPECT_EQ(d.Memo, FirstLine(2, "Circle") + "Shape type  =  ( Cone )" + CrLf +
                          "    Circumference  =  18.849" + CrLf +
                          "    Lateral area ( Al )  =  Pi * r * g  =  47.123" + CrLf +
                          "    Area total ( At )  =  Pi * r ( g + r )  =  75.398" + CrLf +
                          "    Volume ( V )  =  ( Pi * r " + Sq + " * h ) / 3  =  37.69" + CrLf +
                          "    Radius ( r )  =  3.000" + CrLf);
}

TEST(CircleDescribe, TruncatedConeUsesTwoPlaces) {
    const ShapeMeasurement m = MeasureShape(UnitCircle(2, -1, 2.5, 3, 3));
    const ShapeDescription d = DescribeShape(m, 9, 1);
    EXPECT_EQ(d.Info, *m.Info + "Trunc Cone   ( x  -  2.00 ) " + Sq + "  +  ( y  -  -1.00 ) " + Sq +
                          "  :=  2.5" + Sq);
    EXPECT_EQ(d.Memo, FirstLine(9, "Circle") + "Shape type  =  ( Trunc Cone )" + CrLf +
                          "    Circumference = 15.70" + CrLf + "    Area := 19.63" + CrLf +
                          "    Radius := 2.5" + CrLf + "    ");
}

TEST(CircleDescribe, Sphere) {
    const ShapeMeasurement m = MeasureShape(UnitCircle(1, 1, 2, 4));
    const ShapeDescription d = DescribeShape(m, 1, 1);
    EXPECT_EQ(d.Info, *m.Info + "Sphere   ( x  -  1.000 ) " + Sq + "  +  ( y  -  1.000 ) " + Sq +
                          "  :=  2.000" + Sq);
    EXPECT_EQ(d.Memo, FirstLine(1, "Circle") + "Shape type  =  ( Sphere )" + CrLf +
                          "    Circumference ( c )  =  12.566" + CrLf +
                          "    Area ( a )  =  12.566" + CrLf + "    Radius ( r )  =  2.000" + CrLf);
}

TEST(CircleDescribe, UnknownFormGetsTheFirstLineOnly) {
    for (int form : {-1, 5, 7}) {
        const ShapeDescription d = Describe(UnitCircle(0, 0, 2, form), 1);
        EXPECT_EQ(d.Memo, FirstLine(1, "Circle"));
        EXPECT_FALSE(d.Info.has_value());
    }
}

// ---- regular polygons ----

TEST(PolygonDescribe, EquilateralTriangle) {
    const ShapeDescription d = Describe(Polygon(3, 2), 1);
    EXPECT_EQ(d.Info, " Equilateral Triangle Inscribe  ( r = Radius  L = r * Sqr3)");
    EXPECT_EQ(d.Memo, FirstLine(1, "Hexagon") + "Shape type  =  ( Triangle )" + CrLf +
                          "    r = Radius = 2.000" + CrLf + "    Perimeter  =  3 * L  =  10.392" +
                          CrLf + "    Area  =  (L * h ) / 2  =  5.196" + CrLf +
                          "    Height  =  3 * r / 2  = 3.000" + CrLf +
                          "    L  =  r * Sqrt 3  =  3.464" + CrLf);
}

TEST(PolygonDescribe, SquareHasThreeLines) {
    const ShapeDescription d = Describe(Polygon(4, 2, 1), 1);
    EXPECT_EQ(d.Info, "Square ... Inscribe  ( r = Radius  L = r * Sqr2)");
    EXPECT_EQ(d.Memo, FirstLine(1, "Hexagon") + "Shape type  =  ( Square )" + CrLf +
                          "    r = Radius = 2.000" + CrLf + "    Perimeter  =  4 * L  =  11.313" +
                          CrLf + "    Area  =  l " + Sq + " = 8.000" + CrLf +
                          "    L  =  r * Sqrt 2  =  2.828" + CrLf);
}

TEST(PolygonDescribe, Hexagon) {
    const ShapeDescription d = Describe(Polygon(6, 3, 2), 1);
    EXPECT_EQ(d.Info, "Regular Hexagon Inscribe  ( r = Radius  L = R )");
    EXPECT_EQ(d.Memo, FirstLine(1, "Hexagon") + "Shape type  =  ( Hexagon )" + CrLf +
                          "    r = Radius = 3.000" + CrLf + "    Perimeter  =  6 * r = 18.000" +
                          CrLf + "    Height  =  r * Sqrt 3 / 2 = 2.598" + CrLf +
                          "    Area  =  3 r " + Sq + " Sqrt 3 / 2  =  23.382" + CrLf +
                          "    L  =  r  =  3.000" + CrLf);
}

TEST(PolygonDescribe, OtherSideCountsMeasureTheInscribedRegularPolygon) {
    struct Case {
        int sides;
        const char* title;
        const char* name;
    };
    const Case cases[] = {{5, "Regular Pentagon Inscribe  ( r = Radius )", "Pentagon"},
                          {7, "Regular Heptagon ", "Heptagon"},
                          {8, "Regular Octagon ", "Octagon"},
                          {9, "Regular Nanagon ", "Nanagon"},
                          {10, "Regular Decagon ", "Decagon"},
                          {12, "Regular gon ", "Gon"}};
    const double r = 4;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sides);
        // Side by the law of cosines, area from the apothem, height standing on a side.
        const double side = std::sqrt(2 * r * r * (1 - std::cos(2 * Pi / c.sides)));
        const double apothem = std::sqrt(r * r - side * side / 4);
        const double perimeter = c.sides * side;
        const double height = c.sides % 2 ? r + apothem : 2 * apothem;
        const double area = perimeter * apothem / 2;
        auto f3 = [](double v) { return FormatNumber(v, "###.###"); };

        const ShapeDescription d = Describe(Polygon(c.sides, r, 3), 1);
        EXPECT_EQ(d.Info, c.title);
        EXPECT_EQ(d.Memo, FirstLine(1, "Hexagon") + "Shape type  =  ( " + c.name + " )" + CrLf +
                              "    r = Radius = 4.000" + CrLf + "    Perimeter  =  " +
                              f3(perimeter) + CrLf + "    Height  =  " + f3(height) + CrLf +
                              "    Area  =  " + f3(area) + CrLf + "    L  =  " + f3(side) + CrLf);
    }
    // Spot values: the octagon has area 2 sqrt 2 r², the dodecagon 3 r².
    EXPECT_NE(Describe(Polygon(8, 4), 1).Memo.find("    Area  =  45.254"), std::string::npos);
    EXPECT_NE(Describe(Polygon(12, 4), 1).Memo.find("    Area  =  48.000"), std::string::npos);
}

TEST(PolygonDescribe, UnknownSidesOrFormGetNoMeasurementsAndAnEmptyInfoLine) {
    for (const ShapeRecord& s :
         {Polygon(11, 3), Polygon(2, 3), Polygon(6, 3, 4), Polygon(6, 3, -1)}) {
        SCOPED_TRACE(s.Aux4 * 10 + s.Aux2);
        const ShapeDescription d = Describe(s, 2);
        EXPECT_EQ(d.Memo, FirstLine(2, "Hexagon"));
        EXPECT_EQ(d.Info, "");
    }
}

} // namespace
