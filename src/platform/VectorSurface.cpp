#include "platform/VectorSurface.h"

#include "platform/Colors.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPathStroker>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace pelcor {

namespace {

// A pixel's centre.
QPointF Centre(int x, int y) {
    return {x + 0.5, y + 0.5};
}

int Apart(const QPoint& a, const QPoint& b) {
    return std::max(std::abs(a.x() - b.x()), std::abs(a.y() - b.y()));
}

// The diagonal-cross hatch over `box`: the lines through the centres of the pixels where
// x + y or x - y is a multiple of 8, as the canvas's brush sets them.
QPainterPath HatchLines(const QRectF& box) {
    QPainterPath lines;
    const double l = box.left(), r = box.right(), t = box.top(), b = box.bottom();
    // x + y = c with c = 8k + 1 (pixel centres), and x - y = c with c = 8k.
    auto firstAtOrAbove = [](double v, int offset) {
        long long k = static_cast<long long>(std::floor((v - offset) / 8));
        while (8 * k + offset < v)
            ++k;
        return 8 * k + offset;
    };
    for (long long c = firstAtOrAbove(l + t, 1); c <= r + b; c += 8) {
        const double from = std::max(l, c - b), to = std::min(r, c - t);
        if (from >= to) continue;
        lines.moveTo(from, c - from);
        lines.lineTo(to, c - to);
    }
    for (long long c = firstAtOrAbove(l - b, 0); c <= r - t; c += 8) {
        const double from = std::max(l, t + c), to = std::min(r, b + c);
        if (from >= to) continue;
        lines.moveTo(from, from - c);
        lines.lineTo(to, to - c);
    }
    return lines;
}

// The points of a chain its polyline keeps: the fewest whose polyline passes within
// three quarters of a pixel of every point (the ends always), so the steps of pixels along
// a curve become the curve's slope.
std::vector<char> Straightened(const std::vector<QPoint>& chain) {
    constexpr double kNear = 0.75;
    std::vector<char> kept(chain.size(), 0);
    kept.front() = kept.back() = 1;
    std::vector<std::pair<std::size_t, std::size_t>> spans{{0, chain.size() - 1}};
    while (!spans.empty()) {
        const auto [from, to] = spans.back();
        spans.pop_back();
        if (to - from < 2) continue;
        const double ax = chain[from].x(), ay = chain[from].y();
        const double dx = chain[to].x() - ax, dy = chain[to].y() - ay;
        const double length = std::hypot(dx, dy);
        double farthest = 0;
        std::size_t at = from;
        for (std::size_t i = from + 1; i < to; ++i) {
            const double px = chain[i].x() - ax, py = chain[i].y() - ay;
            // The distance from the chord, or from its start when the ends coincide.
            const double d = length > 0 ? std::abs(px * dy - py * dx) / length : std::hypot(px, py);
            if (d > farthest) {
                farthest = d;
                at = i;
            }
        }
        if (farthest <= kNear) continue;
        kept[at] = 1;
        spans.push_back({from, at});
        spans.push_back({at, to});
    }
    return kept;
}

} // namespace

VectorSurface::VectorSurface(QPainter& painter, int width, int height)
    : Surface(width, height), painter_(painter) {
    painter_.save();
    painter_.setClipRect(QRectF(0, 0, width, height), Qt::IntersectClip);
    painter_.setBackgroundMode(Qt::TransparentMode);
}

VectorSurface::~VectorSurface() {
    if (!finished_) finish();
}

void VectorSurface::finish() {
    flush();
    painter_.restore();
    finished_ = true;
}

VectorSurface::LinePen VectorSurface::currentLinePen() const {
    const bool gaps = penStyle() == PenStyle::Dot && brushStyle() == BrushStyle::Solid;
    return {penColor(), penWidth(), penStyle(), gaps ? brushColor() : -1};
}

QPen VectorSurface::pen(int color, int width, PenStyle style) const {
    QPen p(ToQColor(color));
    p.setWidthF(width);
    p.setJoinStyle(Qt::MiterJoin);
    if (style == PenStyle::Dot) {
        // One on, two off, the first dot on the line's first pixel.
        p.setDashPattern({1, 2});
        p.setDashOffset(width == 1 ? 0.5 : 0);
        p.setCapStyle(Qt::FlatCap);
    } else {
        // A thin line covers its end pixels; a wide one ends flat, as on the screen.
        p.setCapStyle(width == 1 ? Qt::SquareCap : Qt::FlatCap);
    }
    return p;
}

