#pragma once

#include "drawing/DrawingList.h"
#include "geometry/ShapeMeasure.h"

#include <optional>
#include <string>
#include <vector>

namespace pelcor {

// Where two shapes of the drawing board meet. A shape taking part is described by a class
// and four reals in display units; each ordered pair of classes has its routine, which
// rewrites the message memo (the second shape's description when it starts) and names the
// points to ring on the board. Every curve pair comes down to one quadratic equation.

// The class of a shape taking part (the numbers are the classes' codes).
enum class IntersectClass { Circle = 1, Line = 2, Ellipse = 3, Parabola = 4, Polygon = 8 };

// B of a line's parameters.
enum class LineType { Slanted = 0, Vertical = 1, Horizontal = 2 };

// One shape's parameters (units):
// - Circle: A, B the centre, C the radius, D 0.
// - Line: A the slope m, B the line type (LineType as a number), C the intercept n (a
//   slanted line), the line's x (vertical) or its y (horizontal), D the x of its first point.
// - Ellipse: A, B the centre, C the signed half width h, D the signed ratio k of half height
//   to half width: (x - A)² + (y - B)² / k² = C².
// - Parabola: A, B, C the coefficients a, b, c of y = a x² + b x + c, D 0. A parabola drawn
//   with its axis horizontal is x = a y² + b y + c instead (AxisHorizontal).
// - Polygon: none; no routine takes it.
struct ShapeParameters {
    IntersectClass Class = IntersectClass::Polygon;
    double A = 0, B = 0, C = 0, D = 0;
    bool AxisHorizontal = false; // parabola only
    bool Flat = false;           // ellipse without width or without height (D is then 0)

    LineType Type() const { return static_cast<LineType>(static_cast<int>(B)); }
};

// The parameters of a record: CIRCLE, LINE, ELLIPSE, PARABOLA and HEXAGON (the polygon
// class). Nothing for SQUARE, TRIANGLE, HYPER, HYPER1, TEXT and unknown kinds.
std::optional<ShapeParameters> IntersectionParameters(const ShapeRecord& shape);

// What a routine leaves: the memo's whole text and the points to ring, in units.
struct IntersectionResult {
    std::string Memo;
    std::vector<UnitPoint> Rings;
};

// The routines of the ordered pairs. `memo` is the memo's text when the routine starts;
// each replaces or extends it. The parameter sets must be of the classes the name says.
IntersectionResult CircleCircle(const ShapeParameters& first, const ShapeParameters& second,
                                std::string memo);
IntersectionResult CircleLine(const ShapeParameters& circle, const ShapeParameters& line,
                              std::string memo);
// `lineNumber` and `circleNumber`: one more than the LINE and CIRCLE records before the
// circle (the second shape) in the drawing.
IntersectionResult LineCircle(const ShapeParameters& line, const ShapeParameters& circle,
                              std::string memo, int lineNumber, int circleNumber);
IntersectionResult LineLine(const ShapeParameters& first, const ShapeParameters& second,
                            std::string memo);
IntersectionResult LineEllipse(const ShapeParameters& line, const ShapeParameters& ellipse,
                               std::string memo);
IntersectionResult EllipseLine(const ShapeParameters& ellipse, const ShapeParameters& line,
                               std::string memo);
IntersectionResult LineParabola(const ShapeParameters& line, const ShapeParameters& parabola,
                                std::string memo);
IntersectionResult ParabolaLine(const ShapeParameters& parabola, const ShapeParameters& line,
                                std::string memo);

// Runs the routine of the ordered pair (first, second). Nothing for a pair without one
// (any pair with a polygon; a circle, ellipse or parabola against a circle, ellipse or
// parabola other than two circles): the memo then stays as it is.
std::optional<IntersectionResult> Intersect(const ShapeParameters& first,
                                            const ShapeParameters& second, std::string memo,
                                            int lineNumber, int circleNumber);

} // namespace pelcor
