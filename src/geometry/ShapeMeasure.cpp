#include "geometry/ShapeMeasure.h"

#include "drawing/Coordinates.h"
#include "platform/FormatNumber.h"
#include "platform/NumberText.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace pelcor {

namespace {

const std::string CrLf(MemoBreak);
const std::string Sq = "\xC2\xB2"; // "²"

std::string F3(double v) {
    return FormatNumber(v, "###.###");
}
std::string F2(double v) {
    return FormatNumber(v, "###.##");
}
std::string G(double v) {
    return FormatGeneral(v);
}

double AbsDiff(int a, int b) {
    return std::fabs(static_cast<double>(a) - static_cast<double>(b));
}

// The line through the record's two points, from the pixel values so that a slope or
// intercept that is exactly zero comes out as zero. `dx` must not be 0.
struct SlantedLine {
    double slope, intercept, length;
};
SlantedLine Slanted(const ShapeRecord& s) {
    const double dx = static_cast<double>(s.X2) - s.X1; // pixels, not 0
    const double dy = static_cast<double>(s.Y1) - s.Y2; // pixels, y upwards
    const double slope = dy / dx;
    // n = y2 - m x2 with x2 = (X2 - 160) / 10 and y2 = (160 - Y2) / 10, over one division.
    const double intercept = ((OriginPixel - static_cast<double>(s.Y2)) * dx -
                              dy * (static_cast<double>(s.X2) - OriginPixel)) /
                             (PixelsPerUnit * dx);
    return {slope, intercept, PixelsToUnits(std::hypot(dx, dy))};
}

double LineLength(const ShapeRecord& s) {
    return PixelsToUnits(
        std::hypot(static_cast<double>(s.X2) - s.X1, static_cast<double>(s.Y2) - s.Y1));
}

void MeasureLine(ShapeMeasurement& m) {
    const ShapeRecord& s = m.Shape;
    LineValues line;
    if (s.X1 == s.X2) {
        line.Slope = 0;
        line.Intercept = m.P1.x;
        line.AngleDegrees = 90;
        m.LinePrefix = "Vertical line - ";
    } else if (s.Y1 == s.Y2) {
        line.Slope = 0;
        line.Intercept = m.P1.y;
        line.AngleDegrees = 0;
        m.LinePrefix = "Horizontal line - ";
    } else {
        const SlantedLine l = Slanted(s);
        line.Slope = l.slope;
        line.Intercept = l.intercept;
        line.AngleDegrees = std::atan(l.slope) * DegreesPerRadian;
    }
    line.Length = LineLength(s);
    m.Line = line;
    m.Texts.Length = F3(line.Length);
    m.Texts.Slope = F3(line.Slope);
    m.Texts.Intercept = F3(line.Intercept);
    m.Texts.AngleDegrees = F3(line.AngleDegrees);
    m.Info = m.LinePrefix +
             "General Formula for Line   y = m * x + n  --- Length of line = " + m.Texts.Length;
}

void MeasureRectangle(ShapeMeasurement& m) {
    const ShapeRecord& s = m.Shape;
    const double height = PixelsToUnits(AbsDiff(s.Y2, s.Y1));
    const double width = PixelsToUnits(AbsDiff(s.X2, s.X1));
    const auto [centreX, centreY] = BoxCentre(s);
    m.Texts.Height = F3(height);
    m.Texts.Width = F3(width);
    m.Texts.CentreX = F3(centreX);
    m.Texts.CentreY = F3(centreY);
    m.Texts.Area = F3(height * width);
    m.Info = " Rectangular shape,  Area = " + m.Texts.Area + ", Height = " + m.Texts.Height +
             ", Width = " + m.Texts.Width;
}

void MeasureEllipse(ShapeMeasurement& m) {
    ShapeRecord& s = m.Shape;
    s.X3 = static_cast<int>(AbsDiff(s.X1, s.X2) / 2); // halved, fraction dropped
    s.Y3 = static_cast<int>(AbsDiff(s.Y1, s.Y2) / 2);
    m.Texts.PixelX2 = std::to_string(s.X2);
    m.Texts.PixelY2 = std::to_string(s.Y2);
    m.Texts.HalfWidth = G(PixelsToUnits(s.X3));
    m.Texts.HalfHeight = G(PixelsToUnits(s.Y3));
    // The centre from the left and top edges, whichever corner the drag ended on.
    m.Texts.CentreX = G(PixelToUnitX(static_cast<double>(std::min(s.X1, s.X2)) + s.X3));
    m.Texts.CentreY = G(PixelToUnitY(static_cast<double>(std::min(s.Y1, s.Y2)) + s.Y3));
    m.Texts.Area = G((PixelsToUnits(s.X3)) * (PixelsToUnits(s.Y3)) * Pi);
    m.Info = "Ellipse  ( x -a ) " + Sq + " / h " + Sq + " + ( y - b ) " + Sq + " / p " + Sq +
             " - 1  = 0 ";
}

void MeasureCircle(ShapeMeasurement& m) {
    const ShapeRecord& s = m.Shape;
    const double r = PixelsToUnits(s.X3);
    const UnitPoint centre = CircleCentre(s);
    m.Texts.PixelX2 = std::to_string(s.X2);
    m.Texts.PixelY2 = std::to_string(s.Y2);
    m.Texts.Radius = G(r);
    m.Texts.Area = G(Pi * r * r);
    m.Texts.CentreX = G(centre.x);
    m.Texts.CentreY = G(centre.y);
    m.Info = " Circle  ( x - a ) " + Sq + " + ( y - b ) " + Sq + " = r " + Sq;
}

std::string PointText(int px, int py) {
    const UnitPoint p = UnitPointOf(px, py);
    return "( " + G(p.x) + " , " + G(p.y) + " )";
}

void DescribeCircle(const ShapeMeasurement& measured, ShapeDescription& d) {
    const ShapeRecord& s = measured.Shape;
    const double r = PixelsToUnits(s.X3);
    const UnitPoint centre = CircleCentre(s);
    const double a = centre.x, b = centre.y;
    const double h = PixelsToUnits(s.Aux1);
    const double c = TwoPi * r;
    const double area = Pi * r * r;
    const std::string current = measured.Info.value_or("");
    std::string& memo = d.Memo;
    switch (s.Aux2) {
    case 0: {
        const std::string equation =
            F3(a) + " ) " + Sq + "  +  ( y  -  " + F3(b) + " ) " + Sq + "  =  " + F3(r) + " " + Sq;
        d.Info = " Circle  = ( x  -  " + equation;
        memo += "Shape type  =  ( Circle ) " + std::string("  =  ( x  -  ") + equation + CrLf;
        memo += "   Circumference ( c )  =  2 * Pi * r  =  " + F3(c) + CrLf +
                "   Area ( a )  =  Pi * r " + Sq + "  =  " + F3(area) + CrLf +
                "   Radius ( r )  =  c / ( 2 * Pi )  =  " + F3(r) + CrLf;
        break;
    }
    case 1:
        memo +=
            "Shape type  =  ( Cylinder )  Circumference ( c ),  Radius ( r ),  Height ( h )" + CrLf;
        memo += "    Height (h)  =  " + F3(h) + "    Radius ( r )  =  " + F3(r) + "  " + CrLf +
                "    Circumference ( c )  =  2 * Pi * r  =  " + F3(c) + CrLf +
                "    Circle area ( Ac )  =  Pi * r " + Sq + "  =  " + F3(area) + CrLf +
                "    Lateral area ( Al )  =  c * h  =  " + F3(c * h) + CrLf +
                "    Area total ( At )  =  Al + 2 * Pi * r " + Sq + "  =  " + F3(c * h + 2 * area) +
                CrLf;
        break;
    case 2: {
        const double g = std::sqrt(r * r + h * h);
        d.Info = current + "Cone  Radius ( r ),  Height ( h ),  generator ( g )";
        memo += "Shape type  =  ( Cone )" + CrLf + "    Circumference  =  " + F3(c) + CrLf +
                "    Lateral area ( Al )  =  Pi * r * g  =  " + F3(Pi * r * g) + CrLf +
                "    Area total ( At )  =  Pi * r ( g + r )  =  " + F3(Pi * r * (g + r)) + CrLf +
                "    Volume ( V )  =  ( Pi * r " + Sq + " * h ) / 3  =  " + F2(area * h / 3) +
                CrLf + "    Radius ( r )  =  " + F3(r) + CrLf;
        break;
    }
    case 3:
        d.Info = current + "Trunc Cone  " + " ( x  -  " + F2(a) + " ) " + Sq + "  +  ( y  -  " +
                 F2(b) + " ) " + Sq + "  :=  " + F2(r) + Sq;
        memo += "Shape type  =  ( Trunc Cone )" + CrLf + "    Circumference = " + F2(c) + CrLf +
                "    Area := " + F2(area) + CrLf + "    Radius := " + F2(r) + CrLf + "    ";
        break;
    case 4:
        d.Info = current + "Sphere  " + " ( x  -  " + F3(a) + " ) " + Sq + "  +  ( y  -  " + F3(b) +
                 " ) " + Sq + "  :=  " + F3(r) + Sq;
        memo += "Shape type  =  ( Sphere )" + CrLf + "    Circumference ( c )  =  " + F3(c) + CrLf +
                "    Area ( a )  =  " + F3(area) + CrLf + "    Radius ( r )  =  " + F3(r) + CrLf;
        break;
    default: break;
    }
}

// A regular polygon of `sides` sides inscribed in a circle of radius r.
struct RegularPolygon {
    double side, perimeter, height, area;
};
RegularPolygon Polygon(int sides, double r) {
    const double n = sides;
    RegularPolygon p;
    p.side = 2 * r * std::sin(Pi / n);
    p.perimeter = n * p.side;
    // Standing on one side: up to the opposite vertex (odd) or the opposite side (even).
    p.height = sides % 2 == 1 ? r * (1 + std::cos(Pi / n)) : 2 * r * std::cos(Pi / n);
    p.area = n * r * r * std::sin(TwoPi / n) / 2;
    return p;
}

void DescribePolygon(const ShapeRecord& s, ShapeDescription& d) {
    d.Info = "";
    if (s.Aux2 < 0 || s.Aux2 > 3) return;
    const double r = PixelsToUnits(s.X2);
    const double sqrt3 = std::sqrt(3.0);
    std::string title, type;
    std::string lines; // the measurement lines, each ended by CR LF
    switch (s.Aux4) {
    case 3: {
        const double l = r * sqrt3, h = 3 * r / 2;
        title = " Equilateral Triangle Inscribe  ( r = Radius  L = r * Sqr3)";
        type = "Shape type  =  ( Triangle )";
        lines = "    Perimeter  =  3 * L  =  " + F3(3 * l) + CrLf +
                "    Area  =  (L * h ) / 2  =  " + F3(l * h / 2) + CrLf +
                "    Height  =  3 * r / 2  = " + F3(h) + CrLf +
                "    L  =  r * Sqrt 3  =  " + F3(l) + CrLf;
        break;
    }
    case 4: {
        const double l = r * std::sqrt(2.0);
        title = "Square ... Inscribe  ( r = Radius  L = r * Sqr2)";
        type = "Shape type  =  ( Square )";
        lines = "    Perimeter  =  4 * L  =  " + F3(4 * l) + CrLf + "    Area  =  l " + Sq + " = " +
                F3(l * l) + CrLf + "    L  =  r * Sqrt 2  =  " + F3(l) + CrLf;
        break;
    }
    case 6:
        title = "Regular Hexagon Inscribe  ( r = Radius  L = R )";
        type = "Shape type  =  ( Hexagon )";
        lines = "    Perimeter  =  6 * r = " + F3(6 * r) + CrLf +
                "    Height  =  r * Sqrt 3 / 2 = " + F3(r * sqrt3 / 2) + CrLf +
                "    Area  =  3 r " + Sq + " Sqrt 3 / 2  =  " + F3(3 * sqrt3 * r * r / 2) + CrLf +
                "    L  =  r  =  " + F3(r) + CrLf;
        break;
    case 5:
    case 7:
    case 8:
    case 9:
    case 10:
    case 12: {
        switch (s.Aux4) {
        case 5:
            title = "Regular Pentagon Inscribe  ( r = Radius )";
            type = "Shape type  =  ( Pentagon )";
            break;
        case 7:
            title = "Regular Heptagon ";
            type = "Shape type  =  ( Heptagon )";
            break;
        case 8:
            title = "Regular Octagon ";
            type = "Shape type  =  ( Octagon )";
            break;
        case 9:
            title = "Regular Nanagon ";
            type = "Shape type  =  ( Nanagon )";
            break;
        case 10:
            title = "Regular Decagon ";
            type = "Shape type  =  ( Decagon )";
            break;
        default:
            title = "Regular gon ";
            type = "Shape type  =  ( Gon )";
            break;
        }
        const RegularPolygon p = Polygon(s.Aux4, r);
        lines = "    Perimeter  =  " + F3(p.perimeter) + CrLf + "    Height  =  " + F3(p.height) +
                CrLf + "    Area  =  " + F3(p.area) + CrLf + "    L  =  " + F3(p.side) + CrLf;
        break;
    }
    default: return;
    }
    d.Info = title;
    d.Memo += type + CrLf + "    r = Radius = " + F3(r) + CrLf + lines;
}

void DescribeParabola(const ShapeRecord& s, ShapeDescription& d) {
    // The record keeps a, b and c in tenths.
    const double a = PixelsToUnits(s.X3), b = PixelsToUnits(s.Y3), c = PixelsToUnits(s.X4);
    const std::string info = "Parabola   y = " + F3(a) + " * x " + Sq + (b > 0 ? " + " : " - ") +
                             F3(std::fabs(b)) + " * x " + (c > 0 ? "  +  " : "  -  ") +
                             F3(std::fabs(c));
    d.Info = info;
    d.Memo += info;
}

} // namespace

