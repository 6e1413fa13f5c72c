#include "board/BoardRenderer.h"

#include "board/BoardCurves.h"

#include "board/CoveredShapes.h"
#include "drawing/Coordinates.h"
#include "platform/NumberText.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace pelcor {

using namespace rendering;

namespace {

// The angle step of a regular polygon of `sides` sides, 0 for an unsupported count. Seven
// sides step 51.5 degrees, so seven edges do not close.
double AngleStep(int sides) {
    switch (sides) {
    case 3: return 120;
    case 4: return 90;
    case 5: return 72;
    case 6: return 60;
    case 7: return 51.5;
    case 8: return 45;
    case 9: return 40;
    case 10: return 36;
    case 12: return 30;
    default: return 0;
    }
}

// Every supported step is a multiple of half a degree, so the edges repeat after 720
// steps: a larger edge count draws the same picture as its last 720 edges.
constexpr long long kDistinctEdges = 720;

// Whether two settings draw the same board.
bool SameBoard(const BoardSettings& a, const BoardSettings& b) {
    return a.BackgroundColor == b.BackgroundColor && a.WireFrame == b.WireFrame &&
           a.BlackWhite == b.BlackWhite && (!a.WireFrame || a.BoardVisible == b.BoardVisible) &&
           a.SelectedShape == b.SelectedShape && a.SecondSelectedShape == b.SecondSelectedShape &&
           a.HandlesSuppressed == b.HandlesSuppressed && a.MoveMode == b.MoveMode &&
           a.PenX == b.PenX && a.PenY == b.PenY;
}

} // namespace

// The last pass drawn: what decided its pixels and what it left in the canvas's state.
struct BoardRenderer::Pass {
    bool repaint = false; // the board cleared and its axes drawn first
    std::uint64_t list = 0;
    BoardSettings settings;
    int penWidth = 1; // the canvas as the pass found it
    Canvas::PenStyle penStyle = Canvas::PenStyle::Solid;
    QString fontName;
    bool fontBold = false, fontItalic = false;
    std::uint64_t picture = 0; // the canvas's generation after it

    int penX = 0, penY = 0; // a repaint: where its axes' labels left the pen
    bool anyDrawn = false;  // some shape was drawn (each ends with a clear brush)
    bool textDrawn = false; // a text was drawn: it left the font's colour and style
    int fontColor = 0;
    bool textBold = false, textItalic = false;
    bool highlighted = false;
    std::string highlightedKind;
    bool solved = false; // a parabola called the solver
    QuadraticSolver solver;
    std::string error;
};

BoardRenderer::BoardRenderer(Canvas& canvas)
    : canvas_(canvas), board_(&canvas), curves_(std::make_shared<Curves>()) {}

BoardRenderer::BoardRenderer(Surface& surface)
    : canvas_(surface), curves_(std::make_shared<Curves>()) {}

BoardRenderer::~BoardRenderer() = default;

void BoardRenderer::Plot(const std::vector<QPoint>& pixels) {
    canvas_.setPixels(pixels.data(), pixels.size(), canvas_.penColor());
}

void BoardRenderer::Line(int x1, int y1, int x2, int y2) {
    canvas_.moveTo(x1, y1);
    canvas_.lineTo(x2, y2);
}

void BoardRenderer::Handle(int x, int y, int color) {
    const Canvas::PenMode mode = canvas_.penMode();
    canvas_.setPenMode(Canvas::PenMode::Copy);
    canvas_.setPenColor(color);
    canvas_.setBrushColor(color);
    canvas_.setBrushStyle(Canvas::BrushStyle::Solid);
    canvas_.ellipse(Sum(x, -2), Sum(y, -2), Sum(x, 2), Sum(y, 2));
    canvas_.setPenMode(mode);
}

void BoardRenderer::ClearBoard(int color) {
    canvas_.setBrushColor(Settings.WireFrame && Settings.BoardVisible ? colors::White : color);
    canvas_.setBrushStyle(Canvas::BrushStyle::Solid);
    canvas_.fillRect(0, 0, canvas_.width(), canvas_.height());
}

