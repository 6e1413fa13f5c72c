#include "ReferenceFigures.h"

#include "Sketch.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <functional>
#include <numbers>
#include <tuple>

namespace pelcor::assetgen {

namespace {

constexpr int kSize = kFigureSize;
constexpr double kPi = std::numbers::pi;
constexpr double kDegree = kPi / 180;

const QColor kPaper(252, 250, 243);
const QColor kInk(28, 32, 44);
const QColor kGrid(222, 226, 236);
const QColor kBand(32, 64, 128);
const QColor kBlue(28, 92, 200);
const QColor kRed(204, 40, 40);
const QColor kGreen(24, 136, 64);
const QColor kOrange(226, 120, 20);
const QColor kPurple(130, 60, 170);
const QColor kMuted(96, 104, 122);

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// Where a label sits relative to its anchor point.
enum class Side { Centre, Left, Right, Above, Below, AboveLeft, AboveRight, BelowLeft, BelowRight };

// Writes `text` beside `at`; with `backed` a patch of paper behind it keeps it readable over
// lines and grid.
void Put(QPainter& p, QPointF at, Side side, const QString& text, const QFont& font,
         const QColor& colour, bool backed = false) {
    const QFontMetricsF metrics(font);
    const double w = metrics.horizontalAdvance(text) + 2, h = metrics.height();
    const double gap = 3;
    double x = at.x() - w / 2, y = at.y() - h / 2;
    switch (side) {
    case Side::Centre: break;
    case Side::Left: x = at.x() - w - gap; break;
    case Side::Right: x = at.x() + gap; break;
    case Side::Above: y = at.y() - h - gap + 2; break;
    case Side::Below: y = at.y() + gap - 2; break;
    case Side::AboveLeft: x = at.x() - w - gap, y = at.y() - h - gap + 3; break;
    case Side::AboveRight: x = at.x() + gap, y = at.y() - h - gap + 3; break;
    case Side::BelowLeft: x = at.x() - w - gap, y = at.y() + gap - 3; break;
    case Side::BelowRight: x = at.x() + gap, y = at.y() + gap - 3; break;
    }
    const QRectF box(x, y, w, h);
    p.save();
    if (backed) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(kPaper.red(), kPaper.green(), kPaper.blue(), 225));
        p.drawRoundedRect(box.adjusted(-1, 1, 1, -1), 3, 3);
    }
    p.setFont(font);
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter, text);
    p.restore();
}

QFont Plain(int size) {
    return SansFont(size);
}
QFont Bold(int size) {
    return SansFont(size, true);
}
QFont Maths(int size) {
    return SansFont(size, false, true);
}

// Paper with the figure's title in a band across the top.
struct Sheet : Drawing {
    explicit Sheet(const QString& title) : Drawing(kSize, kSize, kPaper) {
        p.fillRect(QRectF(0, 0, kSize, 30), kBand);
        Put(p, {kSize / 2.0, 15}, Side::Centre, title, Bold(16), Qt::white);
    }
};

void Line(QPainter& p, QPointF a, QPointF b, const QPen& pen) {
    p.save();
    p.setPen(pen);
    p.drawLine(a, b);
    p.restore();
}

void Point(QPainter& p, QPointF at, const QColor& colour, double radius = 3.5) {
    p.save();
    p.setPen(QPen(kPaper, 1.2));
    p.setBrush(colour);
    p.drawEllipse(at, radius, radius);
    p.restore();
}

// Axes through `origin` spanning `span`, with arrow heads and the letters x and y.
void Axes(QPainter& p, const QRectF& span, QPointF origin, const QFont& font) {
    Line(p, {span.left(), origin.y()}, {span.right() - 4, origin.y()}, QPen(kInk, 1.3));
    Line(p, {origin.x(), span.bottom()}, {origin.x(), span.top() + 4}, QPen(kInk, 1.3));
    ArrowHead(p, {span.right(), origin.y()}, {1, 0}, 8, 3.5, kInk);
    ArrowHead(p, {origin.x(), span.top()}, {0, -1}, 8, 3.5, kInk);
    Put(p, {span.right() - 2, origin.y() + 1}, Side::BelowLeft, "x", font, kInk);
    Put(p, {origin.x() + 1, span.top() + 2}, Side::Right, "y", font, kInk);
}

// Maps a rectangle of the plane (x to the right, y upwards) onto a box of the picture.
struct Plane {
    QRectF box;
    double x0, x1, y0, y1;
    QPointF At(double x, double y) const {
        return {box.left() + (x - x0) / (x1 - x0) * box.width(),
                box.bottom() - (y - y0) / (y1 - y0) * box.height()};
    }
    QPointF Origin() const { return At(0, 0); }
};

// y = f(x) over [from, to], lifting the pen where the value leaves the plane's box.
void Graph(QPainter& p, const Plane& plane, double from, double to,
           const std::function<double(double)>& f, const QPen& pen) {
    QPainterPath path;
    bool drawing = false;
    constexpr int kSteps = 400;
    for (int i = 0; i <= kSteps; ++i) {
        const double x = from + (to - from) * i / kSteps;
        const double y = f(x);
        const bool inside = std::isfinite(y) && y >= plane.y0 - 0.5 && y <= plane.y1 + 0.5;
        if (!inside) {
            drawing = false;
            continue;
        }
        if (drawing)
            path.lineTo(plane.At(x, y));
        else
            path.moveTo(plane.At(x, y));
        drawing = true;
    }
    p.save();
    p.setClipRect(plane.box.adjusted(-1, -1, 1, 1));
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.restore();
}

