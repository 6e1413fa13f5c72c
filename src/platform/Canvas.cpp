#include "platform/Canvas.h"

#include "platform/Colors.h"

#include <QFontMetrics>
#include <QHash>
#include <QPainter>

#include <algorithm>
#include <atomic>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace pelcor {

namespace {

// The pixels the desktop's raster engine lights for a one-pixel line from (x1, y1) to
// (x2, y2), without caps, on a picture of w x h; `plot` gets each once (it may be just off
// the picture). The line is first cut to the picture and a pixel around it, in reals; the
// coordinates are then taken in 64ths of a pixel. Along the longer axis every pixel from the
// rounded start up to, but not including, the rounded end is lit, the other axis following
// in 16.16 fixed point. A dotted line lights one pixel in three, counted from the pixel
// where it starts. A line of no length lights its rounded point.
template <typename Plot>
void RasterLine(double x1, double y1, double x2, double y2, int w, int h, bool dotted, Plot plot) {
    if (x1 == x2 && y1 == y2) {
        plot(static_cast<int>(std::lround(x1)), static_cast<int>(std::lround(y1)));
        return;
    }
    // The cut: each end beyond a bound moves along the line onto it, first across x, then
    // across y. False when the line lies wholly beyond a bound.
    auto cut = [](double& a1, double& b1, double& a2, double& b2, double low, double high) {
        if (a1 < low) {
            if (a2 <= low) return false;
            b1 += (b2 - b1) / (a2 - a1) * (low - a1);
            a1 = low;
        } else if (a1 > high) {
            if (a2 >= high) return false;
            b1 += (b2 - b1) / (a2 - a1) * (high - a1);
            a1 = high;
        }
        if (a2 < low) {
            b2 += (b2 - b1) / (a2 - a1) * (low - a2);
            a2 = low;
        } else if (a2 > high) {
            b2 += (b2 - b1) / (a2 - a1) * (high - a2);
            a2 = high;
        }
        return true;
    };
    if (!cut(x1, y1, x2, y2, -1, w + 1.0) || !cut(y1, x1, y2, x2, -1, h + 1.0)) return;
    int a1 = static_cast<int>(x1 * 64), b1 = static_cast<int>(y1 * 64); // 26.6 fixed point
    int a2 = static_cast<int>(x2 * 64), b2 = static_cast<int>(y2 * 64);
    const bool steep = std::abs(a2 - a1) < std::abs(b2 - b1);
    if (steep) { // step along y
        std::swap(a1, b1);
        std::swap(a2, b2);
    }
    if (a1 == a2) return;
    const bool backwards = a1 > a2;
    if (backwards) {
        std::swap(a1, a2);
        std::swap(b1, b2);
    }
    const int rise = b2 - b1, run = a2 - a1;
    const int slope = std::abs(rise) > 0x7fff
                          ? static_cast<int>((static_cast<long long>(rise) << 16) / run)
                          : (rise << 16) / run; // 16.16
    int first = (a1 + 32) >> 6;
    const int end = (a2 + 32) >> 6;
    if (first == end) return;
    int minor = (b1 << 10) + ((((first << 6) + (slope > 0 ? 32 : 0) - a1)) * slope >> 6);
    // Dots: the pattern one on, two off in 64ths, running from the line's own start.
    constexpr int kPeriod = 192;
    int phase = 32;
    if (backwards) phase = ((224 - 64 * (end - first)) % kPeriod + kPeriod) % kPeriod;
    for (; first < end; ++first, minor += slope) {
        const bool on = !dotted || (backwards ? phase >= 128 : phase < 64);
        phase = (phase + 64) % kPeriod;
        if (!on) continue;
        if (steep)
            plot(minor >> 16, first);
        else
            plot(first, minor >> 16);
    }
}

} // namespace

Canvas::Canvas(int width, int height, int background)
    : Surface(width, height), image_(width, height, QImage::Format_RGB32) {
    clear(background);
}

void Canvas::resize(int width, int height, int background) {
    image_ = QImage(width, height, QImage::Format_RGB32);
    setSize(width, height);
    clear(background);
}

bool Canvas::restore(const QImage& picture) {
    if (picture.size() != image_.size() || picture.format() != image_.format()) return false;
    image_ = picture; // shared until either is drawn on
    touch();
    return true;
}