void BoardRenderer::DrawAxes() {
    const int penColor = canvas_.penColor();
    const int fontColor = canvas_.fontColor();
    canvas_.setPenMode(Canvas::PenMode::Copy);
    canvas_.setPenStyle(Canvas::PenStyle::Solid);
    canvas_.setPenColor(colors::AxisLine);
    const int middle = UnitLengthToPixels(BoardHalfGrid);
    const int full = UnitLengthToPixels(BoardGridCount);
    Line(0, middle, full, middle);
    Line(middle, 0, middle, full);
    canvas_.setBrushStyle(Canvas::BrushStyle::Clear);
    canvas_.setFontSize(8);
    canvas_.setFontColor(colors::AxisLabel);
    canvas_.textOut(5, 145, "-X");
    canvas_.textOut(305, 145, "X");
    canvas_.textOut(150, 0, "Y");
    canvas_.textOut(145, 300, "-Y");
    canvas_.setPenColor(penColor);
    canvas_.setFontColor(fontColor);
}

bool BoardRenderer::Repeats(const Pass& pass, std::string& error) {
    // Drawing a pass again over its own picture changes no pixel: each shape sets the same
    // pixels to the same colours whatever is beneath (with the pen in copy mode).
    const Pass* last = lastPass_.get();
    if (!last || last->picture != canvas_.generation() || last->list != pass.list ||
        !SameBoard(last->settings, pass.settings) || canvas_.penMode() != Canvas::PenMode::Copy ||
        pass.penWidth != last->penWidth || pass.fontName != last->fontName)
        return false;
    if (pass.repaint) {
        if (!last->repaint || pass.fontBold != last->fontBold ||
            pass.fontItalic != last->fontItalic)
            return false;
        // What the clear and the axes leave.
        canvas_.setBrushColor(
            Settings.WireFrame && Settings.BoardVisible ? colors::White : Settings.BackgroundColor);
        canvas_.setBrushStyle(Canvas::BrushStyle::Clear);
        canvas_.setPenStyle(Canvas::PenStyle::Solid);
        canvas_.setFontSize(8);
        canvas_.moveTo(last->penX, last->penY);
    } else if (pass.penStyle != (last->repaint ? Canvas::PenStyle::Solid : last->penStyle)) {
        return false; // the first shape takes the pen's style
    }
    if (last->anyDrawn) canvas_.setBrushStyle(Canvas::BrushStyle::Clear);
    if (last->textDrawn) {
        canvas_.setFontColor(last->fontColor);
        canvas_.setFontStyle(last->textBold, last->textItalic);
    }
    if (last->highlighted) lastHighlightedKind_ = last->highlightedKind;
    if (last->solved) Quadratic = last->solver;
    error = last->error;
    return true;
}

