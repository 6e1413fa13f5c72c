#include "board/Selection.h"

#include "drawing/Coordinates.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <initializer_list>
#include <limits>

namespace pelcor {

namespace {

constexpr int RingColor = colors::IntersectionRing;
constexpr int RingRadius = 5;
// Ring centres are held this far off the board at most, as the renderer holds its points.
constexpr long long Far = 1 << 22;

// A computed coordinate back in the int range.
int Clamp(long long v) {
    return static_cast<int>(
        std::clamp<long long>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// A position the mouse gives, held within the range of a shape's coordinates.
int InRange(long long v) {
    return static_cast<int>(std::clamp<long long>(v, -CoordinateLimit, CoordinateLimit));
}

// The least shift that brings every one of `coordinates` within the range (0 when they all
// are): a shape moved as a whole stops at the edge of the range and keeps its size.
long long BackInRange(std::initializer_list<long long> coordinates) {
    long long shift = 0;
    for (long long c : coordinates)
        shift = std::clamp(shift, -CoordinateLimit - c, CoordinateLimit - c);
    return shift;
}

// The handle position between two coordinates: half the difference, toward zero.
long long Middle(long long a, long long b) {
    return a + (b - a) / 2;
}

// Strictly within 3 pixels of the press on both axes.
bool Near(long long x, long long y, int px, int py) {
    return px - 3 < x && x < px + 3 && py - 3 < y && y < py + 3;
}

struct HandleHit {
    DragHandle handle = DragHandle::Whole;
    bool endFlag = false;
    bool savesSize = false; // keeps the width and height for a whole move
    std::string memo;       // a vertical or horizontal line's first memo line
};

std::string StraightLineText(const ShapeRecord& s) {
    if (s.X2 == s.X1) return " Vertical Line Angle = 90.00 Parallel to Y axies ";
    if (s.Y2 == s.Y1) return " Horizonta Line Angle = 0.00 Parallel to X axies ";
    return {};
}

// Which handle of `s`, if any, the press at (px, py) is near.
std::optional<HandleHit> TestHandles(const ShapeRecord& s, int px, int py) {
    const ShapeKind k = s.KindCode();
    HandleHit hit;
    if (k == ShapeKind::Line || k == ShapeKind::Square || k == ShapeKind::Ellipse) {
        if (Near(Middle(s.X1, s.X2), Middle(s.Y1, s.Y2), px, py)) {
            hit.savesSize = true;
        } else if (Near(s.X1, s.Y1, px, py)) {
            hit.handle = DragHandle::Corner;
        } else if (Near(s.X2, s.Y2, px, py)) {
            hit.handle = DragHandle::Corner;
            hit.endFlag = true;
        } else {
            return std::nullopt;
        }
        if (k == ShapeKind::Line || hit.endFlag) hit.memo = StraightLineText(s);
        return hit;
    }
    if (k == ShapeKind::Circle) {
        if (!Near(Middle(s.X1, s.X2), Middle(s.Y1, s.Y2), px, py)) return std::nullopt;
        hit.savesSize = true;
        return hit;
    }
    if (k == ShapeKind::Triangle) {
        if (Near(s.X1, s.Y1, px, py)) return hit;
        if (Near(s.X3, s.Y3, px, py))
            hit.handle = DragHandle::TopVertex;
        else if (Near(s.X4, s.Y4, px, py))
            hit.handle = DragHandle::LowerRightVertex;
        else if (Near(s.Aux1, s.Aux2, px, py))
            hit.handle = DragHandle::LowerLeftVertex;
        else
            return std::nullopt;
        return hit;
    }
    if (k == ShapeKind::Hexagon || k == ShapeKind::Parabola || k == ShapeKind::Hyper ||
        k == ShapeKind::Hyper1 || k == ShapeKind::Text) {
        if (Near(s.X1, s.Y1, px, py)) return hit;
    }
    return std::nullopt;
}

std::string LowerCase(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

} // namespace

void Selection::Clear() {
    SetSelectedShape(0);
    SetSecondSelectedShape(0);
    FirstPickDone = false;
}

HitReport Selection::HitTest(int px, int py) {
    SetSelectedShape(0);
    HitReport report;
    report.ImagesEdit = "Not Editing";
    const std::vector<ShapeRecord>& shapes = list_.Shapes();
    int linesBefore = 0, circlesBefore = 0;
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        const ShapeRecord& s = shapes[i];
        if (const std::optional<HandleHit> hit = TestHandles(s, px, py)) {
            const int number = static_cast<int>(i) + 1;
            Handle = hit->handle;
            EndFlag = hit->endFlag;
            if (hit->savesSize) {
                Width = static_cast<long long>(s.X2) - s.X1;
                Height = static_cast<long long>(s.Y2) - s.Y1;
            }
            report.Shape = number;
            report.LineOrdinal = linesBefore + 1;
            report.CircleOrdinal = circlesBefore + 1;
            report.Measured = MeasureShape(s);
            report.Description = DescribeShape(report.Measured, number, report.LineOrdinal);
            report.ShowMemo = true;
            report.Memo = hit->memo + report.Description.Memo;
            report.Info = report.Description.Info ? report.Description.Info : report.Measured.Info;
            report.ImagesEdit = LowerCase(s.Kind);
            report.HideTextTool = s.IsText();
            SetSelectedShape(number);
            return report;
        }
        if (s.KindCode() == ShapeKind::Line) ++linesBefore;
        if (s.KindCode() == ShapeKind::Circle) ++circlesBefore;
    }
    return report;
}

PickReport Selection::PickForIntersection(int px, int py, bool intersectionMode) {
    using Outcome = PickReport::Outcome;
    PickReport report;
    if (SecondSelectedShape() != 0) {
        // The press after a result: the highlight goes, the rings stay.
        SetSelectedShape(0);
        SetSecondSelectedShape(0);
        renderer_.RedrawAllShapes(list_);
        report.Result = Outcome::Cleared;
        return report;
    }
    FirstPickDone = false;
    const std::optional<ShapeRecord> first = intersectionMode && SelectedShape() != 0
                                                 ? list_.ExtractShape(SelectedShape())
                                                 : std::nullopt;
    if (!first) {
        SetSecondSelectedShape(0);
        return report;
    }
    const int firstShape = SelectedShape();
    if (first->IsText()) {
        report.Result = Outcome::FirstIsText;
        return report;
    }
    const std::optional<ShapeParameters> firstParameters = IntersectionParameters(*first);
    if (!firstParameters) {
        Clear();
        report.Result = Outcome::PointerTool;
        return report;
    }

    report.Hit = HitTest(px, py);
    if (report.Hit.Shape == 0) {
        report.Result = Outcome::NothingHit;
        return report;
    }
    FirstPickDone = true;
    SetSecondSelectedShape(report.Hit.Shape);
    const ShapeRecord& second = list_.Shapes()[static_cast<std::size_t>(report.Hit.Shape - 1)];
    if (second.IsText()) {
        report.Result = Outcome::SecondIsText;
        return report;
    }
    const std::optional<ShapeParameters> secondParameters = IntersectionParameters(second);
    if (!secondParameters) {
        Clear();
        report.Result = Outcome::PointerTool;
        return report;
    }

    std::optional<IntersectionResult> result =
        Intersect(*firstParameters, *secondParameters, report.Hit.Memo, report.Hit.LineOrdinal,
                  report.Hit.CircleOrdinal);
    report.ShowMemo = true;
    if (result) {
        report.Result = Outcome::Computed;
        report.Memo = std::move(result->Memo);
        report.Rings = std::move(result->Rings);
    } else {
        report.Result = Outcome::NoRoutine;
        report.Memo = report.Hit.Memo;
    }
    SetSelectedShape(firstShape);
    // Both shapes highlighted (drawn over the board as it was, a dotted line would not
    // show its dots), and the rings over them; they stay until the next full repaint.
    renderer_.RepaintBoard(list_);
    for (const UnitPoint& p : report.Rings)
        MarkPoint(renderer_.canvas(), p.x, p.y);
    return report;
}

bool Selection::MoveSelected(int x, int y, bool rotateMode, bool intersectionMode) {
    const int number = SelectedShape();
    if (number == 0 || intersectionMode) return false;
    std::optional<ShapeRecord> found = list_.ExtractShape(number);
    if (!found) return false;
    ShapeRecord& s = *found;
    const ShapeKind k = s.KindCode();

    if (k == ShapeKind::Triangle) {
        switch (Handle) {
        case DragHandle::Whole: {
            long long dx = static_cast<long long>(x) - s.X1;
            long long dy = static_cast<long long>(y) - s.Y1;
            dx += BackInRange({s.X1 + dx, s.X3 + dx, s.X4 + dx, s.Aux1 + dx});
            dy += BackInRange({s.Y1 + dy, s.Y3 + dy, s.Y4 + dy, s.Aux2 + dy});
            s.X3 = Clamp(s.X3 + dx);
            s.Y3 = Clamp(s.Y3 + dy);
            s.X4 = Clamp(s.X4 + dx);
            s.Y4 = Clamp(s.Y4 + dy);
            s.Aux1 = Clamp(s.Aux1 + dx);
            s.Aux2 = Clamp(s.Aux2 + dy);
            s.X1 = Clamp(s.X1 + dx);
            s.Y1 = Clamp(s.Y1 + dy);
            break;
        }
        case DragHandle::TopVertex:
        case DragHandle::LowerRightVertex:
        case DragHandle::LowerLeftVertex:
            if (Handle == DragHandle::TopVertex) {
                s.X3 = InRange(x);
                s.Y3 = InRange(y);
            } else if (Handle == DragHandle::LowerRightVertex) {
                s.X4 = InRange(x);
                s.Y4 = InRange(y);
            } else {
                s.Aux1 = InRange(x);
                s.Aux2 = InRange(y);
            }
            // The centroid, by integer division.
            s.X1 = Clamp((static_cast<long long>(s.X3) + s.X4 + s.Aux1) / 3);
            s.Y1 = Clamp((static_cast<long long>(s.Y3) + s.Y4 + s.Aux2) / 3);
            break;
        case DragHandle::Corner: break; // a triangle has no corner handle
        }
    } else if (k == ShapeKind::Hexagon && rotateMode) {
        // 4 degrees a pixel; below 0 wraps to 360, above 360 to 0.
        long long angle = s.Aux1 + 4LL * (static_cast<long long>(RotateReferenceX) - x);
        if (angle < 0) angle = 360;
        if (angle > 360) angle = 0;
        s.Aux1 = static_cast<int>(angle);
    } else if (k == ShapeKind::Line || k == ShapeKind::Square || k == ShapeKind::Ellipse ||
               k == ShapeKind::Circle) {
        if (Handle == DragHandle::Whole) {
            // The middle handle under the mouse; the shape keeps its size, odd or even.
            long long x1 = x - Width / 2, y1 = y - Height / 2;
            x1 += BackInRange({x1, x1 + Width});
            y1 += BackInRange({y1, y1 + Height});
            s.X1 = Clamp(x1);
            s.Y1 = Clamp(y1);
            s.X2 = Clamp(x1 + Width);
            s.Y2 = Clamp(y1 + Height);
        } else if (EndFlag) {
            s.X2 = InRange(x);
            s.Y2 = InRange(y);
        } else {
            s.X1 = InRange(x);
            s.Y1 = InRange(y);
        }
        if (k == ShapeKind::Ellipse) {
            // The half width and height follow the box, as for a new ellipse.
            s.X3 = Clamp(std::llabs(static_cast<long long>(s.X1) - s.X2) / 2);
            s.Y3 = Clamp(std::llabs(static_cast<long long>(s.Y1) - s.Y2) / 2);
        }
    } else {
        s.X1 = InRange(x);
        s.Y1 = InRange(y);
    }

    list_.ReplaceShape(number, s);
    Canvas& canvas = renderer_.canvas();
    const int penColor = canvas.penColor();
    const bool moveMode = renderer_.Settings.MoveMode;
    renderer_.Settings.MoveMode = false; // every shape, not only the first
    renderer_.RepaintBoard(list_);
    renderer_.Settings.MoveMode = moveMode;
    canvas.setPenColor(penColor);
    RotateReferenceX = x;
    return true;
}

void MarkPoint(Canvas& canvas, double x, double y) {
    const long long px = std::clamp<long long>(UnitToPixelX(x), -Far, Far);
    const long long py = std::clamp<long long>(UnitToPixelY(y), -Far, Far);
    const int penColor = canvas.penColor();
    const Canvas::BrushStyle brush = canvas.brushStyle();
    canvas.setPenColor(RingColor);
    canvas.setBrushStyle(Canvas::BrushStyle::Clear);
    canvas.ellipse(static_cast<int>(px - RingRadius), static_cast<int>(py - RingRadius),
                   static_cast<int>(px + RingRadius), static_cast<int>(py + RingRadius));
    canvas.setPenColor(penColor);
    canvas.setBrushStyle(brush);
}

void MarkTwoPoints(Canvas& canvas, double x1, double y1, double x2, double y2) {
    MarkPoint(canvas, x1, y1);
    MarkPoint(canvas, x2, y2);
}

} // namespace pelcor