void Canvas::startWriting() {
    rows_ = reinterpret_cast<QRgb*>(image_.bits());
    stride_ = image_.bytesPerLine() / static_cast<std::ptrdiff_t>(sizeof(QRgb));
    penRgb_ = Rgb(penColor());
    brushRgb_ = Rgb(brushColor());
    touch();
}

void Canvas::clear(int color) {
    image_.fill(Rgb(color));
    touch();
}

void Canvas::begin(QPainter& p) {
    p.begin(&image_);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    switch (penMode()) {
    case PenMode::Copy: break; // every colour is opaque: drawing over is copying
    case PenMode::Xor: p.setCompositionMode(QPainter::RasterOp_SourceXorDestination); break;
    case PenMode::NotXor: p.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination); break;
    }
}

void Canvas::span(int y, int from, int to, QRgb rgb) {
    QRgb* p = row(y);
    switch (penMode()) {
    case PenMode::Copy: std::fill(p + from, p + to + 1, rgb); break;
    case PenMode::Xor:
        for (int x = from; x <= to; ++x)
            p[x] = 0xFF000000u | ((rgb ^ p[x]) & 0xFFFFFFu);
        break;
    case PenMode::NotXor:
        for (int x = from; x <= to; ++x)
            p[x] = 0xFF000000u | (~(rgb ^ p[x]) & 0xFFFFFFu);
        break;
    }
}

void Canvas::plot(int x, int y, QRgb rgb) {
    if (x >= 0 && y >= 0 && x < width() && y < height()) span(y, x, x, rgb);
}

void Canvas::brushSpan(int y, int from, int to) {
    if (brushStyle() == BrushStyle::Solid) {
        span(y, from, to, brushRgb_);
    } else if (brushStyle() == BrushStyle::DiagCross) {
        // The desktop's 8 x 8 diagonal cross hatch.
        for (int x = from; x <= to; ++x)
            if (((x + y) & 7) == 0 || ((x - y) & 7) == 0) span(y, x, x, brushRgb_);
    }
}

void Canvas::fillBox(long long x1, long long y1, long long x2, long long y2) {
    if (brushStyle() == BrushStyle::Clear) return;
    x1 = std::max(x1, 0LL);
    y1 = std::max(y1, 0LL);
    x2 = std::min<long long>(x2, width());
    y2 = std::min<long long>(y2, height());
    if (x1 >= x2 || y1 >= y2) return;
    startWriting();
    for (long long y = y1; y < y2; ++y)
        brushSpan(static_cast<int>(y), static_cast<int>(x1), static_cast<int>(x2) - 1);
}

template <typename Draw> void Canvas::stroke(QPainter& p, Draw draw) {
    QPen pen(ToQColor(penColor()));
    pen.setWidth(penWidth() == 1 ? 0 : penWidth());
    pen.setCapStyle(Qt::FlatCap);
    if (penStyle() == PenStyle::Dot) {
        if (brushStyle() == BrushStyle::Solid) {
            QPen gaps = pen;
            gaps.setColor(ToQColor(brushColor()));
            p.setPen(gaps);
            draw();
        }
        pen.setStyle(Qt::DotLine);
    }
    p.setPen(pen);
    draw();
}

void Canvas::lineTo(int x, int y) {
    const bool leaveOutEnd =
        penWidth() == 1 && image_.rect().contains(x, y) && (x != penX() || y != penY());
    if (penWidth() == 1 && penMode() == PenMode::Copy) {
        startWriting();
        const int w = width(), h = height();
        auto draw = [&](QRgb rgb, bool dotted) {
            RasterLine(penX(), penY(), x, y, w, h, dotted, [&](int px, int py) {
                if (px >= 0 && py >= 0 && px < w && py < h && !(leaveOutEnd && px == x && py == y))
                    row(py)[px] = rgb;
            });
        };
        const bool dotted = penStyle() == PenStyle::Dot;
        if (dotted && brushStyle() == BrushStyle::Solid) draw(brushRgb_, false); // the gaps
        draw(penRgb_, dotted);
    } else {
        touch();
        const QRgb keep = leaveOutEnd ? image_.pixel(x, y) : 0;
        {
            QPainter p;
            begin(p);
            const QLineF line(penX(), penY(), x, y);
            stroke(p, [&] { p.drawLine(line); });
        }
        if (leaveOutEnd) image_.setPixel(x, y, keep);
    }
    moveTo(x, y);
}