std::string BoardRenderer::RedrawAllShapes(const DrawingList& list) {
    auto pass = std::make_shared<Pass>();
    pass->list = list.Revision();
    pass->settings = Settings;
    pass->penWidth = canvas_.penWidth();
    pass->penStyle = canvas_.penStyle();
    pass->fontName = canvas_.fontName();
    std::string error;
    if (Repeats(*pass, error)) return error;
    const bool copying = canvas_.penMode() == Canvas::PenMode::Copy;
    const int penX = canvas_.penX(), penY = canvas_.penY();
    const int penColor = canvas_.penColor(), brushColor = canvas_.brushColor();
    const Canvas::PenStyle penStyle = canvas_.penStyle();
    highlightedInPass_ = false;
    parabolaSolved_ = false;
    curves_->NewPass();
    // The pass ends after the first shape in move mode, and at a text it cannot draw.
    const std::vector<ShapeRecord>& shapes = list.Shapes();
    std::size_t count = Settings.MoveMode ? std::min<std::size_t>(shapes.size(), 1) : shapes.size();
    for (std::size_t i = 0; i < count; ++i)
        if (shapes[i].IsText() && !ParseInteger(shapes[i].FontSize)) count = i + 1;
    const std::vector<char> covered =
        copying && !DrawCoveredShapes && count > 1
            ? CoveredShapes(shapes, count, canvas_.width(), canvas_.height(),
                            Settings.SelectedShape, Settings.SecondSelectedShape)
            : std::vector<char>();
    for (std::size_t i = 0; i < count; ++i) {
        const ShapeRecord& shape = shapes[i];
        const int number = static_cast<int>(i) + 1;
        pass->anyDrawn = true;
        if (!covered.empty() && covered[i]) {
            PassOver(shape, number);
        } else {
            SetShapeColors(shape);
            error = DrawShape(shape, number);
        }
        if (shape.IsText() && error.empty()) pass->textDrawn = true;
        if (!error.empty()) break;
    }
    canvas_.moveTo(penX, penY);
    canvas_.setPenColor(penColor);
    canvas_.setBrushColor(brushColor);
    canvas_.setPenStyle(penStyle);
    pass->highlighted = highlightedInPass_;
    pass->highlightedKind = lastHighlightedKind_;
    pass->solved = parabolaSolved_;
    pass->solver = Quadratic;
    pass->fontColor = canvas_.fontColor();
    pass->textBold = canvas_.fontBold();
    pass->textItalic = canvas_.fontItalic();
    pass->error = error;
    pass->picture = canvas_.generation();
    if (copying)
        lastPass_ = std::move(pass);
    else
        lastPass_.reset();
    return error;
}

void BoardRenderer::PassOver(const ShapeRecord& shape, int number) {
    if (number == Settings.SelectedShape || number == Settings.SecondSelectedShape) {
        lastHighlightedKind_ = shape.Kind;
        highlightedInPass_ = true;
    }
    if (shape.KindCode() == ShapeKind::Parabola) {
        const double a = shape.X3 / 10.0;
        Quadratic.SolveQuadratic(a, 0, 0);
        if (a != 0) parabolaSolved_ = true;
    } else if (shape.IsText()) {
        SetShapeColors(shape);
        canvas_.setFontColor(canvas_.penColor());
        canvas_.setFontStyle(shape.FontStyle == "Bold", shape.FontStyle == "Italic");
    }
    canvas_.setPenMode(Canvas::PenMode::Copy);
    canvas_.setPenStyle(Canvas::PenStyle::Solid);
    canvas_.setBrushStyle(Canvas::BrushStyle::Clear);
}

bool BoardRenderer::SameRepaint(const Pass& kept, const Pass& repaint) const {
    // What Repeats asks of a repaint besides its picture and list.
    return kept.repaint && SameBoard(kept.settings, repaint.settings) &&
           canvas_.penMode() == Canvas::PenMode::Copy && kept.penWidth == repaint.penWidth &&
           kept.fontName == repaint.fontName && kept.fontBold == repaint.fontBold &&
           kept.fontItalic == repaint.fontItalic;
}

bool BoardRenderer::TakeKept(const Pass& repaint, std::uint64_t state, const DrawingList& list) {
    if (!board_ || state == 0) return false;
    for (auto it = kept_.begin(); it != kept_.end(); ++it) {
        if (it->state != state || !SameRepaint(*it->pass, repaint)) continue;
        if (!board_->restore(it->picture)) return false;
        auto pass = std::make_shared<Pass>(*it->pass);
        pass->list = list.Revision();
        pass->picture = canvas_.generation();
        lastPass_ = std::move(pass);
        // The most recently used is the last to go.
        KeptPicture used = std::move(*it);
        kept_.erase(it);
        kept_.push_back(std::move(used));
        return true;
    }
    return false;
}

void BoardRenderer::Keep(std::uint64_t state) {
    if (!board_ || state == 0 || !lastPass_ || !lastPass_->repaint ||
        lastPass_->picture != canvas_.generation())
        return;
    std::erase_if(kept_, [&](const KeptPicture& k) {
        return k.state == state && SameRepaint(*k.pass, *lastPass_);
    });
    kept_.push_back({state, std::make_shared<const Pass>(*lastPass_), board_->image()});
    while (kept_.size() > PicturesKept)
        kept_.pop_front();
}