// An angle's arc at `vertex` from direction `fromDegrees` turning anticlockwise (on the
// page) by `spanDegrees`, filled lightly.
void AngleMark(QPainter& p, QPointF vertex, double radius, double fromDegrees, double spanDegrees,
               const QColor& colour) {
    const QRectF box(vertex.x() - radius, vertex.y() - radius, 2 * radius, 2 * radius);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(colour.red(), colour.green(), colour.blue(), 60));
    p.drawPie(box, static_cast<int>(fromDegrees * 16), static_cast<int>(spanDegrees * 16));
    p.setPen(QPen(colour, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(box, static_cast<int>(fromDegrees * 16), static_cast<int>(spanDegrees * 16));
    p.restore();
}

QPointF Direction(double degrees) {
    return {std::cos(degrees * kDegree), -std::sin(degrees * kDegree)};
}

// The small square that marks a right angle at `corner` between directions `a` and `b`.
void RightAngle(QPainter& p, QPointF corner, QPointF a, QPointF b, double size) {
    QPainterPath path;
    path.moveTo(corner + a * size);
    path.lineTo(corner + (a + b) * size);
    path.lineTo(corner + b * size);
    p.save();
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.restore();
}

// ---- the figures ----

QImage CoordinatePlane() {
    Sheet sheet("The coordinate plane");
    QPainter& p = sheet.p;
    const Plane plane{QRectF(28, 46, 264, 220), -6, 6, -5, 5};
    p.setPen(QPen(kGrid, 1));
    for (int x = -6; x <= 6; ++x)
        p.drawLine(plane.At(x, -5), plane.At(x, 5));
    for (int y = -5; y <= 5; ++y)
        p.drawLine(plane.At(-6, y), plane.At(6, y));
    Axes(p, plane.box.adjusted(-6, -8, 10, 6), plane.Origin(), Maths(13));
    for (int i = -5; i <= 5; ++i) {
        if (i == 0) continue;
        Line(p, plane.At(i, 0) - QPointF(0, 3), plane.At(i, 0) + QPointF(0, 3), QPen(kInk, 1));
        Line(p, plane.At(0, i) - QPointF(3, 0), plane.At(0, i) + QPointF(3, 0), QPen(kInk, 1));
        Put(p, plane.At(i, 0) + QPointF(0, 3), Side::Below,
            QString::number(i).replace('-', U("\u2212")), Plain(9), kMuted);
        Put(p, plane.At(0, i) - QPointF(3, 0), Side::Left,
            QString::number(i).replace('-', U("\u2212")), Plain(9), kMuted);
    }
    Put(p, plane.Origin(), Side::BelowLeft, "O", Maths(11), kInk);

    const QFont quadrant = Bold(12);
    Put(p, plane.At(4, 4.2), Side::Centre, U("I  (+, +)"), quadrant, kPurple, true);
    Put(p, plane.At(-4, 4.2), Side::Centre, U("II  (\u2212, +)"), quadrant, kPurple, true);
    Put(p, plane.At(-4, -4.2), Side::Centre, U("III  (\u2212, \u2212)"), quadrant, kPurple, true);
    Put(p, plane.At(4, -4.2), Side::Centre, U("IV  (+, \u2212)"), quadrant, kPurple, true);

    // A(-4, -1), B(2, 3) and their midpoint M(-1, 1); AB = sqrt(6² + 4²) = sqrt(52).
    const QPointF a = plane.At(-4, -1), b = plane.At(2, 3), m = plane.At(-1, 1);
    Line(p, b, plane.At(2, 0), Dashed(kMuted, 1));
    Line(p, b, plane.At(0, 3), Dashed(kMuted, 1));
    Line(p, a, b, Stroke(kBlue, 2.5));
    Point(p, a, kBlue, 4);
    Point(p, b, kBlue, 4);
    Point(p, m, kRed, 4);
    Put(p, a, Side::BelowRight, U("A(\u22124, \u22121)"), Bold(11), kBlue, true);
    Put(p, b, Side::AboveRight, "B(2, 3)", Bold(11), kBlue, true);
    Put(p, m + QPointF(2, 0), Side::BelowRight, U("M(\u22121, 1)"), Bold(11), kRed, true);
    Put(p, plane.At(-2.9, 1.6), Side::Centre, U("AB = \u221A52 \u2248 7.21"), Plain(11), kBlue,
        true);

    Put(p, {14, 286}, Side::Right,
        U("distance  d = \u221A((x\u2082 \u2212 x\u2081)\u00B2 + (y\u2082 \u2212 y\u2081)\u00B2)"),
        Plain(12), kInk);
    Put(p, {14, 306}, Side::Right,
        U("midpoint  M = ((x\u2081 + x\u2082)/2, (y\u2081 + y\u2082)/2)"), Plain(12), kInk);
    return sheet.Finish();
}

QImage UnitCircle() {
    Sheet sheet("The unit circle");
    QPainter& p = sheet.p;
    const QPointF o(148, 160);
    const double r = 102;
    const double theta = 35;
    Axes(p, QRectF(o.x() - r - 22, o.y() - r - 22, 2 * r + 44, 2 * r + 40), o, Maths(13));
    p.setPen(QPen(kInk, 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(o, r, r);

    const QPointF point = o + Direction(theta) * r;
    const QPointF foot(point.x(), o.y());
    const QPointF tangentFoot = o + QPointF(r, 0);
    const QPointF tangentTop = tangentFoot - QPointF(0, r * std::tan(theta * kDegree));
    Line(p, point, tangentTop, Dashed(kMuted, 1.2));
    Line(p, tangentFoot, tangentTop, Stroke(kGreen, 3));
    Line(p, o, foot, Stroke(kBlue, 3));
    Line(p, foot, point, Stroke(kRed, 3));
    Line(p, o, point, Stroke(kInk, 2));
    RightAngle(p, foot, {-1, 0}, {0, -1}, 8);
    AngleMark(p, o, 26, 0, theta, kOrange);
    Put(p, o + Direction(theta / 2) * 36, Side::Centre, U("\u03B8"), Maths(14), kOrange);
    Point(p, point, kInk, 4);
    Point(p, o, kInk, 3);

    Put(p, (o + foot) / 2 + QPointF(0, 2), Side::Below, U("cos \u03B8"), Maths(13), kBlue);
    Put(p, (foot + point) / 2 + QPointF(-2, 6), Side::Left, U("sin \u03B8"), Maths(13), kRed);
    Put(p, (tangentFoot + tangentTop) / 2, Side::Right, U("tan \u03B8"), Maths(13), kGreen);
    Put(p, (o + point) / 2 + QPointF(-2, -2), Side::AboveLeft, "1", Maths(13), kInk);
    Put(p, point + QPointF(-8, -4), Side::AboveLeft, U("P(cos \u03B8, sin \u03B8)"), Maths(12),
        kInk, true);

    const QFont small = Plain(10);
    Put(p, o + QPointF(r, 0), Side::BelowLeft, "(1, 0)", small, kMuted, true);
    Put(p, o + QPointF(0, -r), Side::AboveLeft, "(0, 1)", small, kMuted, true);
    Put(p, o + QPointF(-r, 0), Side::BelowLeft, U("(\u22121, 0)"), small, kMuted, true);
    Put(p, o + QPointF(0, r), Side::BelowLeft, U("(0, \u22121)"), small, kMuted, true);

    Put(p, {84, 292}, Side::Centre, U("sin\u00B2\u03B8 + cos\u00B2\u03B8 = 1"), Maths(13), kInk);
    Put(p, {236, 292}, Side::Centre, U("tan \u03B8 = sin \u03B8 / cos \u03B8"), Maths(13), kInk);
    Put(p, {160, 310}, Side::Centre,
        U("radius 1, angle \u03B8 measured anticlockwise from the x-axis"), Plain(10), kMuted);
    return sheet.Finish();
}

QImage RightTriangle() {
    Sheet sheet("Right triangle ratios");
    QPainter& p = sheet.p;
    // Sides 3, 4 and 5 at 50 pixels a unit.
    const QPointF a(44, 236), c(244, 236), b(244, 86);
    QPolygonF triangle{a, c, b};
    p.setPen(QPen(kInk, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(220, 232, 250));
    p.drawPolygon(triangle);
    RightAngle(p, c, {-1, 0}, {0, -1}, 13);
    const double theta = std::atan2(3.0, 4.0) / kDegree;
    AngleMark(p, a, 36, 0, theta, kOrange);
    Put(p, a + Direction(theta / 2) * 50, Side::Centre, U("\u03B8"), Maths(15), kOrange);

    Put(p, a, Side::BelowLeft, "A", Bold(13), kInk);
    Put(p, c, Side::BelowRight, "C", Bold(13), kInk);
    Put(p, b, Side::AboveRight, "B", Bold(13), kInk);
    Put(p, (a + c) / 2 + QPointF(0, 4), Side::Below, "b  (adjacent)", Maths(13), kBlue);
    TurnedText(p, (c + b) / 2 + QPointF(16, 0), -90, "a  (opposite)", Maths(13), kRed);
    const QPointF outward(-0.6, -0.8);
    TurnedText(p, (a + b) / 2 + outward * 15, -theta, "c  (hypotenuse)", Maths(13), kGreen);

    const QFont ratio = Maths(15);
    Put(p, {16, 56}, Side::Right, U("sin \u03B8 = a / c"), ratio, kInk);
    Put(p, {16, 78}, Side::Right, U("cos \u03B8 = b / c"), ratio, kInk);
    Put(p, {16, 100}, Side::Right, U("tan \u03B8 = a / b"), ratio, kInk);

    Put(p, {160, 280}, Side::Centre, U("a\u00B2 + b\u00B2 = c\u00B2"), SansFont(16, true, true),
        kInk);
    Put(p, {160, 302}, Side::Centre,
        U("here a = 3, b = 4, c = 5:  sin \u03B8 = 0.6,  cos \u03B8 = 0.8,  tan \u03B8 = 0.75"),
        Plain(11), kMuted);
    return sheet.Finish();
}

QPointF Unit(QPointF v) {
    return v / std::hypot(v.x(), v.y());
}

double Distance(QPointF a, QPointF b) {
    return std::hypot(a.x() - b.x(), a.y() - b.y());
}

QImage TriangleCentres() {
    Sheet sheet("Triangle: sides, angles, centres");
    QPainter& p = sheet.p;
    // The vertices on one circle, so its centre is the circumcentre.
    const QPointF o(160, 160);
    const double radius = 94;
    const QPointF a = o + Direction(195) * radius;
    const QPointF b = o + Direction(345) * radius;
    const QPointF c = o + Direction(125) * radius;
    const double sideA = Distance(b, c), sideB = Distance(c, a), sideC = Distance(a, b);
    const double perimeter = sideA + sideB + sideC;
    const QPointF incentre = (a * sideA + b * sideB + c * sideC) / perimeter;
    const double s = perimeter / 2;
    const double area = std::sqrt(s * (s - sideA) * (s - sideB) * (s - sideC));
    const double inradius = area / s;
    const QPointF centroid = (a + b + c) / 3;

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kBlue, 1.5));
    p.drawEllipse(o, radius, radius);
    p.setPen(QPen(kGreen, 1.5));
    p.drawEllipse(incentre, inradius, inradius);
    p.setPen(QPen(kInk, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(240, 236, 222, 160));
    p.drawPolygon(QPolygonF{a, b, c});
    for (const auto& [vertex, from, to] :
         {std::tuple{a, b, c}, std::tuple{b, c, a}, std::tuple{c, a, b}})
        Line(p, vertex, (from + to) / 2, Dashed(kOrange, 1.3));

    // Angle arcs at the corners.
    for (const auto& [vertex, one, other] :
         {std::tuple{a, b, c}, std::tuple{b, c, a}, std::tuple{c, a, b}}) {
        const QPointF u = Unit(one - vertex), v = Unit(other - vertex);
        double from = std::atan2(-u.y(), u.x()) / kDegree;
        double to = std::atan2(-v.y(), v.x()) / kDegree;
        double span = std::remainder(to - from, 360.0);
        AngleMark(p, vertex, 16, from, span, kMuted);
    }

    Point(p, o, kBlue);
    Point(p, incentre, kGreen);
    Point(p, centroid, kOrange);
    Put(p, o, Side::BelowRight, "O", Bold(12), kBlue, true);
    Put(p, incentre, Side::AboveLeft, "I", Bold(12), kGreen, true);
    Put(p, centroid, Side::AboveRight, "G", Bold(12), kOrange, true);

    // Each corner named outside the figure, each side named after the corner it faces.
    const auto outside = [&](QPointF at, double by) { return at + Unit(at - o) * by; };
    Put(p, outside(a, 12), Side::Centre, "A", Bold(14), kInk);
    Put(p, outside(b, 12), Side::Centre, "B", Bold(14), kInk);
    Put(p, outside(c, 12), Side::Centre, "C", Bold(14), kInk);
    const auto sideLabel = [&](QPointF from, QPointF to) {
        const QPointF mid = (from + to) / 2;
        return mid + Unit(mid - centroid) * 11;
    };
    Put(p, sideLabel(b, c), Side::Centre, "a", Maths(14), kInk, true);
    Put(p, sideLabel(c, a), Side::Centre, "b", Maths(14), kInk, true);
    Put(p, sideLabel(a, b), Side::Centre, "c", Maths(14), kInk, true);
    Put(p, {16, 44}, Side::Right, U("A + B + C = 180\u00B0"), Bold(12), kInk);
    Put(p, {304, 44}, Side::Left, U("area = \u00BD \u00B7 base \u00B7 height"), Plain(11), kInk);

    const QFont legend = Plain(11);
    const std::array<std::tuple<QColor, const char*, const char*>, 3> rows{{
        {kOrange, "G", "centroid: the medians meet"},
        {kGreen, "I", "incentre: the angle bisectors meet"},
        {kBlue, "O", "circumcentre: the perpendicular bisectors meet"},
    }};
    for (size_t i = 0; i < rows.size(); ++i) {
        const auto& [colour, letter, text] = rows[i];
        const double y = 272 + 15.0 * i;
        Point(p, {20, y}, colour);
        Put(p, {26, y}, Side::Right, letter, Bold(11), colour);
        Put(p, {40, y}, Side::Right, text, legend, kInk);
    }
    return sheet.Finish();
}

QImage ParallelLines() {
    Sheet sheet("Parallel lines and a transversal");
    QPainter& p = sheet.p;
    const double top = 86, bottom = 162;
    const double slant = 60; // degrees between the lines and the transversal
    const QPointF upper(184, top);
    const QPointF lower =
        upper + QPointF(-(bottom - top) / std::tan(slant * kDegree), bottom - top);
    const QPointF along = Direction(slant);

    for (double y : {top, bottom}) {
        Line(p, {16, y}, {304, y}, Stroke(kInk, 2.2));
        for (double x : {282.0, 290.0}) { // the marks that say the lines are parallel
            Line(p, {x - 4, y - 4}, {x, y}, Stroke(kInk, 1.6));
            Line(p, {x - 4, y + 4}, {x, y}, Stroke(kInk, 1.6));
        }
    }
    Line(p, lower - along * 52, upper + along * 48, Stroke(kBlue, 2.2));

    // At each crossing: 1 (5) above left, 2 (6) above right, 3 (7) below left, 4 (8) below right.
    const QColor acute = kGreen, obtuse = kOrange;
    for (int k = 0; k < 2; ++k) {
        const QPointF at = k == 0 ? upper : lower;
        const int first = k == 0 ? 1 : 5;
        AngleMark(p, at, 15, 0, slant, acute);
        AngleMark(p, at, 12, slant, 180 - slant, obtuse);
        AngleMark(p, at, 15, 180, slant, acute);
        AngleMark(p, at, 12, 180 + slant, 180 - slant, obtuse);
        const QFont number = Bold(12);
        Put(p, at + Direction(90 + slant / 2) * 25, Side::Centre, QString::number(first), number,
            kInk);
        Put(p, at + Direction(slant / 2) * 27, Side::Centre, QString::number(first + 1), number,
            kInk);
        Put(p, at + Direction(180 + slant / 2) * 27, Side::Centre, QString::number(first + 2),
            number, kInk);
        Put(p, at + Direction(270 + slant / 2) * 25, Side::Centre, QString::number(first + 3),
            number, kInk);
    }
    Put(p, {24, top}, Side::Above, U("\u2113\u2081"), Maths(13), kInk);
    Put(p, {24, bottom}, Side::Above, U("\u2113\u2082"), Maths(13), kInk);
    Put(p, upper + along * 48, Side::Right, "t", Maths(13), kBlue);

    const std::array<std::pair<const char*, const char*>, 5> facts{{
        {"vertical", "\u22201 = \u22204, \u22202 = \u22203, \u22205 = \u22208, \u22206 = \u22207"},
        {"corresponding",
         "\u22201 = \u22205, \u22202 = \u22206, \u22203 = \u22207, \u22204 = \u22208"},
        {"alternate interior", "\u22203 = \u22206,  \u22204 = \u22205"},
        {"alternate exterior", "\u22201 = \u22208,  \u22202 = \u22207"},
        {"co-interior", "\u22203 + \u22205 = 180\u00B0,  \u22204 + \u22206 = 180\u00B0"},
    }};
    for (size_t i = 0; i < facts.size(); ++i) {
        const double y = 214 + 16.0 * i;
        Put(p, {10, y}, Side::Right, facts[i].first, Bold(11), kInk);
        Put(p, {112, y}, Side::Right, U(facts[i].second), Plain(11), kInk);
    }
    const QRectF key(12, 296, 12, 10);
    p.fillRect(key, QColor(acute.red(), acute.green(), acute.blue(), 90));
    Put(p, {26, 301}, Side::Right, "equal", Plain(11), kInk);
    p.fillRect(key.translated(58, 0), QColor(obtuse.red(), obtuse.green(), obtuse.blue(), 90));
    Put(p, {84, 301}, Side::Right,
        U("equal;  green + orange = 180\u00B0  when \u2113\u2081 \u2225 \u2113\u2082"), Plain(11),
        kInk);
    return sheet.Finish();
}

struct BasicFunction {
    const char* label;
    std::function<double(double)> f;
    double x0, x1, y0, y1;
};

QImage FunctionGraphs() {
    Sheet sheet("Graphs of basic functions");
    QPainter& p = sheet.p;
    const std::array<BasicFunction, 9> functions{{
        {"y = x", [](double x) { return x; }, -3, 3, -3, 3},
        {"y = x\u00B2", [](double x) { return x * x; }, -2.4, 2.4, -1, 4.6},
        {"y = x\u00B3", [](double x) { return x * x * x; }, -1.9, 1.9, -4, 4},
        {"y = \u221Ax", [](double x) { return x >= 0 ? std::sqrt(x) : NAN; }, -1, 5, -0.8, 2.6},
        {"y = 1/x", [](double x) { return std::abs(x) < 1e-9 ? NAN : 1 / x; }, -4, 4, -4, 4},
        {"y = |x|", [](double x) { return std::abs(x); }, -3, 3, -1, 3.6},
        {"y = e\u02E3", [](double x) { return std::exp(x); }, -3, 2, -1, 6},
        {"y = ln x", [](double x) { return x > 0 ? std::log(x) : NAN; }, -1, 6, -3, 2.2},
        {"y = sin x", [](double x) { return std::sin(x); }, -2 * kPi - 0.5, 2 * kPi + 0.5, -1.7,
         1.7},
    }};
    const double cellW = 104, cellH = 95, left = 4, topEdge = 34;
    for (size_t i = 0; i < functions.size(); ++i) {
        const BasicFunction& fn = functions[i];
        const QRectF cell(left + cellW * (i % 3), topEdge + cellH * (i / 3), cellW, cellH);
        p.setPen(QPen(kGrid, 1));
        p.setBrush(Qt::white);
        p.drawRoundedRect(cell.adjusted(2, 2, -2, -2), 4, 4);
        const Plane plane{cell.adjusted(10, 22, -10, -8), fn.x0, fn.x1, fn.y0, fn.y1};
        // Unit ticks on both axes (multiples of pi on the sine's x-axis).
        const double xStep = i == 8 ? kPi : 1;
        for (double x = std::ceil(fn.x0 / xStep) * xStep; x <= fn.x1; x += xStep)
            if (std::abs(x) > 1e-9)
                Line(p, plane.At(x, 0) - QPointF(0, 2.5), plane.At(x, 0) + QPointF(0, 2.5),
                     QPen(kMuted, 1));
        for (double y = std::ceil(fn.y0); y <= fn.y1; y += 1)
            if (std::abs(y) > 1e-9)
                Line(p, plane.At(0, y) - QPointF(2.5, 0), plane.At(0, y) + QPointF(2.5, 0),
                     QPen(kMuted, 1));
        Line(p, plane.At(fn.x0, 0), plane.At(fn.x1, 0), QPen(kInk, 1));
        Line(p, plane.At(0, fn.y0), plane.At(0, fn.y1), QPen(kInk, 1));
        ArrowHead(p, plane.At(fn.x1, 0) + QPointF(3, 0), {1, 0}, 6, 2.5, kInk);
        ArrowHead(p, plane.At(0, fn.y1) - QPointF(0, 3), {0, -1}, 6, 2.5, kInk);
        Graph(p, plane, fn.x0, fn.x1, fn.f, Stroke(kBlue, 2));
        Put(p, {cell.left() + 8, cell.top() + 12}, Side::Right, U(fn.label), Maths(12), kInk);
    }
    // The points every reader checks first.
    const auto cellPlane = [&](size_t i) {
        const BasicFunction& fn = functions[i];
        const QRectF cell(left + cellW * (i % 3), topEdge + cellH * (i / 3), cellW, cellH);
        return Plane{cell.adjusted(10, 22, -10, -8), fn.x0, fn.x1, fn.y0, fn.y1};
    };
    Point(p, cellPlane(6).At(0, 1), kRed, 3);
    Put(p, cellPlane(6).At(0, 1), Side::Left, "(0, 1)", Plain(9), kRed, true);
    Point(p, cellPlane(7).At(1, 0), kRed, 3);
    Put(p, cellPlane(7).At(1, 0) + QPointF(0, 2), Side::BelowRight, "(1, 0)", Plain(9), kRed, true);
    Put(p, cellPlane(8).At(kPi, 0), Side::AboveRight, U("\u03C0"), Maths(10), kMuted);
    Put(p, cellPlane(8).At(-kPi, 0), Side::BelowLeft, U("\u2212\u03C0"), Maths(10), kMuted);
    return sheet.Finish();
}

QImage ConicSections() {
    Sheet sheet("Conic sections");
    QPainter& p = sheet.p;
    const double unit = 18;
    const QRectF panels[4] = {QRectF(6, 36, 151, 139), QRectF(163, 36, 151, 139),
                              QRectF(6, 179, 151, 139), QRectF(163, 179, 151, 139)};
    const char* names[4] = {"Circle", "Ellipse", "Parabola", "Hyperbola"};
    QPointF origins[4];
    for (int i = 0; i < 4; ++i) {
        p.setPen(QPen(kGrid, 1));
        p.setBrush(Qt::white);
        p.drawRoundedRect(panels[i], 5, 5);
        Put(p, panels[i].topLeft() + QPointF(7, 10), Side::Right, names[i], Bold(12), kInk);
        const double originY = i == 2 ? panels[i].bottom() - 58 : panels[i].center().y() - 2;
        origins[i] = QPointF(panels[i].center().x(), originY);
        Line(p, {panels[i].left() + 8, originY}, {panels[i].right() - 8, originY}, QPen(kMuted, 1));
        Line(p, {origins[i].x(), panels[i].top() + 22}, {origins[i].x(), panels[i].bottom() - 30},
             QPen(kMuted, 1));
    }
    const auto at = [&](int i, double x, double y) { return origins[i] + QPointF(x, -y) * unit; };
    const QPen curve = Stroke(kBlue, 2.2);
    const QFont equation = Maths(12);
    const QFont note = Plain(10);

    // Circle of radius r = 2.2 about the origin.
    const double r = 2.2;
    p.setPen(curve);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(origins[0], r * unit, r * unit);
    Line(p, origins[0], at(0, r * std::cos(0.7), r * std::sin(0.7)), Stroke(kRed, 1.6));
    Put(p, at(0, 0.5, 1.0), Side::Centre, "r", Maths(12), kRed);
    Point(p, origins[0], kInk, 2.5);
    Put(p, {panels[0].center().x(), panels[0].bottom() - 14}, Side::Centre,
        U("x\u00B2 + y\u00B2 = r\u00B2"), equation, kInk);

    // Ellipse a = 3, b = 2, foci at (±c, 0) with c² = a² − b².
    const double ea = 3, eb = 2, ec = std::sqrt(ea * ea - eb * eb);
    p.setPen(curve);
    p.drawEllipse(origins[1], ea * unit, eb * unit);
    Line(p, origins[1], at(1, ea, 0), Stroke(kRed, 1.6));
    Line(p, origins[1], at(1, 0, eb), Stroke(kGreen, 1.6));
    Put(p, at(1, ea / 2, 0), Side::Above, "a", Maths(12), kRed);
    Put(p, at(1, 0, eb / 2), Side::Left, "b", Maths(12), kGreen);
    Point(p, at(1, -ec, 0), kOrange, 3);
    Point(p, at(1, ec, 0), kOrange, 3);
    Put(p, at(1, -ec, 0), Side::Below, "F", Bold(10), kOrange);
    Put(p, at(1, ec, 0) + QPointF(0, 1), Side::Below, "F", Bold(10), kOrange);
    Put(p, {panels[1].center().x(), panels[1].bottom() - 22}, Side::Centre,
        U("x\u00B2/a\u00B2 + y\u00B2/b\u00B2 = 1"), equation, kInk);
    Put(p, {panels[1].center().x(), panels[1].bottom() - 8}, Side::Centre,
        U("foci (\u00B1c, 0),  c\u00B2 = a\u00B2 \u2212 b\u00B2"), note, kMuted);

    // Parabola y = a x² with a = 0.5: focus (0, 1/(4a)), directrix y = −1/(4a).
    const double pa = 0.5, focus = 1 / (4 * pa);
    const Plane parabola{QRectF(at(2, -2.5, 3.2), at(2, 2.5, -0.5)), -2.5, 2.5, -0.5, 3.2};
    Graph(
        p, parabola, -2.5, 2.5, [pa](double x) { return pa * x * x; }, curve);
    Line(p, at(2, -3.4, -focus), at(2, 3.4, -focus), Dashed(kGreen, 1.4));
    Point(p, at(2, 0, focus), kOrange, 3);
    Put(p, at(2, 0, focus), Side::Right, "F", Bold(10), kOrange);
    Put(p, at(2, 0, -focus) + QPointF(0, 2), Side::Below, U("directrix y = \u22121/(4a)"), note,
        kGreen, true);
    Put(p, {panels[2].center().x(), panels[2].bottom() - 22}, Side::Centre, U("y = ax\u00B2"),
        equation, kInk);
    Put(p, {panels[2].center().x(), panels[2].bottom() - 8}, Side::Centre, "focus F(0, 1/(4a))",
        note, kMuted);

    // Hyperbola a = 1.5, b = 1, foci at (±c, 0) with c² = a² + b², asymptotes y = ±(b/a)x.
    const double ha = 1.5, hb = 1, hc = std::sqrt(ha * ha + hb * hb);
    const QPointF asymptote(3.9, 3.9 * hb / ha);
    Line(p, at(3, -asymptote.x(), -asymptote.y()), at(3, asymptote.x(), asymptote.y()),
         Dashed(kGreen, 1.3));
    Line(p, at(3, -asymptote.x(), asymptote.y()), at(3, asymptote.x(), -asymptote.y()),
         Dashed(kGreen, 1.3));
    for (int side : {-1, 1}) {
        QPainterPath branch;
        for (int s = 0; s <= 60; ++s) {
            const double t = -1.5 + 3.0 * s / 60;
            const QPointF point = at(3, side * ha * std::cosh(t), hb * std::sinh(t));
            if (s == 0)
                branch.moveTo(point);
            else
                branch.lineTo(point);
        }
        p.setPen(curve);
        p.setBrush(Qt::NoBrush);
        p.drawPath(branch);
        Point(p, at(3, side * hc, 0), kOrange, 3);
        Put(p, at(3, side * hc, 0) + QPointF(0, 1), Side::Below, "F", Bold(10), kOrange);
    }
    Put(p, {panels[3].right() - 4, panels[3].top() + 10}, Side::Left, U("y = \u00B1(b/a)x"), note,
        kGreen, true);
    Put(p, {panels[3].center().x(), panels[3].bottom() - 22}, Side::Centre,
        U("x\u00B2/a\u00B2 \u2212 y\u00B2/b\u00B2 = 1"), equation, kInk);
    Put(p, {panels[3].center().x(), panels[3].bottom() - 8}, Side::Centre,
        U("foci (\u00B1c, 0),  c\u00B2 = a\u00B2 + b\u00B2"), note, kMuted);
    return sheet.Finish();
}

// ---- solids ----

const QPen kEdge = Stroke(kInk, 1.8);

QPen Hidden() {
    return Dashed(kMuted, 1.2);
}

void Face(QPainter& p, const QPolygonF& face, const QColor& fill) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPolygon(face);
    p.restore();
}

// A box drawn in oblique view: front face `front`, the back face shifted by `depth`.
void ObliqueBox(QPainter& p, const QRectF& front, QPointF depth) {
    const QPointF a = front.bottomLeft(), b = front.bottomRight(), c = front.topRight(),
                  d = front.topLeft();
    Face(p, QPolygonF{d, c, c + depth, d + depth}, QColor(214, 226, 246));
    Face(p, QPolygonF{b, c, c + depth, b + depth}, QColor(190, 208, 238));
    Face(p, QPolygonF{a, b, c, d}, QColor(230, 238, 250));
    Line(p, a + depth, b + depth, Hidden());
    Line(p, a + depth, d + depth, Hidden());
    Line(p, a, a + depth, Hidden());
    p.setPen(kEdge);
    p.setBrush(Qt::NoBrush);
    p.drawRect(front);
    p.drawPolyline(QPolygonF{d, d + depth, c + depth, b + depth, b});
    p.drawLine(c, c + depth);
}

// An upright round solid's base or top: the near half drawn, the far half dashed if hidden.
void RoundRim(QPainter& p, QPointF centre, double rx, double ry, bool farHidden) {
    const QRectF box(centre.x() - rx, centre.y() - ry, 2 * rx, 2 * ry);
    p.setBrush(Qt::NoBrush);
    p.setPen(farHidden ? Hidden() : kEdge);
    p.drawArc(box, 0, 180 * 16);
    p.setPen(kEdge);
    p.drawArc(box, 180 * 16, 180 * 16);
}

struct Solid {
    const char* name;
    const char* volume;
    const char* area;
};

QImage Solids() {
    Sheet sheet("Volumes and surface areas");
    QPainter& p = sheet.p;
    const std::array<Solid, 6> solids{{
        {"Cube", "V = a\u00B3", "A = 6a\u00B2"},
        {"Rectangular box", "V = lwh", "A = 2(lw + lh + wh)"},
        {"Cylinder", "V = \u03C0r\u00B2h", "A = 2\u03C0r(r + h)"},
        {"Cone", "V = (1/3)\u03C0r\u00B2h", "A = \u03C0r(r + s)"},
        {"Sphere", "V = (4/3)\u03C0r\u00B3", "A = 4\u03C0r\u00B2"},
        {"Square pyramid", "V = (1/3)a\u00B2h", "A = a\u00B2 + 2as"},
    }};
    const double cellW = 104, cellH = 142, left = 4, topEdge = 34;
    const QFont letter = Maths(12);
    for (size_t i = 0; i < solids.size(); ++i) {
        const QRectF cell(left + cellW * (i % 3), topEdge + cellH * (i / 3), cellW, cellH);
        p.setPen(QPen(kGrid, 1));
        p.setBrush(Qt::white);
        p.drawRoundedRect(cell.adjusted(2, 2, -2, -2), 4, 4);
        Put(p, {cell.center().x(), cell.top() + 13}, Side::Centre, solids[i].name, Bold(11), kInk);
        Put(p, {cell.center().x(), cell.bottom() - 30}, Side::Centre, U(solids[i].volume),
            Maths(12), kBlue);
        Put(p, {cell.center().x(), cell.bottom() - 14}, Side::Centre, U(solids[i].area),
            Maths(i == 1 ? 10 : 12), kRed);
        const QPointF mid(cell.center().x(), cell.top() + 60);

        switch (i) {
        case 0: {
            const QRectF front(mid.x() - 30, mid.y() - 18, 42, 42);
            ObliqueBox(p, front, {16, -13});
            Put(p, {front.center().x(), front.bottom()}, Side::Below, "a", letter, kInk);
            break;
        }
        case 1: {
            const QRectF front(mid.x() - 36, mid.y() - 10, 56, 32);
            ObliqueBox(p, front, {20, -16});
            Put(p, {front.center().x(), front.bottom()}, Side::Below, "l", letter, kInk);
            Put(p, front.bottomRight() + QPointF(10, -8), Side::Right, "w", letter, kInk);
            Put(p, {front.left(), front.center().y()}, Side::Left, "h", letter, kInk);
            break;
        }
        case 2: {
            const double rx = 26, ry = 8, half = 24;
            const QPointF topCentre = mid - QPointF(0, half), base = mid + QPointF(0, half);
            Face(p,
                 QPolygonF{topCentre - QPointF(rx, 0), topCentre + QPointF(rx, 0),
                           base + QPointF(rx, 0), base - QPointF(rx, 0)},
                 QColor(214, 226, 246));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(230, 238, 250));
            p.drawEllipse(topCentre, rx, ry);
            RoundRim(p, base, rx, ry, true);
            p.setPen(kEdge);
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(topCentre, rx, ry);
            p.drawLine(topCentre - QPointF(rx, 0), base - QPointF(rx, 0));
            p.drawLine(topCentre + QPointF(rx, 0), base + QPointF(rx, 0));
            Line(p, topCentre, topCentre + QPointF(rx, 0), Stroke(kRed, 1.5));
            Put(p, topCentre + QPointF(rx / 2, 1), Side::Below, "r", letter, kRed);
            Put(p, mid + QPointF(rx, 0), Side::Right, "h", letter, kInk);
            break;
        }
        case 3: {
            const double rx = 28, ry = 8;
            const QPointF apex = mid - QPointF(0, 32), base = mid + QPointF(0, 26);
            Face(p,
                 QPolygonF{apex, base + QPointF(rx, 0), base + QPointF(0, ry),
                           base - QPointF(rx, 0)},
                 QColor(214, 226, 246));
            RoundRim(p, base, rx, ry, true);
            p.setPen(kEdge);
            p.drawLine(apex, base - QPointF(rx, 0));
            p.drawLine(apex, base + QPointF(rx, 0));
            Line(p, apex, base, Hidden());
            Line(p, base, base + QPointF(rx, 0), Stroke(kRed, 1.5));
            Put(p, base + QPointF(rx / 2, 0), Side::Above, "r", letter, kRed);
            Put(p, (apex + base) / 2, Side::Left, "h", letter, kInk);
            Put(p, (apex + base + QPointF(rx, 0)) / 2, Side::Right, "s", letter, kInk);
            break;
        }
        case 4: {
            const double radius = 30;
            QRadialGradient shade(mid - QPointF(10, 10), radius * 1.4);
            shade.setColorAt(0, QColor(240, 245, 252));
            shade.setColorAt(1, QColor(180, 200, 234));
            p.setPen(kEdge);
            p.setBrush(shade);
            p.drawEllipse(mid, radius, radius);
            RoundRim(p, mid, radius, 9, true);
            Line(p, mid, mid + QPointF(radius, 0), Stroke(kRed, 1.5));
            Point(p, mid, kInk, 2);
            Put(p, mid + QPointF(radius / 2, 0), Side::Above, "r", letter, kRed);
            break;
        }
        default: {
            // The square base in oblique view, the apex above its centre.
            const QPointF fl = mid + QPointF(-36, 28), fr = mid + QPointF(18, 28);
            const QPointF depth(18, -13);
            const QPointF bl = fl + depth, br = fr + depth;
            const QPointF centre = (fl + br) / 2;
            const QPointF apex = centre - QPointF(0, 62);
            Face(p, QPolygonF{apex, fl, fr}, QColor(230, 238, 250));
            Face(p, QPolygonF{apex, fr, br}, QColor(190, 208, 238));
            Line(p, fl, bl, Hidden());
            Line(p, bl, br, Hidden());
            Line(p, apex, bl, Hidden());
            Line(p, apex, centre, Hidden());
            const QPointF slant = (fl + fr) / 2;
            Line(p, apex, slant, Dashed(kRed, 1.3));
            p.setPen(kEdge);
            p.setBrush(Qt::NoBrush);
            p.drawPolyline(QPolygonF{fl, fr, br});
            p.drawLine(apex, fl);
            p.drawLine(apex, fr);
            p.drawLine(apex, br);
            Put(p, slant, Side::Below, "a", letter, kInk);
            Put(p, centre + QPointF(0, -22), Side::Right, "h", letter, kInk);
            Put(p, (apex + slant) / 2 + QPointF(-3, 6), Side::Left, "s", letter, kRed);
            break;
        }
        }
    }
    return sheet.Finish();
}

} // namespace