UnitPoint UnitPointOf(int px, int py) {
    return {PixelToUnitX(px), PixelToUnitY(py)};
}

UnitPoint CircleCentre(const ShapeRecord& s) {
    return {PixelToUnitX(static_cast<double>(s.X1) + s.X3),
            PixelToUnitY(static_cast<double>(s.Y1) + s.X3)};
}

UnitPoint BoxCentre(const ShapeRecord& s) {
    return {PixelMiddleToUnitX(s.X1, s.X2), PixelMiddleToUnitY(s.Y1, s.Y2)};
}

ShapeMeasurement MeasureShape(const ShapeRecord& working) {
    ShapeMeasurement m;
    m.Shape = working;

    m.P1 = UnitPointOf(working.X1, working.Y1);
    m.P1xText = F3(m.P1.x);
    m.P1yText = F3(m.P1.y);

    const ShapeKind k = working.KindCode();
    if (k == ShapeKind::Text) {
        m.Shape.TextRes5 = m.Shape.TextRes6 = "0";
        return m;
    }
    if (k != ShapeKind::Circle && k != ShapeKind::Triangle) {
        m.P2 = UnitPointOf(working.X2, working.Y2);
        m.Texts.EndX = F3(m.P2->x);
        m.Texts.EndY = F3(m.P2->y);
    }

    if (k == ShapeKind::Line) {
        MeasureLine(m);
    } else if (k == ShapeKind::Square) {
        MeasureRectangle(m);
    } else if (k == ShapeKind::Ellipse) {
        MeasureEllipse(m);
    } else if (k == ShapeKind::Circle) {
        MeasureCircle(m);
    } else if (k == ShapeKind::Hexagon) {
        m.PolygonRadius = working.X2;
        m.PolygonEdges = working.Y2;
    }
    return m;
}