void BoardRenderer::NameRepaint(const DrawingList& list, std::uint64_t state) {
    if (lastPass_ && lastPass_->list == list.Revision()) Keep(state);
}

std::string BoardRenderer::RepaintBoard(const DrawingList& list, std::uint64_t state) {
    Pass pass;
    pass.repaint = true;
    pass.list = list.Revision();
    pass.settings = Settings;
    pass.penWidth = canvas_.penWidth();
    pass.fontName = canvas_.fontName();
    pass.fontBold = canvas_.fontBold();
    pass.fontItalic = canvas_.fontItalic();
    std::string error;
    if (Repeats(pass, error)) {
        // Drawn just now, perhaps before its list had a number.
        Keep(state);
        return error;
    }
    if (TakeKept(pass, state, list) && Repeats(pass, error)) return error;
    const bool copying = canvas_.penMode() == Canvas::PenMode::Copy;
    ClearBoard(Settings.BackgroundColor);
    DrawAxes();
    const int penX = canvas_.penX(), penY = canvas_.penY();
    error = RedrawAllShapes(list);
    if (lastPass_ && copying) {
        // The pass just drawn, taken as the whole repaint.
        lastPass_->repaint = true;
        lastPass_->fontBold = pass.fontBold;
        lastPass_->fontItalic = pass.fontItalic;
        lastPass_->penX = penX;
        lastPass_->penY = penY;
        Keep(state);
    } else {
        lastPass_.reset();
    }
    return error;
}

void BoardRenderer::SetShapeColors(const ShapeRecord& shape) {
    if (!Settings.WireFrame) {
        canvas_.setPenColor(shape.PenColor);
        canvas_.setBrushColor(shape.FillColor);
    } else {
        // White pens would vanish on the white board. Fills take the board's white: left as
        // it was, the brush would carry the colour of the last handle drawn.
        canvas_.setPenColor(shape.PenColor == colors::White ? colors::DarkPen : shape.PenColor);
        canvas_.setBrushColor(colors::White);
    }
    if (Settings.BlackWhite) {
        canvas_.setPenColor(colors::DarkPen);
        canvas_.setBrushColor(colors::White);
    }
    canvas_.setBrushStyle(shape.FillMode == "S" ? Canvas::BrushStyle::Solid
                                                : Canvas::BrushStyle::Clear);
}

std::string BoardRenderer::DrawShape(const ShapeRecord& shape, int number) {
    canvas_.setBrushStyle(shape.FillMode == "W" || shape.IsText() ? Canvas::BrushStyle::Clear
                                                                  : Canvas::BrushStyle::Solid);
    const bool selected =
        number != 0 && (number == Settings.SelectedShape || number == Settings.SecondSelectedShape);
    if (selected) {
        canvas_.setPenStyle(Canvas::PenStyle::Dot);
        canvas_.setBrushColor(shape.FillColor);
        canvas_.setBrushStyle(Canvas::BrushStyle::DiagCross);
        lastHighlightedKind_ = shape.Kind;
        highlightedInPass_ = true;
    }
    canvas_.moveTo(Settings.PenX, Settings.PenY);

    std::string error;
    switch (shape.KindCode()) {
    case ShapeKind::Hexagon: DrawPolygon(shape, shape.X1, shape.Y1, shape.X2, shape.Y2); break;
    case ShapeKind::Circle: DrawCircleForm(shape); break;
    case ShapeKind::Ellipse: canvas_.ellipse(shape.X1, shape.Y1, shape.X2, shape.Y2); break;
    case ShapeKind::Line: Line(shape.X1, shape.Y1, shape.X2, shape.Y2); break;
    case ShapeKind::Square: canvas_.rectangle(shape.X1, shape.Y1, shape.X2, shape.Y2); break;
    case ShapeKind::Text:
        if (const auto size = ParseInteger(shape.FontSize)) {
            const int keep = canvas_.fontSize();
            canvas_.setFontSize(*size);
            canvas_.setFontColor(canvas_.penColor());
            canvas_.setFontStyle(shape.FontStyle == "Bold", shape.FontStyle == "Italic");
            canvas_.textOut(shape.X1, shape.Y1, QString::fromStdString(shape.Text));
            canvas_.setFontSize(keep);
        } else {
            error = "'" + shape.FontSize + "' is not a valid integer value";
        }
        break;
    case ShapeKind::Parabola: DrawParabola(shape, selected ? 0.1 : 0.025); break;
    case ShapeKind::Hyper: DrawHyperbola(shape); break;
    case ShapeKind::Hyper1: DrawRectHyperbola(shape); break;
    case ShapeKind::Triangle: DrawTriangle(shape); break;
    case ShapeKind::Other:
        canvas_.setPenMode(Canvas::PenMode::Copy);
        canvas_.setPenStyle(Canvas::PenStyle::Solid);
        canvas_.setBrushStyle(Canvas::BrushStyle::Clear);
        return error;
    }
    if (error.empty()) DrawHandles(shape);
    canvas_.setPenMode(Canvas::PenMode::Copy);
    canvas_.setPenStyle(Canvas::PenStyle::Solid);
    canvas_.setBrushStyle(Canvas::BrushStyle::Clear);
    return error;
}

