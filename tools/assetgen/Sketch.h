#pragma once

// Small drawing helpers shared by the generated pictures: fonts, pens, arrows, dimension lines
// and a seeded random source, so that every build draws the same pixels.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <cstdint>

namespace pelcor::assetgen {

QFont SansFont(int pixelSize, bool bold = false, bool italic = false);
QPen Stroke(const QColor& color, double width);
QPen Dashed(const QColor& color, double width);

// A filled arrow head whose point is at `tip`, pointing along `direction`.
void ArrowHead(QPainter& p, QPointF tip, QPointF direction, double length, double halfWidth,
               const QColor& color);
// A straight arrow from `from` to `to`, its head at `to`.
void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& color, double width);
// A measured distance: a line with heads at both ends.
void DoubleArrow(QPainter& p, QPointF from, QPointF to, const QColor& color, double width);

// Text centred on `centre`.
void CentredText(QPainter& p, QPointF centre, const QString& text, const QFont& font,
                 const QColor& color);
// Text centred on `centre` and turned by `degrees` (clockwise on screen), for labels along
// slanted lines.
void TurnedText(QPainter& p, QPointF centre, double degrees, const QString& text, const QFont& font,
                const QColor& color);

// A picture of the given size filled with one colour, and a painter on it with smooth edges.
QImage BlankPicture(int width, int height, const QColor& fill);
void SmoothPainter(QPainter& p);

// A picture being drawn: the image, filled with one colour, and a smooth painter on it.
struct Drawing {
    Drawing(int width, int height, const QColor& fill);
    // Ends the painting and hands over the picture.
    QImage Finish();

    QImage image;
    QPainter p;
};

// A small deterministic random source (splitmix64): the same seed gives the same pictures on
// every machine.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next();
    // Uniform in [0, 1).
    double Unit();
    // Uniform in [from, to).
    double Between(double from, double to) { return from + (to - from) * Unit(); }

private:
    std::uint64_t state_;
};

// Smooth value noise on 3-D points, about 0..1, from a fixed lattice of seeded values.
double Noise(double x, double y, double z, std::uint32_t seed);
// Several octaves of Noise, each at twice the frequency and half the weight; about 0..1.
double Fractal(double x, double y, double z, std::uint32_t seed, int octaves);

} // namespace pelcor::assetgen
