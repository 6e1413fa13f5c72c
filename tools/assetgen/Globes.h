#pragma once

// Shaded pictures of the Sun, the Moon and the planets, drawn pixel by pixel as lit spheres
// with seeded surface patterns.

#include <QImage>
#include <QPainter>
#include <QPointF>

namespace pelcor::assetgen {

enum class Body { Sun, Mercury, Venus, Earth, Moon, Mars, Jupiter, Saturn, Uranus, Neptune, Pluto };

struct GlobeView {
    // Degrees the body has turned eastwards about its axis; more turn moves the surface right.
    double turn = 0;
    // Degrees the viewer looks down onto the north pole (0: the equator runs straight across).
    double tilt = 0;
};

// A `size` x `size` picture of the body's disc, transparent outside the disc and blended at
// its edge. The Sun glows by itself; the other bodies are lit from the upper left.
QImage DrawGlobe(Body body, int size, const GlobeView& view = {});

// Draws the body's disc of `radius` pixels centred at `centre`.
void PlaceGlobe(QPainter& p, Body body, QPointF centre, double radius, const GlobeView& view = {});

} // namespace pelcor::assetgen