std::string KindDisplayName(std::string_view word) {
    switch (KindOf(word)) {
    case ShapeKind::Text: return "Text";
    case ShapeKind::Line: return "Line";
    case ShapeKind::Square: return "Rectangle";
    case ShapeKind::Ellipse: return "Ellipse";
    case ShapeKind::Circle: return "Circle";
    case ShapeKind::Triangle: return "Triangle";
    case ShapeKind::Hexagon: return "Hexagon";
    case ShapeKind::Parabola: return "Parabola";
    case ShapeKind::Hyper:
    case ShapeKind::Hyper1: return "Hyperbola";
    case ShapeKind::Other: break;
    }
    return std::string(word);
}

ShapeDescription DescribeLine(const ShapeMeasurement& measured, int lineOrdinal) {
    ShapeDescription d;
    d.ShowMemo = true;
    d.Texts = measured.Texts;
    const ShapeRecord& s = measured.Shape;
    MeasureTexts& t = d.Texts;

    if (s.X1 == s.X2) {
        // Vertical, or one point: the measured texts stand (slope 0, intercept the line's x,
        // angle 90); the edit frame shows them rather than another line's values.
        d.LineEdits = LineEditTexts{t.Slope, t.Intercept, t.Length, t.AngleDegrees};
        if (s.Y1 != s.Y2) {
            d.Memo =
                CrLf + " Vertical Line   x :=" + t.EndX + "  Angle = 90.00    Parallel to Y axies ";
        }
    } else {
        const SlantedLine l = Slanted(s);
        const double radians = std::atan(l.slope);
        const double degrees = radians * 180 / Pi;
        t.AngleRadians = F3(radians);
        t.Length = F3(l.length);
        t.Slope = F3(l.slope);
        t.Intercept = F3(l.intercept);
        t.AngleDegrees = F3(degrees);
        d.LineEdits = LineEditTexts{t.Slope, t.Intercept, t.Length, t.AngleDegrees};

        const double m = l.slope, n = l.intercept;
        const std::string len = F3(l.length);
        std::string rest;
        if (s.Y1 == s.Y2) {
            d.Memo =
                CrLf + " Horizonta Line   y =" + t.EndY + "  Angle = 0.00  Parallel to X axies";
        } else if (m > 0 && n > 0) {
            rest = "   y =  " + F3(m) + " * x + " + F3(n) + "   Angle := " + t.AngleDegrees +
                   "   Length = " + len + "     ";
        } else if (m > 0 && n < 0) {
            rest = "   y =  " + F3(m) + " * x " + F3(n) + "   Angle = " + t.AngleDegrees +
                   "   Length := " + len + "   ";
        } else if (m < 0 && n > 0) {
            rest = "   y :=  " + F3(m) + " * x + " + F3(n) + "   Angle := " + t.AngleDegrees +
                   "   Length := " + len + "       ";
        } else if (m < 0 && n < 0) {
            rest = "   y :=  " + F3(m) + " * x " + F3(n) + "   Angle := " + t.AngleDegrees +
                   "   Length := " + len + "      ";
        } else if (m > 0) {
            rest = "   y = " + F3(m) + " * x " + "   Angle := " + t.AngleDegrees +
                   "   Length = " + len + "      ";
        } else if (m < 0) {
            rest = "   y :=  " + F3(m) + " * x " + "   Angle = " + t.AngleDegrees +
                   "   Length = " + len + "    ";
        }
        if (!rest.empty()) d.Memo = CrLf + " Line " + std::to_string(lineOrdinal) + rest;
    }
    d.EquatLabel = "General Formula for Line   y = m * x + n   ";
    return d;
}