QImage DrawReferenceFigure(Figure figure) {
    switch (figure) {
    case Figure::CoordinatePlane: return CoordinatePlane();
    case Figure::UnitCircle: return UnitCircle();
    case Figure::RightTriangle: return RightTriangle();
    case Figure::TriangleCentres: return TriangleCentres();
    case Figure::ParallelLines: return ParallelLines();
    case Figure::FunctionGraphs: return FunctionGraphs();
    case Figure::ConicSections: return ConicSections();
    case Figure::Solids: return Solids();
    }
    return {};
}

QImage DrawViewerPicture() {
    Drawing drawing(kViewerWidth, kViewerHeight, Qt::black);
    QPainter& p = drawing.p;
    QLinearGradient wall(0, 0, 0, kViewerHeight);
    wall.setColorAt(0, QColor(38, 70, 96));
    wall.setColorAt(1, QColor(16, 34, 52));
    p.fillRect(drawing.image.rect(), wall);

    // A gilded frame round a golden spiral drawn on Fibonacci squares.
    const QRectF outer(54, 16, 212, 150);
    QLinearGradient gold(outer.topLeft(), outer.bottomRight());
    gold.setColorAt(0, QColor(250, 218, 120));
    gold.setColorAt(0.5, QColor(180, 128, 40));
    gold.setColorAt(1, QColor(240, 196, 90));
    p.setPen(QPen(QColor(90, 60, 20), 1.5));
    p.setBrush(gold);
    p.drawRect(outer);
    const QRectF canvas = outer.adjusted(12, 12, -12, -12);
    p.setBrush(QColor(250, 246, 234));
    p.drawRect(canvas);

    const double unit = std::min((canvas.width() - 12) / 13, (canvas.height() - 12) / 8);
    const QPointF corner = canvas.center() - QPointF(6.5 * unit, 4 * unit);
    struct Square {
        double x, y, side;  // in units, from the top left of the 13 x 8 rectangle
        double cx, cy;      // the centre of the quarter circle through it
        double from, to;    // where the arc starts and ends, as points on its square
        const char* colour; // fill
    };
    const std::array<Square, 6> squares{{
        {0, 0, 8, 8, 8, 180, 90, "#f3c5a8"},
        {8, 0, 5, 8, 5, 90, 0, "#bfd8f0"},
        {10, 5, 3, 10, 5, 0, -90, "#c8e6c4"},
        {8, 6, 2, 10, 6, -90, -180, "#f6e3a1"},
        {8, 5, 1, 9, 6, 180, 90, "#e2c6ee"},
        {9, 5, 1, 9, 6, 90, 0, "#f3c5a8"},
    }};
    QPainterPath spiral;
    for (size_t i = 0; i < squares.size(); ++i) {
        const Square& s = squares[i];
        const QRectF box(corner + QPointF(s.x, s.y) * unit, QSizeF(s.side, s.side) * unit);
        p.setPen(QPen(QColor(120, 100, 80), 1));
        p.setBrush(QColor(s.colour));
        p.drawRect(box);
        const QPointF centre = corner + QPointF(s.cx, s.cy) * unit;
        const double r = s.side * unit;
        const QRectF circle(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
        if (i == 0) spiral.arcMoveTo(circle, s.from);
        spiral.arcTo(circle, s.from, s.to - s.from);
    }
    p.setPen(Stroke(QColor(150, 40, 30), 2.4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(spiral);

    // A brass plate with the caption.
    const QRectF plate(98, 178, 124, 28);
    p.setPen(QPen(QColor(90, 60, 20), 1));
    p.setBrush(gold);
    p.drawRoundedRect(plate, 5, 5);
    CentredText(p, plate.center(), "Picture viewer", SansFont(16, true), QColor(40, 26, 8));
    CentredText(p, {kViewerWidth / 2.0, 222}, "Load Image shows a picture of your own",
                SansFont(11), QColor(200, 220, 240));
    return drawing.Finish();
}

} // namespace pelcor::assetgen
