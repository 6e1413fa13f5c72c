#include "geometry/Intersections.h"

#include "drawing/Coordinates.h"
#include "geometry/Quadratic.h"
#include "platform/FormatNumber.h"
#include "platform/NumberText.h"

#include <cmath>

namespace pelcor {

namespace {

const std::string Pad21(21, ' ');
// "Tangent" and its padding: 14 blanks after it (10 in the line-circle text).
const std::string Tangent14 = "Tangent" + std::string(14, ' ');
const std::string Tangent10 = "Tangent" + std::string(10, ' ');
const std::string CrLf(MemoBreak);

std::string F2(double v) {
    return FormatNumber(v, "###.##");
}

std::string PointText(UnitPoint p) {
    return "( " + F2(p.x) + " , " + F2(p.y) + " )";
}

std::string TwoPointText(UnitPoint p, UnitPoint q) {
    return PointText(p) + " , " + PointText(q);
}

// How a curve and a line meet.
struct Meeting {
    enum Kind {
        None,     // no common point
        Tangent,  // one double point
        Crossing, // one point where the line crosses the curve (a parabola against a line
                  // parallel to its axis, or a parabola that is itself straight)
        Two,      // two points
        Along,    // the curve is straight and lies along the line
        Flat,     // an ellipse without width or height: nothing is computed
    } kind = None;
    UnitPoint p1, p2;
};

// The roots of a t² + b t + c = 0, each made a point by `point`. A straight equation
// (a = 0) has one root or none; the solver is never asked then, so no earlier result can
// stand in for this one.
template <typename Point> Meeting Roots(double a, double b, double c, Point point) {
    Meeting m;
    if (a == 0) {
        if (b != 0) {
            m.kind = Meeting::Crossing;
            m.p1 = m.p2 = point(-c / b);
        } else {
            m.kind = c == 0 ? Meeting::Along : Meeting::None;
        }
        return m;
    }
    QuadraticSolver solver;
    solver.SolveQuadratic(a, b, c);
    switch (solver.RootCode) {
    case 1:
    case 4:
        m.kind = Meeting::Two;
        m.p1 = point(solver.X1);
        m.p2 = point(solver.X2);
        break;
    case 3:
        m.kind = Meeting::Tangent;
        m.p1 = m.p2 = point(solver.X1);
        break;
    default: m.kind = Meeting::None; break;
    }
    return m;
}

// The points (x, cy ± √e) on a line x = const; e = 0 is a tangent.
Meeting OnVertical(double x, double cy, double e) {
    Meeting m;
    if (e < 0) return m;
    const double root = std::sqrt(e);
    m.kind = e == 0 ? Meeting::Tangent : Meeting::Two;
    m.p1 = {x, cy + root};
    m.p2 = {x, cy - root};
    return m;
}

bool IsVertical(const ShapeParameters& line) {
    return line.Type() == LineType::Vertical;
}

// A circle and a line y = m x + n; a vertical line is the line x = n.
Meeting CircleMeetsLine(const ShapeParameters& circle, const ShapeParameters& line) {
    const double cx = circle.A, cy = circle.B, r = circle.C;
    const double m = line.A, n = line.C;
    if (IsVertical(line)) {
        const double dx = n - cx;
        return OnVertical(n, cy, r * r - dx * dx);
    }
    return Roots(m * m + 1, 2 * m * (n - cy) - 2 * cx, cx * cx + (n - cy) * (n - cy) - r * r,
                 [&](double x) {
                     return UnitPoint{x, m * x + n};
                 });
}

Meeting EllipseMeetsLine(const ShapeParameters& ellipse, const ShapeParameters& line) {
    if (ellipse.Flat) return {Meeting::Flat, {}, {}};
    const double cx = ellipse.A, cy = ellipse.B, h = ellipse.C, k = ellipse.D;
    const double m = line.A, n = line.C;
    const double k2 = k * k;
    if (IsVertical(line)) {
        const double dx = n - cx;
        return OnVertical(n, cy, k2 * (h * h - dx * dx));
    }
    return Roots(k2 + m * m, 2 * m * (n - cy) - 2 * k2 * cx,
                 k2 * cx * cx + (n - cy) * (n - cy) - k2 * h * h, [&](double x) {
                     return UnitPoint{x, m * x + n};
                 });
}

Meeting ParabolaMeetsLine(const ShapeParameters& parabola, const ShapeParameters& line) {
    const double a = parabola.A, b = parabola.B, c = parabola.C;
    const double m = line.A, n = line.C;
    if (!parabola.AxisHorizontal) { // y = a x² + b x + c
        if (IsVertical(line)) return {Meeting::Crossing, {n, a * n * n + b * n + c}, {}};
        return Roots(a, b - m, c - n, [&](double x) { return UnitPoint{x, m * x + n}; });
    }
    // x = a y² + b y + c
    if (IsVertical(line)) return Roots(a, b, c - n, [&](double y) { return UnitPoint{n, y}; });
    if (m == 0) return {Meeting::Crossing, {a * n * n + b * n + c, n}, {}};
    // The line as x = (y - n) / m, multiplied through by m.
    return Roots(m * a, m * b - 1, m * c + n, [&](double y) { return UnitPoint{(y - n) / m, y}; });
}

void Ring(IntersectionResult& r, const Meeting& m) {
    if (m.kind == Meeting::Two) {
        r.Rings = {m.p1, m.p2};
    } else if (m.kind == Meeting::Tangent || m.kind == Meeting::Crossing) {
        r.Rings = {m.p1};
    }
}

const char* const FlatEllipseText =
    " The ellipse has no width or no height - no intersection computed ";
const char* const AlongText = " The parabola has A = 0 and lies along the line ";

} // namespace

std::optional<ShapeParameters> IntersectionParameters(const ShapeRecord& s) {
    const double x1 = s.X1, y1 = s.Y1, x2 = s.X2, y2 = s.Y2;
    ShapeParameters p;
    const ShapeKind k = s.KindCode();
    if (k == ShapeKind::Circle || k == ShapeKind::Ellipse) {
        const UnitPoint centre = BoxCentre(s);
        p.A = centre.x;
        p.B = centre.y;
        if (k == ShapeKind::Circle) {
            p.Class = IntersectClass::Circle;
            p.C = HalfPixelsToUnits(std::fabs(x2 - x1));
        } else {
            p.Class = IntersectClass::Ellipse;
            p.C = HalfPixelsToUnits(x2 - x1);
            p.Flat = x2 == x1 || y2 == y1;
            p.D = x2 == x1 ? 0 : (y2 - y1) / (x2 - x1);
        }
    } else if (k == ShapeKind::Line) {
        p.Class = IntersectClass::Line;
        p.D = PixelToUnitX(s.X1);
        if (x2 == x1) {
            p.B = static_cast<double>(LineType::Vertical);
            p.C = PixelToUnitX(s.X1);
        } else if (y2 == y1) {
            p.B = static_cast<double>(LineType::Horizontal);
            p.C = PixelToUnitY(s.Y1);
        } else {
            p.B = static_cast<double>(LineType::Slanted);
            p.A = (y1 - y2) / (x2 - x1);
            p.C = ((OriginPixel - y1) * (x2 - x1) - (y1 - y2) * (x1 - OriginPixel)) /
                  (PixelsPerUnit * (x2 - x1));
        }
    } else if (k == ShapeKind::Parabola) {
        p.Class = IntersectClass::Parabola;
        const double a = PixelsToUnits(s.X3);
        const double v = PixelToUnitX(s.X1), w = PixelToUnitY(s.Y1); // the vertex
        p.A = a;
        p.AxisHorizontal = s.Y4 != 0;
        // y = a (x - v)² + w, or x = a (y - w)² + v for a parabola lying on its side.
        const double along = p.AxisHorizontal ? w : v, across = p.AxisHorizontal ? v : w;
        p.B = -2 * a * along;
        p.C = a * along * along + across;
    } else if (k == ShapeKind::Hexagon) {
        p.Class = IntersectClass::Polygon;
    } else {
        return std::nullopt;
    }
    return p;
}

IntersectionResult CircleCircle(const ShapeParameters& first, const ShapeParameters& second,
                                std::string memo) {
    const double a1 = first.A, b1 = first.B, r1 = first.C;
    const double a2 = second.A, b2 = second.B, r2 = second.C;
    IntersectionResult r;
    Meeting m;
    if (b1 != b2) {
        // The common chord y = M x + N.
        const double M = (a2 - a1) / (b1 - b2);
        const double N =
            (a1 * a1 + b1 * b1 - r1 * r1 - a2 * a2 - b2 * b2 + r2 * r2) / (2 * (b1 - b2));
        m = Roots(M * M + 1, 2 * M * N - 2 * M * b1 - 2 * a1,
                  a1 * a1 + b1 * b1 - r1 * r1 + N * N - 2 * b1 * N, [&](double x) {
                      return UnitPoint{x, M * x + N};
                  });
        if (m.kind == Meeting::None) memo += "Not Intersection ";
        if (m.kind == Meeting::Tangent) memo = "Circle - Line Intersection " + PointText(m.p1);
    } else if (a1 == a2) {
        memo += r1 == r2 ? "   Same centre and radius - the circles coincide "
                         : "   Same centre - Not Intersection ";
    } else {
        // The chord is the vertical line x = const.
        const double x = (a2 * a2 - a1 * a1 + r1 * r1 - r2 * r2) / (2 * (a2 - a1));
        m = OnVertical(x, b1, r1 * r1 - (x - a1) * (x - a1));
        if (m.kind == Meeting::None) memo += "   Not Intersection ";
        if (m.kind == Meeting::Tangent)
            memo += "   " + Tangent14 + "Circle - Line Intersection   " + PointText(m.p1) + " ";
    }
    if (m.kind == Meeting::Two)
        memo += "   Circles Intersection   " + TwoPointText(m.p1, m.p2) + Pad21;
    r.Memo = std::move(memo);
    Ring(r, m);
    return r;
}

IntersectionResult CircleLine(const ShapeParameters& circle, const ShapeParameters& line,
                              std::string memo) {
    const Meeting m = CircleMeetsLine(circle, line);
    IntersectionResult r;
    switch (m.kind) {
    case Meeting::Two:
        memo = "Circle - Line Intersection   " + TwoPointText(m.p1, m.p2) + Pad21;
        break;
    case Meeting::Tangent:
        memo = Tangent14 + "Circle - Line Intersection   " + PointText(m.p1);
        break;
    default: memo += "Not Intersection" + Pad21; break;
    }
    r.Memo = std::move(memo);
    Ring(r, m);
    return r;
}

IntersectionResult LineCircle(const ShapeParameters& line, const ShapeParameters& circle,
                              std::string memo, int lineNumber, int circleNumber) {
    const Meeting m = CircleMeetsLine(circle, line);
    IntersectionResult r;
    switch (m.kind) {
    case Meeting::Two:
        memo += "Line " + std::to_string(lineNumber) + " - Circle " + std::to_string(circleNumber) +
                " Intersection  " + TwoPointText(m.p1, m.p2) + Pad21;
        break;
    case Meeting::Tangent:
        memo += Tangent10 + "Circle - Line Intersection   " + PointText(m.p1);
        break;
    default: memo += "Not Intersection" + std::string(24, ' '); break;
    }
    r.Memo = std::move(memo);
    Ring(r, m);
    return r;
}

IntersectionResult LineLine(const ShapeParameters& first, const ShapeParameters& second,
                            std::string memo) {
    using T = LineType;
    const T t1 = first.Type(), t2 = second.Type();
    const double m1 = first.A, m2 = second.A, q1 = first.C, q2 = second.C;
    const double d1 = first.D, d2 = second.D;
    IntersectionResult r;
    const std::string angled = "  Line - Line Intersection   -   ";
    if (t1 == T::Vertical && t2 == T::Horizontal) {
        memo = "  Perpendicular lines (  Vertical line x = " + F2(q1) +
               " Horizontal line y = " + F2(q2) + " ) ";
    } else if (t1 == T::Horizontal && t2 == T::Vertical) {
        memo = "  Perpendicular lines (  Horizontal line y = " + F2(q1) +
               " Vertical line x = " + F2(q2) + " ) ";
    } else if (t1 == T::Horizontal && t2 == T::Horizontal) {
        memo = "  Parallel Horiz. lines (  First line y = " + F2(q1) +
               " Second line y = " + F2(q2) + " ) ";
    } else if (t1 == T::Vertical && t2 == T::Vertical) {
        memo = "  Parallel Vert. lines (  First line x = " + F2(q1) + " Second line x = " + F2(q2) +
               " ) ";
    } else if (t1 == T::Slanted && t2 == T::Vertical) {
        memo = angled + "Angled and Verical  lines  ( " + F2(d2) + " , " + F2(m1 * d2 + q1) + " ) ";
    } else if (t1 == T::Slanted && t2 == T::Horizontal) {
        memo =
            angled + "Angled and Horizontal lines ( " + F2((q2 - q1) / m1) + " , " + F2(q2) + " ) ";
    } else if (t1 == T::Vertical && t2 == T::Slanted) {
        memo = angled + "Verical and Angled lines ( " + F2(d1) + " , " + F2(m2 * d1 + q2) + " ) ";
    } else if (t1 == T::Horizontal && t2 == T::Slanted) {
        memo = angled + "Horizontal lines  and Angled ( " + F2((q1 - q2) / m2) + " , " + F2(q1) +
               " ) ";
    } else if (F2(std::atan(m1)) == F2(std::atan(m2))) {
        // Parallel when the slope angles agree in two places of their radian value.
        memo += CrLf + " Line - Line Intersection   -   Parallel lines ";
    } else if (ParseNumber(F2(m1)).value_or(0) * ParseNumber(F2(m2)).value_or(0) == -1) {
        memo += CrLf + " Line - Line Intersection   -   Perpendicular lines ";
    } else {
        const double x = (q2 - q1) / (m1 - m2), y = m1 * x + q1;
        memo += CrLf + " Line  -  Line    Intersection   ( " + F2(x) + " , " + F2(y) + "  )";
        r.Rings = {{x, y}};
    }
    r.Memo = std::move(memo);
    return r;
}

namespace {

IntersectionResult LineAndEllipse(const ShapeParameters& line, const ShapeParameters& ellipse,
                                  std::string memo, bool lineFirst) {
    const Meeting m = EllipseMeetsLine(ellipse, line);
    IntersectionResult r;
    switch (m.kind) {
    case Meeting::Two: memo = " Line - Elipse Intersection   " + TwoPointText(m.p1, m.p2); break;
    case Meeting::Tangent:
        memo = " " + Tangent14 + (lineFirst ? " Line - Elipse" : " Elipse - Line") +
               " Intersection   " + PointText(m.p1);
        break;
    case Meeting::Flat: memo = FlatEllipseText; break;
    default: memo = (lineFirst ? " Not Intersection" : "Not Intersection") + Pad21; break;
    }
    r.Memo = std::move(memo);
    Ring(r, m);
    return r;
}

IntersectionResult LineAndParabola(const ShapeParameters& line, const ShapeParameters& parabola,
                                   std::string memo, bool lineFirst) {
    const Meeting m = ParabolaMeetsLine(parabola, line);
    const std::string name = lineFirst ? " Line - Parabola" : " Parabola - Line";
    IntersectionResult r;
    switch (m.kind) {
    case Meeting::Two: memo = name + " Intersection   " + TwoPointText(m.p2, m.p1) + Pad21; break;
    case Meeting::Tangent:
        memo = " " + Tangent14 + (lineFirst ? " Circle - Line" : " Parabola - Line") +
               " Intersection   " + PointText(m.p1);
        break;
    case Meeting::Crossing: memo = name + " Intersection   " + PointText(m.p1); break;
    case Meeting::Along: memo = AlongText; break;
    default: memo = " Not Intersection" + Pad21; break;
    }
    r.Memo = std::move(memo);
    Ring(r, m);
    return r;
}

} // namespace

IntersectionResult LineEllipse(const ShapeParameters& line, const ShapeParameters& ellipse,
                               std::string memo) {
    return LineAndEllipse(line, ellipse, std::move(memo), true);
}

IntersectionResult EllipseLine(const ShapeParameters& ellipse, const ShapeParameters& line,
                               std::string memo) {
    return LineAndEllipse(line, ellipse, std::move(memo), false);
}

IntersectionResult LineParabola(const ShapeParameters& line, const ShapeParameters& parabola,
                                std::string memo) {
    return LineAndParabola(line, parabola, std::move(memo), true);
}

IntersectionResult ParabolaLine(const ShapeParameters& parabola, const ShapeParameters& line,
                                std::string memo) {
    return LineAndParabola(line, parabola, std::move(memo), false);
}

std::optional<IntersectionResult> Intersect(const ShapeParameters& first,
                                            const ShapeParameters& second, std::string memo,
                                            int lineNumber, int circleNumber) {
    using C = IntersectClass;
    const C a = first.Class, b = second.Class;
    if (a == C::Circle && b == C::Circle) return CircleCircle(first, second, std::move(memo));
    if (a == C::Circle && b == C::Line) return CircleLine(first, second, std::move(memo));
    if (a == C::Line && b == C::Circle)
        return LineCircle(first, second, std::move(memo), lineNumber, circleNumber);
    if (a == C::Line && b == C::Line) return LineLine(first, second, std::move(memo));
    if (a == C::Line && b == C::Ellipse) return LineEllipse(first, second, std::move(memo));
    if (a == C::Ellipse && b == C::Line) return EllipseLine(first, second, std::move(memo));
    if (a == C::Line && b == C::Parabola) return LineParabola(first, second, std::move(memo));
    if (a == C::Parabola && b == C::Line) return ParabolaLine(first, second, std::move(memo));
    return std::nullopt;
}

} // namespace pelcor