void VectorSurface::strokePath(const QPainterPath& path, const LinePen& linePen) {
    painter_.setBrush(Qt::NoBrush);
    if (linePen.gapColor >= 0) {
        painter_.setPen(pen(linePen.gapColor, linePen.width, PenStyle::Solid));
        painter_.drawPath(path);
    }
    painter_.setPen(pen(linePen.color, linePen.width, linePen.style));
    painter_.drawPath(path);
}

void VectorSurface::fillArea(const QPainterPath& area, const QPainterPath& inside) {
    switch (brushStyle()) {
    case BrushStyle::Clear: return;
    case BrushStyle::Solid:
        painter_.setPen(Qt::NoPen);
        painter_.setBrush(ToQColor(brushColor()));
        painter_.drawPath(area);
        return;
    case BrushStyle::DiagCross: {
        const QRectF box = inside.boundingRect().intersected(QRectF(0, 0, width(), height()));
        if (box.isEmpty()) return;
        QPainterPathStroker stroker;
        stroker.setWidth(1);
        stroker.setCapStyle(Qt::FlatCap);
        const QPainterPath hatch =
            stroker.createStroke(HatchLines(box.adjusted(-1, -1, 1, 1))).intersected(inside);
        painter_.setPen(Qt::NoPen);
        painter_.setBrush(ToQColor(brushColor()));
        painter_.drawPath(hatch);
        return;
    }
    }
}

void VectorSurface::flush() {
    flushPoints();
    flushLines();
}

void VectorSurface::flushLines() {
    if (lines_.isEmpty()) return;
    strokePath(lines_, linesPen_);
    lines_.clear();
}

void VectorSurface::flushPoints() {
    if (points_.empty()) return;
    // The points, in the order they came, into chains of neighbours: each point joins the
    // open chain whose end is nearest (two pixels at most), or starts a chain. A few chains
    // stay open at once, so the branches of a curve drawn side by side each keep theirs.
    constexpr std::size_t kOpen = 4;
    std::vector<std::vector<QPoint>> chains;
    std::vector<std::size_t> open;
    for (const QPoint& p : points_) {
        std::size_t best = SIZE_MAX;
        int bestApart = 3;
        for (std::size_t k = open.size(); k-- > 0;) {
            const int apart = Apart(chains[open[k]].back(), p);
            if (apart < bestApart) {
                bestApart = apart;
                best = k;
            }
        }
        if (best == SIZE_MAX) {
            chains.push_back({p});
            open.push_back(chains.size() - 1);
            if (open.size() > kOpen) open.erase(open.begin());
            continue;
        }
        if (bestApart == 0) continue; // the same pixel again
        chains[open[best]].push_back(p);
        // The chain just grown is the one looked at first next time.
        const std::size_t index = open[best];
        open.erase(open.begin() + static_cast<std::ptrdiff_t>(best));
        open.push_back(index);
    }
    QPainterPath curves, dots;
    for (const std::vector<QPoint>& chain : chains) {
        if (chain.size() == 1) {
            // A stroke a pixel long and a pixel wide through the pixel's middle: its square.
            dots.moveTo(chain[0].x(), chain[0].y() + 0.5);
            dots.lineTo(chain[0].x() + 1, chain[0].y() + 0.5);
            continue;
        }
        const std::vector<char> kept = Straightened(chain);
        curves.moveTo(Centre(chain[0].x(), chain[0].y()));
        for (std::size_t i = 1; i < chain.size(); ++i)
            if (kept[i]) curves.lineTo(Centre(chain[i].x(), chain[i].y()));
    }
    const QColor color = ToQColor(pointsColor_);
    if (!curves.isEmpty()) {
        QPen p(color);
        p.setWidthF(1);
        p.setCapStyle(Qt::RoundCap);
        p.setJoinStyle(Qt::RoundJoin);
        painter_.setPen(p);
        painter_.setBrush(Qt::NoBrush);
        painter_.drawPath(curves);
    }
    if (!dots.isEmpty()) {
        QPen p(color);
        p.setWidthF(1);
        p.setCapStyle(Qt::FlatCap);
        painter_.setPen(p);
        painter_.setBrush(Qt::NoBrush);
        painter_.drawPath(dots);
    }
    points_.clear();
}

void VectorSurface::lineTo(int x, int y) {
    flushPoints();
    const LinePen linePen = currentLinePen();
    if (!lines_.isEmpty() && !(linePen == linesPen_)) flushLines();
    const QPointF from = Centre(penX(), penY()), to = Centre(x, y);
    if (lines_.isEmpty() || linesEnd_ != from) lines_.moveTo(from);
    lines_.lineTo(to);
    linesEnd_ = to;
    linesPen_ = linePen;
    moveTo(x, y);
    touch();
}

