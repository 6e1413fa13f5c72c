#include "Globes.h"

#include "Sketch.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <numbers>
#include <tuple>
#include <vector>

namespace pelcor::assetgen {

namespace {

constexpr double kDegree = std::numbers::pi / 180;

struct Rgb {
    double r, g, b;
};

Rgb Blend(const Rgb& a, const Rgb& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb Scale(const Rgb& c, double k) {
    return {c.r * k, c.g * k, c.b * k};
}

double Smooth(double from, double to, double x) {
    const double t = std::clamp((x - from) / (to - from), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// A point on the body's surface: position on the unit sphere in the body's own turning frame
// and its latitude and longitude in degrees.
struct Spot {
    double x, y, z;
    double lat, lon;
};

Rgb EarthSurface(const Spot& s) {
    const double land = Fractal(s.x * 1.7, s.y * 1.7, s.z * 1.7, 11, 5);
    const double absLat = std::abs(s.lat);
    Rgb c;
    if (land > 0.53) {
        const double dry =
            Fractal(s.x * 3, s.y * 3, s.z * 3, 23, 3) + 0.25 * (1 - std::abs(absLat - 24) / 24);
        c = Blend({52, 112, 46}, {168, 138, 86}, Smooth(0.5, 0.75, dry));
    } else {
        c = Blend({16, 44, 120}, {36, 92, 170}, Smooth(0.44, 0.53, land));
    }
    if (absLat > 78 || (absLat > 70 && land > 0.5)) c = {236, 240, 246};
    const double cloud = Fractal(s.x * 3.1 + 7, s.y * 3.1, s.z * 3.1, 37, 5);
    return Blend(c, {250, 250, 252}, 0.9 * Smooth(0.58, 0.74, cloud));
}

Rgb VenusSurface(const Spot& s) {
    const double haze = Fractal(s.x * 2, s.y * 5, s.z * 2, 51, 4);
    return Blend({212, 184, 118}, {246, 234, 196}, Smooth(0.3, 0.7, haze));
}

Rgb MarsSurface(const Spot& s) {
    const double dark = Fractal(s.x * 2.4, s.y * 2.4, s.z * 2.4, 61, 5);
    Rgb c = Blend({214, 122, 72}, {186, 82, 44}, Smooth(0.3, 0.55, dark));
    c = Blend(c, {118, 58, 38}, 0.75 * Smooth(0.52, 0.72, dark));
    if (s.lat > 76 || s.lat < -80) c = {240, 236, 230};
    return c;
}

struct Crater {
    double x, y, z; // centre on the unit sphere
    double size;    // angular radius in radians
};

// Seeded craters spread over the sphere, many small and a few large.
std::vector<Crater> Craters(std::uint64_t seed, int count) {
    std::vector<Crater> craters;
    Random random(seed);
    for (int i = 0; i < count; ++i) {
        const double z = random.Between(-1, 1), angle = random.Between(0, 2 * std::numbers::pi);
        const double ring = std::sqrt(1 - z * z);
        craters.push_back({ring * std::cos(angle), ring * std::sin(angle), z,
                           0.03 + 0.12 * std::pow(random.Unit(), 3)});
    }
    return craters;
}

// Brightness from the craters at a spot: darker floors and lighter rims.
double CraterShade(const Spot& s, const std::vector<Crater>& craters) {
    double shade = 1;
    for (const Crater& crater : craters) {
        const double cosine = s.x * crater.x + s.y * crater.y + s.z * crater.z;
        if (cosine < 0.98) continue; // farther than about 0.2 radians
        const double d = std::acos(std::min(1.0, cosine)) / crater.size;
        if (d < 0.85)
            shade *= 0.88 + 0.08 * d;
        else if (d < 1.15)
            shade *= 1.06;
    }
    return shade;
}

Rgb CrateredSurface(const Spot& s, const Rgb& light, const Rgb& dark, std::uint32_t seed,
                    double patchScale, const std::vector<Crater>& craters) {
    const double patch = Fractal(s.x * patchScale, s.y * patchScale, s.z * patchScale, seed, 5);
    const double grain = Fractal(s.x * 9, s.y * 9, s.z * 9, seed + 7, 4);
    const Rgb c = Blend(light, dark, Smooth(0.48, 0.64, patch));
    return Scale(c, (0.86 + 0.28 * grain) * CraterShade(s, craters));
}

// Bands of a gas planet, from the south pole to the north pole: the latitude at which each
// colour starts.
struct Band {
    double from;
    Rgb colour;
};

Rgb Banded(const Band* bands, int count, double lat) {
    for (int i = count - 1; i > 0; --i) {
        if (lat >= bands[i].from - 1.5)
            return Blend(bands[i - 1].colour, bands[i].colour,
                         Smooth(bands[i].from - 1.5, bands[i].from + 1.5, lat));
    }
    return bands[0].colour;
}

Rgb JupiterSurface(const Spot& s) {
    static constexpr std::array<Band, 11> kBands{{
        {-90, {160, 140, 120}},
        {-55, {210, 190, 160}},
        {-40, {178, 128, 92}},
        {-30, {236, 222, 198}},
        {-16, {182, 120, 80}},
        {-7, {242, 230, 206}},
        {7, {168, 110, 74}},
        {18, {232, 214, 184}},
        {28, {186, 140, 100}},
        {38, {216, 196, 166}},
        {55, {160, 140, 120}},
    }};
    const double swirl = Fractal(s.x * 5, s.y * 12, s.z * 5, 91, 5) - 0.5;
    const double lat = s.lat + 7 * swirl;
    Rgb c = Banded(kBands.data(), static_cast<int>(kBands.size()), lat);
    c = Scale(c, 0.9 + 0.2 * Fractal(s.x * 16, s.y * 44, s.z * 16, 97, 3));
    // The great spot sits in the light zone south of the equator, at longitude 0.
    double dLon = std::remainder(s.lon, 360.0) * std::cos(s.lat * kDegree);
    const double d = std::hypot(dLon / 16, (s.lat + 23) / 8);
    c = Blend(c, {238, 214, 190}, Smooth(1.35, 1.0, d) * 0.8);
    c = Blend(c, {198, 92, 58}, Smooth(1.0, 0.7, d));
    c = Blend(c, {176, 70, 44}, Smooth(0.5, 0.1, d));
    // Smaller storms at other longitudes: white ovals in the south, a dark one in the north.
    struct Storm {
        double lat, lon, halfLon, halfLat;
        Rgb colour;
    };
    static constexpr std::array<Storm, 4> kStorms{{
        {-36, 120, 5, 3, {248, 244, 234}},
        {-36, 200, 5, 3, {248, 244, 234}},
        {-36, 280, 4, 2.5, {248, 244, 234}},
        {20, 250, 7, 2.5, {120, 70, 48}},
    }};
    for (const Storm& storm : kStorms) {
        const double dx = std::remainder(s.lon - storm.lon, 360.0) * std::cos(s.lat * kDegree);
        c = Blend(
            c, storm.colour,
            Smooth(1.0, 0.6, std::hypot(dx / storm.halfLon, (s.lat - storm.lat) / storm.halfLat)));
    }
    return c;
}

Rgb SaturnSurface(const Spot& s) {
    static constexpr std::array<Band, 7> kBands{{
        {-90, {176, 156, 118}},
        {-50, {214, 190, 140}},
        {-25, {226, 204, 150}},
        {-10, {238, 222, 176}},
        {10, {222, 198, 146}},
        {25, {204, 178, 126}},
        {50, {180, 160, 120}},
    }};
    const double lat = s.lat + 3 * (Fractal(s.x * 3, s.y * 8, s.z * 3, 101, 3) - 0.5);
    return Banded(kBands.data(), static_cast<int>(kBands.size()), lat);
}

Rgb UranusSurface(const Spot& s) {
    const double band = Fractal(s.x * 1.5, s.y * 6, s.z * 1.5, 111, 3);
    return Blend({160, 218, 226}, {190, 236, 238}, band);
}

Rgb NeptuneSurface(const Spot& s) {
    const double band = Fractal(s.x * 2, s.y * 7, s.z * 2, 121, 4);
    Rgb c = Blend({48, 86, 196}, {84, 128, 226}, band);
    const double dLon = std::remainder(s.lon - 40, 360.0) * std::cos(s.lat * kDegree);
    c = Blend(c, {28, 46, 132}, Smooth(1.0, 0.6, std::hypot(dLon / 14, (s.lat + 20) / 7)));
    const double streak = Fractal(s.x * 3, s.y * 16, s.z * 3, 127, 3);
    return Blend(c, {236, 244, 255}, 0.7 * Smooth(0.74, 0.84, streak));
}

Rgb PlutoSurface(const Spot& s) {
    const double patch = Fractal(s.x * 2, s.y * 2, s.z * 2, 131, 4);
    Rgb c = Blend({120, 80, 60}, {196, 164, 132}, Smooth(0.38, 0.5, patch));
    return Blend(c, {238, 226, 208}, Smooth(0.58, 0.66, patch));
}

Rgb SunSurface(const Spot& s, double facing) {
    const double grain = Fractal(s.x * 14, s.y * 14, s.z * 14, 141, 3);
    const Rgb centre{255, 228, 120}, edge{232, 112, 24};
    const Rgb c = Blend(edge, centre, std::pow(facing, 0.6));
    return Scale(c, 0.94 + 0.1 * grain);
}

Rgb Surface(Body body, const Spot& s) {
    switch (body) {
    case Body::Mercury: {
        static const std::vector<Crater> craters = Craters(72, 160);
        return CrateredSurface(s, {168, 160, 152}, {120, 114, 108}, 71, 3, craters);
    }
    case Body::Venus: return VenusSurface(s);
    case Body::Earth: return EarthSurface(s);
    case Body::Moon: {
        static const std::vector<Crater> craters = Craters(82, 120);
        return CrateredSurface(s, {186, 186, 180}, {104, 104, 110}, 81, 1.6, craters);
    }
    case Body::Mars: return MarsSurface(s);
    case Body::Jupiter: return JupiterSurface(s);
    case Body::Saturn: return SaturnSurface(s);
    case Body::Uranus: return UranusSurface(s);
    case Body::Neptune: return NeptuneSurface(s);
    case Body::Pluto: return PlutoSurface(s);
    case Body::Sun: break;
    }
    return {255, 255, 255};
}

// How much darker the edge of the disc looks through a thick atmosphere.
double LimbDarkening(Body body) {
    switch (body) {
    case Body::Venus:
    case Body::Jupiter:
    case Body::Saturn:
    case Body::Uranus:
    case Body::Neptune: return 0.35;
    default: return 0;
    }
}

} // namespace

QImage DrawGlobe(Body body, int size, const GlobeView& view) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const double radius = size / 2.0;
    const double cosTilt = std::cos(view.tilt * kDegree), sinTilt = std::sin(view.tilt * kDegree);
    // Light from the upper left, somewhat in front.
    const double lx = -0.55, ly = 0.45, lz = 0.70;
    const double ln = std::sqrt(lx * lx + ly * ly + lz * lz);

    for (int row = 0; row < size; ++row) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
        for (int column = 0; column < size; ++column) {
            const double vx = (column + 0.5 - radius) / radius;
            const double vy = (radius - row - 0.5) / radius; // up
            const double dist = std::hypot(vx, vy);
            const double coverage = std::clamp((1 - dist) * radius + 0.5, 0.0, 1.0);
            if (coverage <= 0) continue;
            const double vz = std::sqrt(std::max(0.0, 1 - std::min(1.0, dist * dist)));

            // From the viewer's frame to the body's: undo the tilt, then the turn.
            const double bx = vx;
            const double by = vy * cosTilt + vz * sinTilt;
            const double bz = -vy * sinTilt + vz * cosTilt;
            const double lat = std::asin(std::clamp(by, -1.0, 1.0)) / kDegree;
            const double lon = std::atan2(bx, bz) / kDegree - view.turn;
            const double cosLat = std::cos(lat * kDegree);
            const Spot spot{cosLat * std::sin(lon * kDegree), by, cosLat * std::cos(lon * kDegree),
                            lat, lon};

            Rgb c;
            if (body == Body::Sun) {
                c = SunSurface(spot, vz);
            } else {
                const double lit = std::max(0.0, (vx * lx + vy * ly + vz * lz) / ln);
                const double limb = 1 - LimbDarkening(body) * (1 - vz);
                c = Scale(Surface(body, spot), (0.07 + 0.93 * std::pow(lit, 0.85)) * limb);
                if (body == Body::Earth)
                    c = Blend(c, {110, 160, 255}, 0.55 * std::pow(1 - vz, 2.5) * (0.3 + lit));
                if (body == Body::Venus) c = Blend(c, {250, 240, 214}, 0.4 * std::pow(1 - vz, 2));
            }
            const auto channel = [coverage](double v) {
                return static_cast<int>(std::clamp(v, 0.0, 255.0) * coverage + 0.5);
            };
            line[column] = qRgba(channel(c.r), channel(c.g), channel(c.b),
                                 static_cast<int>(255 * coverage + 0.5));
        }
    }
    return image;
}

void PlaceGlobe(QPainter& p, Body body, QPointF centre, double radius, const GlobeView& view) {
    const int size = std::max(2, static_cast<int>(std::ceil(2 * radius)));
    // Several pictures show the same globe; draw each one once.
    static std::map<std::tuple<Body, int, double, double>, QImage> drawn;
    const auto key = std::tuple{body, size, view.turn, view.tilt};
    auto found = drawn.find(key);
    if (found == drawn.end()) found = drawn.emplace(key, DrawGlobe(body, size, view)).first;
    p.drawImage(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius),
                found->second);
}

} // namespace pelcor::assetgen
