#include "Sketch.h"

#include <QFontMetricsF>
#include <QPolygonF>

#include <cmath>

namespace pelcor::assetgen {

QFont SansFont(int pixelSize, bool bold, bool italic) {
    QFont font("Liberation Sans");
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QPen Stroke(const QColor& color, double width) {
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QPen Dashed(const QColor& color, double width) {
    QPen pen(color, width, Qt::DashLine, Qt::FlatCap, Qt::RoundJoin);
    pen.setDashPattern({4, 3});
    return pen;
}

void ArrowHead(QPainter& p, QPointF tip, QPointF direction, double length, double halfWidth,
               const QColor& color) {
    const double norm = std::hypot(direction.x(), direction.y());
    const QPointF along = direction / norm;
    const QPointF across(-along.y(), along.x());
    const QPointF base = tip - along * length;
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPolygon(QPolygonF{tip, base + across * halfWidth, base - across * halfWidth});
    p.restore();
}

namespace {

double HeadLength(double width) {
    return 6 + 2.5 * width;
}

// The point `by` pixels back from `to` towards `from`.
QPointF Back(QPointF from, QPointF to, double by) {
    const QPointF d = to - from;
    const double norm = std::hypot(d.x(), d.y());
    return norm > by ? to - d / norm * by : from;
}

} // namespace

void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& color, double width) {
    const double head = HeadLength(width);
    p.save();
    p.setPen(QPen(color, width, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(from, Back(from, to, head * 0.8));
    p.restore();
    ArrowHead(p, to, to - from, head, head * 0.45, color);
}

void DoubleArrow(QPainter& p, QPointF from, QPointF to, const QColor& color, double width) {
    const double head = HeadLength(width);
    p.save();
    p.setPen(QPen(color, width, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(Back(to, from, head * 0.8), Back(from, to, head * 0.8));
    p.restore();
    ArrowHead(p, to, to - from, head, head * 0.45, color);
    ArrowHead(p, from, from - to, head, head * 0.45, color);
}

void CentredText(QPainter& p, QPointF centre, const QString& text, const QFont& font,
                 const QColor& color) {
    TurnedText(p, centre, 0, text, font, color);
}

void TurnedText(QPainter& p, QPointF centre, double degrees, const QString& text, const QFont& font,
                const QColor& color) {
    p.save();
    p.translate(centre);
    p.rotate(degrees);
    p.setFont(font);
    p.setPen(color);
    const QFontMetricsF metrics(font);
    const double width = metrics.horizontalAdvance(text);
    p.drawText(QRectF(-width / 2 - 2, -metrics.height() / 2, width + 4, metrics.height()),
               Qt::AlignCenter, text);
    p.restore();
}

QImage BlankPicture(int width, int height, const QColor& fill) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

void SmoothPainter(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

Drawing::Drawing(int width, int height, const QColor& fill)
    : image(BlankPicture(width, height, fill)) {
    p.begin(&image);
    SmoothPainter(p);
}

QImage Drawing::Finish() {
    p.end();
    return image;
}

std::uint64_t Random::Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

double Random::Unit() {
    return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0);
}

namespace {

// The seeded value at one lattice corner, 0..1.
double Lattice(int x, int y, int z, std::uint32_t seed) {
    std::uint32_t h = seed * 0x27D4EB2DU;
    h ^= static_cast<std::uint32_t>(x) * 0x85EBCA6BU;
    h = (h ^ (h >> 15)) * 0x2C1B3C6DU;
    h ^= static_cast<std::uint32_t>(y) * 0xC2B2AE35U;
    h = (h ^ (h >> 13)) * 0x297A2D39U;
    h ^= static_cast<std::uint32_t>(z) * 0x165667B1U;
    h = (h ^ (h >> 16)) * 0x85EBCA6BU;
    h ^= h >> 13;
    return (h & 0xFFFFFF) / 16777215.0;
}

double Ease(double t) {
    return t * t * (3 - 2 * t);
}

double Mix(double a, double b, double t) {
    return a + (b - a) * t;
}

} // namespace

double Noise(double x, double y, double z, std::uint32_t seed) {
    const double fx = std::floor(x), fy = std::floor(y), fz = std::floor(z);
    const int ix = static_cast<int>(fx), iy = static_cast<int>(fy), iz = static_cast<int>(fz);
    const double tx = Ease(x - fx), ty = Ease(y - fy), tz = Ease(z - fz);
    double plane[2];
    for (int dz = 0; dz < 2; ++dz) {
        const double bottom =
            Mix(Lattice(ix, iy, iz + dz, seed), Lattice(ix + 1, iy, iz + dz, seed), tx);
        const double top =
            Mix(Lattice(ix, iy + 1, iz + dz, seed), Lattice(ix + 1, iy + 1, iz + dz, seed), tx);
        plane[dz] = Mix(bottom, top, ty);
    }
    return Mix(plane[0], plane[1], tz);
}

double Fractal(double x, double y, double z, std::uint32_t seed, int octaves) {
    double sum = 0, weight = 0.5, total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += weight * Noise(x, y, z, seed + static_cast<std::uint32_t>(i) * 101U);
        total += weight;
        x *= 2.03;
        y *= 2.03;
        z *= 2.03;
        weight *= 0.5;
    }
    return sum / total;
}

} // namespace pelcor::assetgen