void Canvas::rectangle(int x1, int y1, int x2, int y2) {
    HoldBox(x1, y1, x2, y2);
    if (x2 - x1 < 1 || y2 - y1 < 1) return;
    fillBox(x1 + 1, y1 + 1, x2 - 1, y2 - 1);   // the brush fills inside the outline
    const int right = x2 - 1, bottom = y2 - 1; // the outline's last column and row
    if (penWidth() == 1 && penStyle() == PenStyle::Solid && penMode() == PenMode::Copy && x1 >= 0 &&
        y1 >= 0 && right < width() && bottom < height()) {
        // Wholly on the picture: the border of the box, each pixel once (a box of one pixel
        // has no border).
        if (right == x1 && bottom == y1) return;
        startWriting();
        span(y1, x1, right, penRgb_);
        span(bottom, x1, right, penRgb_);
        for (int y = y1 + 1; y < bottom; ++y) {
            row(y)[x1] = penRgb_;
            row(y)[right] = penRgb_;
        }
        return;
    }
    touch();
    QPainter p;
    begin(p);
    p.setBrush(Qt::NoBrush);
    const QRect outline(x1, y1, x2 - x1 - 1, y2 - y1 - 1);
    stroke(p, [&] { p.drawRect(outline); });
}

namespace {

// The pixels of one row of the ellipse inscribed in a box: those whose centres lie inside.
struct EllipseRow {
    long long left = 1, right = 0; // empty
    bool has(long long x) const { return x >= left && x <= right; }
};

struct EllipseBox {
    double w, h, cx, cy;
    int y1, y2;
    EllipseBox(int x1, int top, int x2, int bottom)
        : w(static_cast<double>(x2) - x1), h(static_cast<double>(bottom) - top), cx(x1 + w / 2),
          cy(top + h / 2), y1(top), y2(bottom) {}
    EllipseRow at(long long y) const {
        EllipseRow s;
        if (y < y1 || y >= y2) return s;
        const double dy = (y + 0.5 - cy) / (h / 2);
        const double t = 1 - dy * dy;
        if (t < 0) return s;
        const double half = w / 2 * std::sqrt(t);
        s.left = static_cast<long long>(std::ceil(cx - half - 0.5));
        s.right = static_cast<long long>(std::floor(cx + half - 0.5));
        return s;
    }
};

} // namespace

void Canvas::ellipse(int x1, int y1, int x2, int y2) {
    if (x2 < x1) std::swap(x1, x2);
    if (y2 < y1) std::swap(y1, y2);
    if (penWidth() > 1) {
        qtEllipse(x1, y1, x2, y2);
        return;
    }
    if (penStyle() == PenStyle::Dot) {
        dottedEllipse(x1, y1, x2, y2);
        return;
    }
    // The ellipse inscribed in the box's pixels: a pixel belongs to it when its centre lies
    // inside. The pixels with a neighbour outside (in its row or the rows above and below)
    // are the outline; the rest take the brush.
    const EllipseBox box(x1, y1, x2, y2);
    if (box.w <= 0 || box.h <= 0) return;
    const long long top = std::max<long long>(y1, 0);
    const long long bottom = std::min<long long>(y2, height());
    if (top >= bottom) return;
    startWriting();
    const long long lastColumn = width() - 1;
    auto outline = [&](long long y, long long from, long long to) {
        from = std::max(from, 0LL);
        to = std::min(to, lastColumn);
        if (from <= to)
            span(static_cast<int>(y), static_cast<int>(from), static_cast<int>(to), penRgb_);
    };
    EllipseRow above = box.at(top - 1), here = box.at(top);
    for (long long y = top; y < bottom; ++y) {
        const EllipseRow below = box.at(y + 1);
        if (here.left <= here.right) {
            // Inside: between the row's ends, in the rows above and below as well.
            const long long inFrom = std::max({here.left + 1, above.left, below.left});
            const long long inTo = std::min({here.right - 1, above.right, below.right});
            if (inFrom > inTo) {
                outline(y, here.left, here.right);
            } else {
                outline(y, here.left, inFrom - 1);
                outline(y, inTo + 1, here.right);
                const long long from = std::max(inFrom, 0LL), to = std::min(inTo, lastColumn);
                if (from <= to && brushStyle() != BrushStyle::Clear)
                    brushSpan(static_cast<int>(y), static_cast<int>(from), static_cast<int>(to));
            }
        }
        above = here;
        here = below;
    }
}

