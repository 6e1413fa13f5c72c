#include "platform/Canvas.h"

#include "platform/Colors.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace pelcor {

namespace {

// Limits a coordinate of an upright box to just outside the picture: edges beyond it are
// invisible either way, and the box sizes can then never overflow.
int Hold(long long v, int size) {
    return static_cast<int>(std::clamp<long long>(v, -2, static_cast<long long>(size) + 2));
}

} // namespace

Canvas::Canvas(int width, int height, int background)
    : image_(width, height, QImage::Format_RGB32) {
    clear(background);
}

void Canvas::resize(int width, int height, int background) {
    image_ = QImage(width, height, QImage::Format_RGB32);
    clear(background);
}

void Canvas::clear(int color) {
    image_.fill(ToQColor(color));
}

void Canvas::setFont(const QString& name, int pointSize, int color, bool bold, bool italic) {
    fontName_ = name;
    fontSize_ = pointSize;
    fontColor_ = color;
    fontBold_ = bold;
    fontItalic_ = italic;
}

QFont Canvas::font() const {
    QFont f(fontName_);
    // Points at 96 dots per inch, held to a size the desktop can draw.
    const long long points = std::llabs(static_cast<long long>(fontSize_));
    f.setPixelSize(static_cast<int>(std::clamp<long long>((points * 96 + 36) / 72, 1, 1000)));
    f.setBold(fontBold_);
    f.setItalic(fontItalic_);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

void Canvas::begin(QPainter& p) {
    p.begin(&image_);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    switch (penMode_) {
    case PenMode::Copy: break; // every colour is opaque: drawing over is copying
    case PenMode::Xor: p.setCompositionMode(QPainter::RasterOp_SourceXorDestination); break;
    case PenMode::NotXor: p.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination); break;
    }
}

void Canvas::plot(int x, int y, int color) {
    if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height()) return;
    const QRgb src = ToQColor(color).rgb();
    QRgb out = src;
    if (penMode_ == PenMode::Xor)
        out = 0xFF000000u | ((src ^ image_.pixel(x, y)) & 0xFFFFFFu);
    else if (penMode_ == PenMode::NotXor)
        out = 0xFF000000u | (~(src ^ image_.pixel(x, y)) & 0xFFFFFFu);
    image_.setPixel(x, y, out);
}

void Canvas::brushPixel(int x, int y) {
    // The desktop's 8 x 8 diagonal cross hatch.
    if (brushStyle_ == BrushStyle::Solid ||
        (brushStyle_ == BrushStyle::DiagCross && (((x + y) & 7) == 0 || ((x - y) & 7) == 0)))
        plot(x, y, brushColor_);
}

void Canvas::fillBox(long long x1, long long y1, long long x2, long long y2) {
    if (brushStyle_ == BrushStyle::Clear) return;
    x1 = std::max(x1, 0LL);
    y1 = std::max(y1, 0LL);
    x2 = std::min<long long>(x2, width());
    y2 = std::min<long long>(y2, height());
    for (long long y = y1; y < y2; ++y)
        for (long long x = x1; x < x2; ++x)
            brushPixel(static_cast<int>(x), static_cast<int>(y));
}

template <typename Draw> void Canvas::stroke(QPainter& p, Draw draw) {
    QPen pen(ToQColor(penColor_));
    pen.setWidth(penWidth_ == 1 ? 0 : penWidth_);
    pen.setCapStyle(Qt::FlatCap);
    if (penStyle_ == PenStyle::Dot) {
        if (brushStyle_ == BrushStyle::Solid) {
            QPen gaps = pen;
            gaps.setColor(ToQColor(brushColor_));
            p.setPen(gaps);
            draw();
        }
        pen.setStyle(Qt::DotLine);
    }
    p.setPen(pen);
    draw();
}

void Canvas::moveTo(int x, int y) {
    penX_ = x;
    penY_ = y;
}

void Canvas::lineTo(int x, int y) {
    const bool leaveOutEnd =
        penWidth_ == 1 && image_.rect().contains(x, y) && (x != penX_ || y != penY_);
    const QRgb keep = leaveOutEnd ? image_.pixel(x, y) : 0;
    {
        QPainter p;
        begin(p);
        const QLineF line(penX_, penY_, x, y);
        stroke(p, [&] { p.drawLine(line); });
    }
    if (leaveOutEnd) image_.setPixel(x, y, keep);
    penX_ = x;
    penY_ = y;
}

void Canvas::rectangle(int x1, int y1, int x2, int y2) {
    if (x2 < x1) std::swap(x1, x2);
    if (y2 < y1) std::swap(y1, y2);
    x1 = Hold(x1, width());
    x2 = Hold(x2, width());
    y1 = Hold(y1, height());
    y2 = Hold(y2, height());
    if (x2 - x1 < 1 || y2 - y1 < 1) return;
    fillBox(x1 + 1, y1 + 1, x2 - 1, y2 - 1); // the brush fills inside the outline
    QPainter p;
    begin(p);
    p.setBrush(Qt::NoBrush);
    const QRect outline(x1, y1, x2 - x1 - 1, y2 - y1 - 1);
    stroke(p, [&] { p.drawRect(outline); });
}