void VectorSurface::rectangle(int x1, int y1, int x2, int y2) {
    HoldBox(x1, y1, x2, y2);
    if (x2 - x1 < 1 || y2 - y1 < 1 || (x2 - x1 == 1 && y2 - y1 == 1)) return;
    flush();
    touch();
    QPainterPath outline, inside;
    outline.addRect(QRectF(Centre(x1, y1), Centre(x2 - 1, y2 - 1)));
    inside.addRect(QRectF(x1 + 1, y1 + 1, x2 - x1 - 2, y2 - y1 - 2));
    outlineAndFill(outline, inside);
}

void VectorSurface::ellipse(int x1, int y1, int x2, int y2) {
    if (x2 < x1) std::swap(x1, x2);
    if (y2 < y1) std::swap(y1, y2);
    const double w = static_cast<double>(x2) - x1, h = static_cast<double>(y2) - y1;
    if (w <= 0 || h <= 0) return;
    flush();
    touch();
    QPainterPath outline, inside;
    outline.addEllipse(QRectF(x1 + 0.5, y1 + 0.5, w - 1, h - 1));
    if (w > 2 && h > 2) inside.addEllipse(QRectF(x1 + 1, y1 + 1, w - 2, h - 2));
    outlineAndFill(outline, inside);
}

void VectorSurface::outlineAndFill(const QPainterPath& outline, const QPainterPath& inside) {
    const LinePen linePen = currentLinePen();
    if (brushStyle() == BrushStyle::Solid && linePen.style == PenStyle::Solid) {
        // Filled and outlined at once: one shape of the picture.
        painter_.setPen(pen(linePen.color, linePen.width, linePen.style));
        painter_.setBrush(ToQColor(brushColor()));
        painter_.drawPath(outline);
        return;
    }
    fillArea(outline, inside);
    strokePath(outline, linePen);
}

void VectorSurface::fillRect(int x1, int y1, int x2, int y2) {
    HoldBox(x1, y1, x2, y2);
    if (x1 >= x2 || y1 >= y2) return;
    flush();
    touch();
    QPainterPath box;
    box.addRect(QRectF(x1, y1, x2 - x1, y2 - y1));
    fillArea(box, box);
}

void VectorSurface::textOut(int x, int y, const QString& text) {
    flush();
    touch();
    const QFont f = font();
    const QFontMetrics metrics(f); // laid out as on the screen
    const int advance = metrics.horizontalAdvance(text);
    if (brushStyle() == BrushStyle::Solid)
        painter_.fillRect(QRectF(x, y, advance, metrics.height()), ToQColor(brushColor()));
    if (!text.isEmpty()) {
        QFont drawn = f;
        drawn.setStyleStrategy(QFont::PreferDefault); // smooth on paper
        painter_.setFont(drawn);
        painter_.setPen(ToQColor(fontColor()));
        painter_.setBrush(Qt::NoBrush);
        painter_.drawText(QPointF(x, static_cast<double>(y) + metrics.ascent()), text);
    }
    moveTo(static_cast<int>(
               std::clamp<long long>(static_cast<long long>(x) + advance, INT_MIN, INT_MAX)),
           y);
}

void VectorSurface::setPixel(int x, int y, int color) {
    const QPoint p(x, y);
    setPixels(&p, 1, color);
}

void VectorSurface::setPixels(const QPoint* points, std::size_t count, int color) {
    flushLines();
    if (!points_.empty() && color != pointsColor_) flushPoints();
    pointsColor_ = color;
    const unsigned w = static_cast<unsigned>(width()), h = static_cast<unsigned>(height());
    for (std::size_t i = 0; i < count; ++i)
        if (static_cast<unsigned>(points[i].x()) < w && static_cast<unsigned>(points[i].y()) < h)
            points_.push_back(points[i]);
    touch();
}

void VectorSurface::stretchDraw(int x1, int y1, int x2, int y2, const QImage& picture) {
    if (picture.isNull()) return;
    flush();
    touch();
    painter_.drawImage(QRectF(x1, y1, static_cast<double>(x2) - x1, static_cast<double>(y2) - y1),
                       picture);
}

void VectorSurface::clear(int color) {
    flush();
    touch();
    painter_.fillRect(QRectF(0, 0, width(), height()), ToQColor(color));
}

} // namespace pelcor