void Canvas::dottedEllipse(int x1, int y1, int x2, int y2) {
    const EllipseBox box(x1, y1, x2, y2);
    if (box.w <= 0 || box.h <= 0) return;
    struct Dot {
        double angle;
        int x, y;
    };
    // Kept between calls: its room is reused.
    static thread_local std::vector<Dot> outline;
    outline.clear();
    startWriting();
    const long long top = std::max<long long>(y1, 0);
    const long long bottom = std::min<long long>(y2, height());
    for (long long y = top; y < bottom; ++y) {
        const EllipseRow row = box.at(y), above = box.at(y - 1), below = box.at(y + 1);
        const long long from = std::max(row.left, -1LL);
        const long long to = std::min<long long>(row.right, width());
        for (long long x = from; x <= to; ++x) {
            const int px = static_cast<int>(x), py = static_cast<int>(y);
            if (x == row.left || x == row.right || !above.has(x) || !below.has(x)) {
                const double ax = (x + 0.5 - box.cx) / (box.w / 2),
                             ay = (y + 0.5 - box.cy) / (box.h / 2);
                outline.push_back({std::atan2(ay, ax), px, py});
            } else if (px >= 0 && px < width()) {
                brushSpan(py, px, px);
            }
        }
    }
    // One pixel in three along the curve, in the order of their angles.
    std::sort(outline.begin(), outline.end(),
              [](const Dot& a, const Dot& b) { return a.angle < b.angle; });
    for (std::size_t i = 0; i < outline.size(); ++i) {
        if (i % 3 == 0)
            plot(outline[i].x, outline[i].y, penRgb_);
        else if (brushStyle() == BrushStyle::Solid)
            plot(outline[i].x, outline[i].y, brushRgb_);
    }
}