ShapeDescription DescribeShape(const ShapeMeasurement& measured, int selectedShape,
                               int lineOrdinal) {
    const ShapeRecord& s = measured.Shape;
    const ShapeKind k = s.KindCode();
    if (s.Kind.empty()) {
        ShapeDescription d;
        d.ShowMemo = false;
        d.Info = "";
        d.Texts = measured.Texts;
        return d;
    }

    ShapeDescription d;
    if (k == ShapeKind::Line) d = DescribeLine(measured, lineOrdinal);
    d.ShowMemo = true;
    if (k != ShapeKind::Line) d.Texts = measured.Texts;
    const std::string first = " Drawing number " + std::to_string(selectedShape) + " selected, a " +
                              KindDisplayName(s.Kind) + "     ";
    const std::string lineMemo = d.Memo;
    d.Memo = first;

    if (k == ShapeKind::Text) {
        d.Memo += " = " + s.Text + CrLf + "Font name = " + s.FontName + CrLf;
    } else if (k == ShapeKind::Ellipse) {
        const auto [cx, cy] = BoxCentre(s);
        d.Memo += CrLf +
                  " Ellipse horizontal radius (h) = " + G(HalfPixelsToUnits(AbsDiff(s.X1, s.X2))) +
                  "   vert radius " + G(HalfPixelsToUnits(AbsDiff(s.Y1, s.Y2))) + CrLf +
                  " Ellipse centre = ( " + G(cx) + " , " + G(cy) + " )";
    } else if (k == ShapeKind::Triangle) {
        d.Memo += CrLf + " Triangle Points (a,b,c) = " + PointText(s.X3, s.Y3) + "   " +
                  PointText(s.X4, s.Y4) + "   " + PointText(s.Aux1, s.Aux2) + CrLf;
    } else if (k == ShapeKind::Line) {
        d.Memo += lineMemo;
    } else if (k == ShapeKind::Circle) {
        DescribeCircle(measured, d);
    } else if (k == ShapeKind::Hexagon) {
        DescribePolygon(s, d);
    } else if (k == ShapeKind::Square) {
        const double w = PixelsToUnits(AbsDiff(s.X2, s.X1)), h = PixelsToUnits(AbsDiff(s.Y2, s.Y1));
        d.Info = " Rectangle ";
        d.Memo += CrLf + "    Perimeter  =  " + F3(2 * w + 2 * h) + CrLf +
                  "    Total Area  =  " + F3(w * h) + CrLf + "    Vertical height  =  " + F3(h) +
                  CrLf + "    Horizontal width  =  " + F3(w) + CrLf;
    } else if (k == ShapeKind::Parabola) {
        DescribeParabola(s, d);
    }
    return d;
}

int LineOrdinalOf(const DrawingList& list, int number) {
    const auto& shapes = list.Shapes();
    int ordinal = 1;
    for (int i = 0; i + 1 < number && i < static_cast<int>(shapes.size()); ++i)
        if (shapes[static_cast<size_t>(i)].KindCode() == ShapeKind::Line) ++ordinal;
    return ordinal;
}

} // namespace pelcor