void BoardRenderer::DrawPolygon(const ShapeRecord& shape, int cx, int cy, double radius,
                                double edges) {
    const double m = AngleStep(shape.Aux4);
    const int form = shape.Aux2;
    if (m == 0 || form < 0 || form > 3) return;
    const double start = shape.Aux1;
    const double r = radius;
    const long long h = shape.Aux3; // negated below: no int may be
    auto flat = [&](double u, int& x, int& y) {
        x = Pt(cx + r * std::cos(Radians(u)));
        y = Pt(cy + r * std::sin(Radians(u)));
    };
    auto base = [&](double u, int& x, int& y) {
        x = Pt(cx + 1.5 * r * std::cos(Radians(u)));
        y = Pt(cy + 0.5 * r * std::sin(Radians(u)));
    };
    auto top = [&](double u, int& x, int& y) {
        x = Pt(cx + r * std::cos(Radians(u)));
        y = Sum(Pt(cy + r / 3 * std::sin(Radians(u))), -h);
    };

    // Edges k = 0, 1, ... while start + k m <= start + (edges - 1) m.
    if (!(edges >= 1)) return;
    const long long last = static_cast<long long>(std::min(std::floor(edges - 1), 1e15));
    const long long first = std::max(0LL, last - kDistinctEdges + 1);
    int ax = 0, ay = 0, bx = 0, by = 0; // the ends of the last edge drawn
    for (long long i = first; i <= last; ++i) {
        // The turn within one circle: exact, and the same for edges 720 steps apart.
        const double u = start + std::fmod(static_cast<double>(i) * m, 360.0);
        if (form == 0) {
            flat(u, ax, ay);
            flat(u + m, bx, by);
            Line(ax, ay, bx, by);
            continue;
        }
        base(u, ax, ay);
        base(u + m, bx, by);
        Line(ax, ay, bx, by);
        if (form == 1) {
            canvas_.lineTo(bx, Sum(by, -h));
            Line(ax, Sum(ay, -h), bx, Sum(by, -h));
        } else if (form == 2) {
            canvas_.lineTo(cx, Sum(cy, -h));
        } else {
            int tx = 0, ty = 0;
            top(u + m, tx, ty);
            canvas_.lineTo(tx, ty);
            top(u, tx, ty);
            canvas_.lineTo(tx, ty);
        }
    }

    const int mx = Sum(ax, (static_cast<long long>(bx) - ax) / 2);
    const int my = Sum(ay, (static_cast<long long>(by) - ay) / 2);
    auto constructionLines = [&] {
        canvas_.setPenColor(colors::RadiusLine);
        Line(cx, cy, ax, ay);
        Line(cx, cy, bx, by);
        canvas_.setPenColor(colors::ApothemLine);
        Line(cx, cy, mx, my);
    };
    if (form == 0) {
        if (!Settings.HandlesSuppressed) constructionLines();
        return;
    }
    constructionLines();
    Line(cx, cy, cx, Sum(cy, -h));
    Handle(cx, Sum(cy, -h), colors::HeightHandle);
}