void Canvas::qtEllipse(int x1, int y1, int x2, int y2) {
    // Sizes as reals: no pair of coordinates can overflow.
    const double w = static_cast<double>(x2) - x1 - 1;
    const double h = static_cast<double>(y2) - y1 - 1;
    if (w < 0 || h < 0) return;
    touch();
    QPainter p;
    begin(p);
    if (brushStyle() == BrushStyle::Solid)
        p.setBrush(QBrush(ToQColor(brushColor())));
    else if (brushStyle() == BrushStyle::DiagCross)
        p.setBrush(QBrush(ToQColor(brushColor()), Qt::DiagCrossPattern));
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

struct Canvas::TextPicture {
    std::vector<QPoint> pixels; // lit by the text drawn with its top-left at (0, 0)
    int advance = 0, height = 0;
    bool direct = false; // not kept (too large, or not in single colours): drawn each time
};

struct Canvas::TextPictures {
    QHash<QString, TextPicture> byKey;
};

const Canvas::TextPicture& Canvas::textPicture(const QString& text) const {
    if (!textPictures_) textPictures_ = std::make_shared<TextPictures>();
    const QFont f = font();
    const QString key = f.key() + QChar(0) + text;
    QHash<QString, TextPicture>& pictures = textPictures_->byKey;
    if (const auto found = pictures.constFind(key); found != pictures.constEnd()) return *found;
    if (pictures.size() >= 4096) pictures.clear();

    // Drawn once in white on black; its pixels are kept. Unsmoothed text lights whole pixels,
    // the same wherever it is drawn.
    TextPicture picture;
    const QFontMetrics fm(f);
    picture.advance = fm.horizontalAdvance(text);
    picture.height = fm.height();
    for (long long pad = f.pixelSize() + 4;; pad *= 2) {
        const long long w = picture.advance + 2 * pad, h = picture.height + 2 * pad;
        if (w * h > 4'000'000) {
            picture.pixels.clear();
            picture.direct = true;
            break;
        }
        QImage scratch(static_cast<int>(w), static_cast<int>(h), QImage::Format_RGB32);
        scratch.fill(0xFF000000u);
        {
            QPainter p(&scratch);
            p.setRenderHint(QPainter::TextAntialiasing, false);
            p.setFont(f);
            p.setPen(Qt::white);
            p.drawText(QPointF(static_cast<double>(pad), static_cast<double>(pad + fm.ascent())),
                       text);
        }
        picture.pixels.clear();
        bool atEdge = false;
        for (int y = 0; y < scratch.height() && !picture.direct; ++y) {
            const QRgb* line = reinterpret_cast<const QRgb*>(scratch.constScanLine(y));
            for (int x = 0; x < scratch.width(); ++x) {
                const QRgb c = line[x] & 0xFFFFFFu;
                if (c == 0) continue;
                if (c != 0xFFFFFFu) {
                    picture.direct = true; // a blended pixel: draw it where it goes
                    break;
                }
                atEdge = atEdge || x == 0 || y == 0 || x == w - 1 || y == h - 1;
                picture.pixels.emplace_back(x - static_cast<int>(pad), y - static_cast<int>(pad));
            }
        }
        if (picture.direct) picture.pixels.clear();
        if (!atEdge || picture.direct) break;
    }
    return *pictures.insert(key, std::move(picture));
}

void Canvas::textOut(int x, int y, const QString& text) {
    const TextPicture& picture = textPicture(text);
    const int advance = picture.advance;
    if (picture.direct) {
        touch();
        QPainter p;
        p.begin(&image_);
        p.setRenderHint(QPainter::TextAntialiasing, false);
        const QFont f = font();
        p.setFont(f);
        const QFontMetrics fm(f);
        if (brushStyle() == BrushStyle::Solid)
            p.fillRect(QRect(x, y, advance, fm.height()), ToQColor(brushColor()));
        p.setPen(ToQColor(fontColor()));
        p.drawText(QPointF(x, static_cast<double>(y) + fm.ascent()), text);
    } else {
        startWriting();
        if (brushStyle() == BrushStyle::Solid) {
            // The background, whatever the pen mode.
            const long long left = std::max<long long>(x, 0);
            const long long right =
                std::min<long long>(static_cast<long long>(x) + advance, width());
            const long long top = std::max<long long>(y, 0);
            const long long bottom =
                std::min<long long>(static_cast<long long>(y) + picture.height, height());
            for (long long r = top; r < bottom && left < right; ++r)
                std::fill(row(static_cast<int>(r)) + left, row(static_cast<int>(r)) + right,
                          brushRgb_);
        }
        const QRgb ink = Rgb(fontColor());
        for (const QPoint& p : picture.pixels) {
            const long long px = static_cast<long long>(x) + p.x(),
                            py = static_cast<long long>(y) + p.y();
            if (px >= 0 && py >= 0 && px < width() && py < height())
                row(static_cast<int>(py))[px] = ink;
        }
    }
    moveTo(static_cast<int>(
               std::clamp<long long>(static_cast<long long>(x) + advance, INT_MIN, INT_MAX)),
           y);
}

int Canvas::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width() || y >= height()) return -1;
    const QRgb p = reinterpret_cast<const QRgb*>(image_.constScanLine(y))[x];
    return static_cast<int>(((p >> 16) & 0xFF) | (p & 0xFF00) | ((p & 0xFF) << 16));
}

void Canvas::setPixel(int x, int y, int color) {
    if (x < 0 || y < 0 || x >= width() || y >= height()) return;
    startWriting();
    row(y)[x] = Rgb(color);
}

void Canvas::setPixels(const QPoint* points, std::size_t count, int color) {
    startWriting();
    const QRgb rgb = Rgb(color);
    const unsigned w = static_cast<unsigned>(width()), h = static_cast<unsigned>(height());
    for (std::size_t i = 0; i < count; ++i) {
        const QPoint& p = points[i];
        if (static_cast<unsigned>(p.x()) < w && static_cast<unsigned>(p.y()) < h)
            row(p.y())[p.x()] = rgb;
    }
}

void Canvas::stretchDraw(int x1, int y1, int x2, int y2, const QImage& picture) {
    if (picture.isNull()) return;
    touch();
    QPainter p;
    p.begin(&image_);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawImage(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)), picture);
}

} // namespace pelcor