void Canvas::ellipse(int x1, int y1, int x2, int y2) {
    if (x2 < x1) std::swap(x1, x2);
    if (y2 < y1) std::swap(y1, y2);
    if (penWidth_ > 1) {
        qtEllipse(x1, y1, x2, y2);
        return;
    }
    // The ellipse inscribed in the box's pixels: a pixel belongs to it when its centre lies
    // inside. The pixels with a neighbour outside are the outline; the rest take the brush.
    const double w = static_cast<double>(x2) - x1, h = static_cast<double>(y2) - y1;
    if (w <= 0 || h <= 0) return;
    const double cx = x1 + w / 2, cy = y1 + h / 2;
    struct Span {
        long long left = 1, right = 0; // empty
        bool has(long long x) const { return x >= left && x <= right; }
    };
    auto span = [&](long long y) {
        Span s;
        if (y < y1 || y >= y2) return s;
        const double dy = (y + 0.5 - cy) / (h / 2);
        const double t = 1 - dy * dy;
        if (t < 0) return s;
        const double half = w / 2 * std::sqrt(t);
        s.left = static_cast<long long>(std::ceil(cx - half - 0.5));
        s.right = static_cast<long long>(std::floor(cx + half - 0.5));
        return s;
    };
    struct Dot {
        double angle;
        int x, y;
    };
    std::vector<Dot> outline;
    const long long top = std::max<long long>(y1, 0);
    const long long bottom = std::min<long long>(y2, height());
    for (long long y = top; y < bottom; ++y) {
        const Span row = span(y), above = span(y - 1), below = span(y + 1);
        const long long from = std::max(row.left, -1LL);
        const long long to = std::min<long long>(row.right, width());
        for (long long x = from; x <= to; ++x) {
            const int px = static_cast<int>(x), py = static_cast<int>(y);
            if (x == row.left || x == row.right || !above.has(x) || !below.has(x)) {
                const double ax = (x + 0.5 - cx) / (w / 2), ay = (y + 0.5 - cy) / (h / 2);
                outline.push_back({std::atan2(ay, ax), px, py});
            } else {
                brushPixel(px, py);
            }
        }
    }
    if (penStyle_ == PenStyle::Solid) {
        for (const Dot& d : outline)
            plot(d.x, d.y, penColor_);
        return;
    }
    // Dotted: one pixel in three along the curve.
    std::sort(outline.begin(), outline.end(),
              [](const Dot& a, const Dot& b) { return a.angle < b.angle; });
    for (std::size_t i = 0; i < outline.size(); ++i) {
        if (i % 3 == 0)
            plot(outline[i].x, outline[i].y, penColor_);
        else if (brushStyle_ == BrushStyle::Solid)
            plot(outline[i].x, outline[i].y, brushColor_);
    }
}

void Canvas::qtEllipse(int x1, int y1, int x2, int y2) {
    // Sizes as reals: no pair of coordinates can overflow.
    const double w = static_cast<double>(x2) - x1 - 1;
    const double h = static_cast<double>(y2) - y1 - 1;
    if (w < 0 || h < 0) return;
    QPainter p;
    begin(p);
    if (brushStyle_ == BrushStyle::Solid)
        p.setBrush(QBrush(ToQColor(brushColor_)));
    else if (brushStyle_ == BrushStyle::DiagCross)
        p.setBrush(QBrush(ToQColor(brushColor_), Qt::DiagCrossPattern));
    const QRectF box(x1, y1, w, h);
    stroke(p, [&] {
        p.drawEllipse(box);
        p.setBrush(Qt::NoBrush); // the inside is filled once
    });
}

void Canvas::fillRect(int x1, int y1, int x2, int y2) {
    if (x2 < x1) std::swap(x1, x2);
    if (y2 < y1) std::swap(y1, y2);
    fillBox(x1, y1, x2, y2);
}

void Canvas::textOut(int x, int y, const QString& text) {
    QPainter p;
    p.begin(&image_);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    const QFont f = font();
    p.setFont(f);
    const QFontMetrics fm(f);
    const int advance = fm.horizontalAdvance(text);
    if (brushStyle_ == BrushStyle::Solid)
        p.fillRect(QRect(x, y, advance, fm.height()), ToQColor(brushColor_));
    p.setPen(ToQColor(fontColor_));
    p.drawText(QPointF(x, static_cast<double>(y) + fm.ascent()), text);
    penX_ = static_cast<int>(
        std::clamp<long long>(static_cast<long long>(x) + advance, INT_MIN, INT_MAX));
    penY_ = y;
}

int Canvas::textHeight(const QString&) const {
    return QFontMetrics(font()).height();
}

int Canvas::textWidth(const QString& text) const {
    return QFontMetrics(font()).horizontalAdvance(text);
}

int Canvas::pixel(int x, int y) const {
    if (!image_.rect().contains(x, y)) return -1;
    return FromQColor(QColor(image_.pixel(x, y)));
}

void Canvas::setPixel(int x, int y, int color) {
    if (image_.rect().contains(x, y)) image_.setPixel(x, y, ToQColor(color).rgb());
}

void Canvas::stretchDraw(int x1, int y1, int x2, int y2, const QImage& picture) {
    if (picture.isNull()) return;
    QPainter p;
    p.begin(&image_);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawImage(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)), picture);
}

} // namespace pelcor