void BoardRenderer::DrawCircleForm(const ShapeRecord& shape) {
    const long long x1 = shape.X1, y1 = shape.Y1, x2 = shape.X2, y2 = shape.Y2;
    const long long h = shape.Aux1;
    const int cx = Sum(x1, (x2 - x1) / 2);
    const int cy = Sum(y1, (y2 - y1) / 2);
    const long long d = y2 - y1;
    const int b1 = Sum(y1, d / 3), b2 = Sum(y2, -d / 3); // the middle band
    auto ellipse = [&](long long l, long long t, long long r, long long b) {
        canvas_.ellipse(Sum(l, 0), Sum(t, 0), Sum(r, 0), Sum(b, 0));
    };
    switch (shape.Aux2) {
    case 0: ellipse(x1, y1, x2, y2); break;
    case 1:
        ellipse(x1, b1, x2, b2);
        ellipse(x1, b1 - h, x2, b2 - h);
        Line(Sum(x1, 0), cy, Sum(x1, 0), Sum(cy, -h));
        Line(Sum(x2, 0), cy, Sum(x2, 0), Sum(cy, -h));
        break;
    case 2:
        ellipse(x1, b1, x2, b2);
        Line(Sum(x1, 0), cy, cx, Sum(cy, -h));
        Line(Sum(x2, 0), cy, cx, Sum(cy, -h));
        break;
    case 3: {
        ellipse(x1, b1, x2, b2);
        const long long w = (x2 - x1) / 5;
        const long long q = (static_cast<long long>(b2) - b1) / 4;
        ellipse(x1 + w, b1 + q - h, x2 - w, b2 - q - h);
        Line(Sum(x1, 0), cy, Sum(x1, w), Sum(cy, -h));
        Line(Sum(x2, 0), cy, Sum(x2, -w), Sum(cy, -h));
        break;
    }
    case 4: {
        ellipse(x1, y1, x2, y2);
        ellipse(x1, b1, x2, b2);
        const long long g = (x2 - x1) / 3;
        ellipse(x1 + g, y1, x2 - g, y2);
        break;
    }
    default: break;
    }
}

void BoardRenderer::DrawTriangle(const ShapeRecord& shape) {
    canvas_.moveTo(shape.X3, shape.Y3);
    canvas_.lineTo(shape.X4, shape.Y4);
    canvas_.lineTo(shape.Aux1, shape.Aux2);
    canvas_.lineTo(shape.X3, shape.Y3);
    DrawHandles(shape);
}

void BoardRenderer::DrawHandles(const ShapeRecord& shape) {
    const long long x1 = shape.X1, y1 = shape.Y1, x2 = shape.X2, y2 = shape.Y2;
    const int midX = Sum(x1, (x2 - x1) / 2), midY = Sum(y1, (y2 - y1) / 2);
    switch (shape.KindCode()) {
    case ShapeKind::Line:
    case ShapeKind::Square:
    case ShapeKind::Ellipse:
        Handle(shape.X1, shape.Y1, colors::CornerHandle);
        Handle(shape.X2, shape.Y2, colors::CornerHandle);
        Handle(midX, midY, colors::CentreHandle);
        break;
    case ShapeKind::Circle: Handle(midX, midY, colors::CentreHandle); break;
    case ShapeKind::Triangle:
        Handle(shape.X3, shape.Y3, colors::CornerHandle);
        Handle(shape.X4, shape.Y4, colors::CornerHandle);
        Handle(shape.Aux1, shape.Aux2, colors::CornerHandle);
        Handle(shape.X1, shape.Y1, colors::CentreHandle);
        break;
    case ShapeKind::Hexagon:
    case ShapeKind::Text:
    case ShapeKind::Parabola:
    case ShapeKind::Hyper:
    case ShapeKind::Hyper1: Handle(shape.X1, shape.Y1, colors::CentreHandle); break;
    case ShapeKind::Other: break;
    }
}

} // namespace pelcor
