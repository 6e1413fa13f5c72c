#include "ConstantPictures.h"

#include "Globes.h"
#include "Sketch.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <numbers>
#include <tuple>

namespace pelcor::assetgen {

namespace {

constexpr int kSize = kConstantPictureSize;
constexpr double kPi = std::numbers::pi;
constexpr double kDegree = kPi / 180;

const QColor kTitle(255, 255, 255);
const QColor kGold(255, 208, 80);
const QColor kNote(176, 204, 255);
const QColor kOrbit(150, 160, 190);
const QColor kShadow(0, 0, 0, 200);

// The deep night sky behind every constants picture, with faint seeded stars.
void NightSky(QPainter& p, std::uint64_t seed) {
    QLinearGradient sky(0, 0, 0, kSize);
    sky.setColorAt(0, QColor(4, 8, 30));
    sky.setColorAt(1, QColor(12, 22, 56));
    p.fillRect(0, 0, kSize, kSize, sky);
    Random random(seed);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 150; ++i) {
        const QPointF at(random.Between(0, kSize), random.Between(0, kSize));
        const int level = 70 + static_cast<int>(150 * std::pow(random.Unit(), 2.5));
        p.setBrush(QColor(level, level, std::min(255, level + 20)));
        p.drawEllipse(at, 0.7, 0.7);
    }
}

// Text with a dark rim, readable over planets as well as the sky. The rim is the text itself
// drawn dark a little off in every direction.
void HaloText(QPainter& p, QPointF centre, const QString& text, const QFont& font,
              const QColor& colour) {
    constexpr int kDirections = 12;
    for (int i = 0; i < kDirections; ++i) {
        const double angle = 2 * kPi * i / kDirections;
        CentredText(p, centre + QPointF(std::cos(angle), std::sin(angle)) * 1.6, text, font,
                    QColor(0, 0, 0, 110));
    }
    CentredText(p, centre, text, font, colour);
}

void Title(QPainter& p, const QString& title) {
    HaloText(p, {kSize / 2.0, 22}, title, SansFont(20, true), kTitle);
}

// A constants picture in the making: the night sky, and the title when there is one.
struct Poster : Drawing {
    explicit Poster(std::uint64_t seed, const QString& title = {})
        : Drawing(kSize, kSize, Qt::black) {
        NightSky(p, seed);
        if (!title.isEmpty()) Title(p, title);
    }
};

// The value and a short explanation in a framed box along the bottom.
void ValueBox(QPainter& p, const QString& value, const QString& note) {
    const QRectF box(14, 268, kSize - 28, 42);
    p.save();
    p.setPen(QPen(QColor(255, 208, 80, 150), 1.2));
    p.setBrush(QColor(0, 0, 0, 110));
    p.drawRoundedRect(box, 6, 6);
    p.restore();
    CentredText(p, {box.center().x(), box.top() + 14}, value, SansFont(17, true), kGold);
    CentredText(p, {box.center().x(), box.top() + 32}, note, SansFont(11), kNote);
}

// An arrow with a dark rim, so it stands out over a planet.
void BoldArrow(QPainter& p, QPointF from, QPointF to, const QColor& colour) {
    Arrow(p, from, to, kShadow, 5.5);
    Arrow(p, from, to, colour, 3);
}

void Dot(QPainter& p, QPointF at, double radius, const QColor& colour) {
    p.save();
    p.setPen(QPen(kShadow, 1.5));
    p.setBrush(colour);
    p.drawEllipse(at, radius, radius);
    p.restore();
}

// "6.9599 × 10⁸" style powers of ten.
QString Superscript(int exponent) {
    static const char16_t kDigits[] =
        u"\u2070\u00B9\u00B2\u00B3\u2074\u2075\u2076\u2077\u2078\u2079";
    QString out;
    if (exponent < 0) out += QChar(0x207B);
    const QString digits = QString::number(std::abs(exponent));
    for (QChar d : digits)
        out += QChar(kDigits[d.digitValue()]);
    return out;
}

QString PowerOfTen(double mantissa, int exponent) {
    return QString::number(mantissa, 'g', 5) + QString::fromUtf8(" \u00D7 10") +
           Superscript(exponent);
}

// A number with thousands separators and at most `decimals` places, trailing zeros dropped.
QString Grouped(double value, int decimals) {
    QString text = QString::number(value, 'f', decimals);
    if (text.contains('.')) {
        while (text.endsWith('0'))
            text.chop(1);
        if (text.endsWith('.')) text.chop(1);
    }
    const qsizetype point = text.contains('.') ? text.indexOf('.') : text.size();
    for (qsizetype at = point - 3; at > 0; at -= 3)
        text.insert(at, ',');
    return text;
}

// ---- the Earth: radii, spin and circumference ----

constexpr QPointF kEarthCentre(160, 155);
constexpr double kEarthRadius = 100;
constexpr double kEarthTilt = 20;
const GlobeView kEarthView{.turn = 30, .tilt = kEarthTilt};

// The near half of the equator as the tilted view shows it.
void EquatorFront(QPainter& p, QPointF centre, double radius, const QPen& pen) {
    const double half = radius * std::sin(kEarthTilt * kDegree);
    p.save();
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(centre.x() - radius, centre.y() - half, 2 * radius, 2 * half), 180 * 16,
              180 * 16);
    p.restore();
}

QPointF NorthPole(QPointF centre, double radius) {
    return centre - QPointF(0, radius * std::cos(kEarthTilt * kDegree));
}

void EarthWithAxis(QPainter& p) {
    PlaceGlobe(p, Body::Earth, kEarthCentre, kEarthRadius, kEarthView);
    const QPointF pole = NorthPole(kEarthCentre, kEarthRadius);
    p.setPen(Dashed(QColor(255, 255, 255, 200), 1.5));
    p.drawLine(pole, QPointF(pole.x(), 42));
    HaloText(p, pole + QPointF(-15, -1), "N", SansFont(13, true), kTitle);
}

QImage EarthRadiusPicture(ConstantPicture which) {
    Poster poster(10 + static_cast<int>(which));
    QPainter& p = poster.p;
    EarthWithAxis(p);
    EquatorFront(p, kEarthCentre, kEarthRadius, Stroke(QColor(255, 255, 255, 170), 1.5));
    const QPointF pole = NorthPole(kEarthCentre, kEarthRadius);
    const QPointF equator = kEarthCentre + QPointF(kEarthRadius, 0);
    const QFont label = SansFont(14, true);

    switch (which) {
    case ConstantPicture::EarthPolarRadius:
        Title(p, "Earth's polar radius");
        BoldArrow(p, kEarthCentre, pole, kGold);
        HaloText(p, {214, 112}, "polar radius", label, kGold);
        ValueBox(p, "6,356.8 km", "6,356,800 m from the centre to a pole");
        break;
    case ConstantPicture::EarthEquatorialRadius:
        Title(p, "Earth's equatorial radius");
        BoldArrow(p, kEarthCentre, equator, kGold);
        HaloText(p, {206, 138}, "equatorial radius", label, kGold);
        HaloText(p, {98, 202}, "equator", SansFont(12), kTitle);
        ValueBox(p, "6,378.1 km", "6,378,100 m from the centre to the equator");
        break;
    default: {
        Title(p, "Earth's average radius");
        const QColor thin(170, 210, 255);
        Arrow(p, kEarthCentre, pole, thin, 1.8);
        Arrow(p, kEarthCentre, equator, thin, 1.8);
        const QPointF slant =
            kEarthCentre + QPointF(std::cos(45 * kDegree), -std::sin(45 * kDegree)) * kEarthRadius;
        BoldArrow(p, kEarthCentre, slant, kGold);
        HaloText(p, {134, 100}, "polar", SansFont(12), thin);
        HaloText(p, {226, 168}, "equatorial", SansFont(12), thin);
        HaloText(p, {226, 104}, "average", label, kGold);
        ValueBox(p, "polar < average < equatorial", "one radius for the Earth taken as a ball");
        break;
    }
    }
    Dot(p, kEarthCentre, 3.5, kGold);
    return poster.Finish();
}

QImage EarthSpinPicture() {
    Poster poster(21, "Earth's equatorial spin rate");
    QPainter& p = poster.p;
    EarthWithAxis(p);
    EquatorFront(p, kEarthCentre, kEarthRadius, Stroke(kGold, 2.5));

    // Which way it turns: eastwards, the near side moving to the right.
    const QPointF pole = NorthPole(kEarthCentre, kEarthRadius);
    const QRectF turn(pole.x() - 22, 38, 44, 11);
    p.setPen(Stroke(kTitle, 2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(turn, 200 * 16, 130 * 16);
    ArrowHead(p, {turn.right() - 1, turn.center().y() - 1}, {0.6, -1}, 8, 4, kTitle);

    const QPointF front = kEarthCentre + QPointF(0, kEarthRadius * std::sin(kEarthTilt * kDegree));
    BoldArrow(p, front, front + QPointF(92, 0), kGold);
    Dot(p, front, 3.5, kGold);
    HaloText(p, front + QPointF(50, -15), "463 m/s", SansFont(14, true), kGold);
    HaloText(p, {96, 206}, "equator", SansFont(12), kTitle);
    ValueBox(p, "about 463 m/s", "40,003 km around the equator every 24 hours");
    return poster.Finish();
}

QImage EarthCircumferencePicture() {
    Poster poster(22, "Earth's circumference");
    QPainter& p = poster.p;
    const QPointF centre(160, 132);
    const double radius = 80;
    PlaceGlobe(p, Body::Earth, centre, radius, kEarthView);
    EquatorFront(p, centre, radius, Stroke(kGold, 3));
    const double half = radius * std::sin(kEarthTilt * kDegree);
    ArrowHead(p, centre + QPointF(radius * 0.5, half * std::sqrt(0.75)), {1, -0.25}, 11, 5, kGold);
    HaloText(p, {282, 134}, QString::fromUtf8("C = 2\u03C0r"), SansFont(16, true, true), kGold);

    // The equator laid out straight as a measuring tape.
    const double left = 40, right = 280, y = 238;
    CentredText(p, {160, 222}, "the equator laid out straight", SansFont(12), kNote);
    p.setPen(Stroke(kGold, 3));
    p.drawLine(QPointF(left, y), QPointF(right, y));
    for (int i = 0; i <= 20; ++i) {
        const double x = left + (right - left) * i / 20;
        const double tick = i % 5 == 0 ? 7 : 3.5;
        p.setPen(Stroke(kGold, i % 5 == 0 ? 2 : 1.2));
        p.drawLine(QPointF(x, y - tick), QPointF(x, y + tick));
    }
    for (int i = 0; i <= 4; ++i)
        CentredText(p, {left + (right - left) * i / 4, y + 17},
                    i == 0 ? QString("0") : Grouped(10000.0 * i, 0), SansFont(10), kTitle);
    ValueBox(p, "about 40,000 km", "40,002,924 m once around the Earth");
    return poster.Finish();
}

// ---- the Sun and the Moon ----

QImage SunRadiusPicture() {
    Poster poster(30, "The Sun's radius");
    QPainter& p = poster.p;
    const QPointF centre(148, 160);
    const double radius = 100;
    PlaceGlobe(p, Body::Sun, centre, radius);
    const QColor ink(90, 30, 0);
    const QPointF edge = centre + QPointF(std::cos(20 * kDegree), -std::sin(20 * kDegree)) * radius;
    Arrow(p, centre, edge, ink, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(centre, 3.5, 3.5);
    TurnedText(p, (centre + edge) / 2 + QPointF(-3, -12), -20, "radius", SansFont(14, true), ink);

    // The Earth at the same scale is a tiny dot.
    const QPointF earth(286, 160);
    const double earthRadius = radius * 6378.1 / 695990;
    p.setBrush(QColor(120, 170, 255));
    p.drawEllipse(earth, std::max(1.2, earthRadius), std::max(1.2, earthRadius));
    p.setPen(Stroke(kNote, 1));
    p.drawLine(earth + QPointF(0, 6), earth + QPointF(0, 22));
    CentredText(p, earth + QPointF(0, 32), "Earth", SansFont(11), kNote);
    CentredText(p, earth + QPointF(0, 45), "to scale", SansFont(11), kNote);
    ValueBox(p, "695,990 km", PowerOfTen(6.9599, 8) + " m, about 109 Earth radii");
    return poster.Finish();
}

QImage SunRadiationPicture() {
    Poster poster(31, "The Sun's radiation");
    QPainter& p = poster.p;
    const QPointF centre(160, 158);
    const double radius = 56;
    QRadialGradient glow(centre, radius * 1.9);
    glow.setColorAt(0.5, QColor(255, 200, 80, 120));
    glow.setColorAt(1, QColor(255, 160, 40, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(centre, radius * 1.9, radius * 1.9);
    PlaceGlobe(p, Body::Sun, centre, radius);

    // Waves of light leaving in every direction.
    constexpr int kRays = 12;
    for (int i = 0; i < kRays; ++i) {
        const double angle = (i + 0.5) * 2 * kPi / kRays;
        const QPointF along(std::cos(angle), std::sin(angle));
        const QPointF across(-along.y(), along.x());
        const double from = radius + 12, to = 104;
        QPainterPath wave;
        constexpr int kSteps = 48;
        for (int s = 0; s <= kSteps; ++s) {
            const double r = from + (to - from - 8) * s / kSteps;
            const QPointF point =
                centre + along * r + across * (4 * std::sin(s * 3.0 * 2 * kPi / kSteps));
            if (s == 0)
                wave.moveTo(point);
            else
                wave.lineTo(point);
        }
        const QColor colour = i % 2 == 0 ? kGold : QColor(255, 150, 60);
        p.setPen(Stroke(colour, 2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(wave);
        ArrowHead(p, centre + along * to, along, 10, 5, colour);
    }
    ValueBox(p, PowerOfTen(3.92, 26) + " W", "the energy it sends out each second (J/s)");
    return poster.Finish();
}

QImage MoonRadiusPicture() {
    Poster poster(40, "The Moon's radius");
    QPainter& p = poster.p;
    const QPointF centre(140, 158);
    const double radius = 94;
    PlaceGlobe(p, Body::Moon, centre, radius, {.turn = 0, .tilt = 5});
    const QPointF edge = centre + QPointF(std::cos(15 * kDegree), -std::sin(15 * kDegree)) * radius;
    BoldArrow(p, centre, edge, kGold);
    Dot(p, centre, 3.5, kGold);
    HaloText(p, (centre + edge) / 2 + QPointF(-2, -16), "radius", SansFont(14, true), kGold);

    // Earth and Moon side by side at one scale.
    const QPointF earth(282, 190);
    const double earthRadius = 22;
    CentredText(p, {282, 150}, "to scale", SansFont(11), kNote);
    PlaceGlobe(p, Body::Earth, earth, earthRadius, kEarthView);
    PlaceGlobe(p, Body::Moon, earth + QPointF(0, 42), earthRadius * 1738.0 / 6378.1);
    CentredText(p, earth + QPointF(0, 58), "Earth, Moon", SansFont(10), kNote);
    ValueBox(p, "1,738 km", "1,738,000 m, about 0.27 of the Earth's radius");
    return poster.Finish();
}

QImage MoonDistancePicture() {
    Poster poster(41, QString::fromUtf8("Earth\u2013Moon distance"));
    QPainter& p = poster.p;
    const QPointF earth(60, 146), moon(266, 146);
    const double span = moon.x() - earth.x();

    p.setPen(Dashed(kOrbit, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(earth.x() - span, earth.y() - span, 2 * span, 2 * span), -20 * 16, 40 * 16);
    PlaceGlobe(p, Body::Earth, earth, 36, kEarthView);
    PlaceGlobe(p, Body::Moon, moon, 11);
    CentredText(p, earth - QPointF(0, 50), "Earth", SansFont(13, true), kTitle);
    CentredText(p, moon - QPointF(0, 24), "Moon", SansFont(13, true), kTitle);

    const double y = 212;
    p.setPen(Dashed(kNote, 1));
    p.drawLine(earth, QPointF(earth.x(), y + 8));
    p.drawLine(moon + QPointF(0, 12), QPointF(moon.x(), y + 8));
    DoubleArrow(p, {earth.x(), y}, {moon.x(), y}, kGold, 2.5);
    HaloText(p, {(earth.x() + moon.x()) / 2, y - 14}, "380,000 km", SansFont(15, true), kGold);
    CentredText(p, {160, 246}, "sizes and distance not to scale", SansFont(11, false, true), kNote);
    ValueBox(p, "380,000 km", PowerOfTen(3.8, 8) + " m, mean distance centre to centre");
    return poster.Finish();
}

QImage EarthOrbitPicture() {
    Poster poster(50, "Earth's orbit velocity");
    QPainter& p = poster.p;
    const QPointF sun(160, 160);
    const double a = 126, b = 60;
    p.setPen(Stroke(kOrbit, 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(sun, a, b);
    // Seen from the north the Earth goes round anticlockwise: leftwards on the far side.
    ArrowHead(p, sun - QPointF(0, b), {-1, 0}, 11, 5, kOrbit);
    ArrowHead(p, sun - QPointF(a, 0) + QPointF(0, 0.5), {0, 1}, 11, 5, kOrbit);
    PlaceGlobe(p, Body::Sun, sun, 28);
    CentredText(p, sun + QPointF(0, 40), "Sun", SansFont(12, true), kGold);

    const double t = 55 * kDegree;
    const QPointF earth = sun + QPointF(a * std::cos(t), b * std::sin(t));
    QPointF velocity(a * std::sin(t), -b * std::cos(t));
    velocity /= std::hypot(velocity.x(), velocity.y());
    BoldArrow(p, earth, earth + velocity * 72, kGold);
    PlaceGlobe(p, Body::Earth, earth, 12, kEarthView);
    HaloText(p, earth + velocity * 50 + QPointF(-4, -18), "v", SansFont(16, true, true), kGold);
    CentredText(p, earth + QPointF(-6, 26), "Earth", SansFont(12, true), kTitle);
    ValueBox(p, "29.77 km/s", "29,770.9 m/s along its path around the Sun");
    return poster.Finish();
}

// ---- galaxies ----

// A spiral galaxy seen face on, `size` pixels across, with two trailing arms that wind
// clockwise outwards on the picture (so it turns anticlockwise), transparent outside.
QImage DrawGalaxy(int size, std::uint32_t seed) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const double half = size / 2.0;
    const double winding = 1 / std::tan(16 * kDegree);
    for (int row = 0; row < size; ++row) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
        for (int column = 0; column < size; ++column) {
            const double u = (column + 0.5 - half) / half, v = (row + 0.5 - half) / half;
            const double rho = std::hypot(u, v);
            if (rho >= 1) continue;
            const double theta = std::atan2(v, u);
            const double arm =
                std::pow(0.5 + 0.5 * std::cos(2 * (theta - winding * std::log(rho + 0.04))), 3);
            const double clumps = Fractal(u * 7, v * 7, 0.5, seed, 4);
            const double disc = std::exp(-rho / 0.33) * (1 - std::pow(rho, 6));
            const double bulge = std::exp(-(rho * rho) / (0.13 * 0.13));
            const double armLight = disc * (0.22 + 1.3 * arm * (0.35 + clumps));
            const double r = 200 * armLight + 255 * bulge;
            const double g = 210 * armLight + 228 * bulge;
            const double bl = 255 * armLight + 170 * bulge;
            const double alpha = std::clamp(std::max({r, g, bl}) / 255, 0.0, 1.0);
            const auto channel = [](double c) {
                return static_cast<int>(std::clamp(c, 0.0, 255.0));
            };
            line[column] = qRgba(channel(r), channel(g), channel(bl), channel(alpha * 255));
        }
    }
    return image;
}

QImage GalaxySpinPicture() {
    Poster poster(60, "Galactic spin velocity");
    QPainter& p = poster.p;
    const QPointF centre(160, 156);
    const double radius = 112;
    p.drawImage(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius),
                DrawGalaxy(2 * static_cast<int>(radius), 61));

    const double orbit = radius * 0.62;
    p.setPen(Dashed(QColor(255, 255, 255, 150), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, orbit, orbit);
    // The Sun, lower left, carried anticlockwise round the centre.
    const double angle = 135 * kDegree; // measured clockwise on the picture
    const QPointF sun = centre + QPointF(std::cos(angle), std::sin(angle)) * orbit;
    const QPointF along(std::sin(angle), -std::cos(angle));
    BoldArrow(p, sun, sun + along * 62, kGold);
    Dot(p, sun, 4.5, QColor(255, 230, 120));
    HaloText(p, sun + QPointF(-20, -12), "Sun", SansFont(13, true), kTitle);
    HaloText(p, sun + along * 62 + QPointF(8, 8), "225 km/s", SansFont(14, true), kGold);
    ValueBox(p, "about 225 km/s", "225,000 m/s, the Sun around the galaxy's centre");
    return poster.Finish();
}

QImage LocalGroupPicture() {
    Poster poster(70, "Local Group velocity");
    QPainter& p = poster.p;

    // A galaxy tilted away from the viewer: squashed and turned.
    const auto tilted = [&p](QPointF at, double radius, double squash, double turn,
                             std::uint32_t seed) {
        p.save();
        p.translate(at);
        p.rotate(turn);
        p.scale(1, squash);
        p.drawImage(QRectF(-radius, -radius, 2 * radius, 2 * radius),
                    DrawGalaxy(2 * static_cast<int>(radius), seed));
        p.restore();
    };
    const QPointF group(138, 150);
    p.save();
    p.translate(group);
    p.rotate(-12);
    p.setPen(Dashed(QColor(255, 255, 255, 140), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, 0), 112, 78);
    p.restore();

    tilted({98, 176}, 40, 0.55, -8, 71);
    tilted({188, 120}, 48, 0.34, 34, 72);
    tilted({196, 196}, 17, 0.6, 70, 73);
    Random random(74);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 9; ++i) {
        const QPointF at = group + QPointF(random.Between(-85, 85), random.Between(-50, 50));
        p.setBrush(QColor(200, 210, 255, 110));
        p.drawEllipse(at, 3.5, 2.5);
    }
    HaloText(p, {98, 212}, "Milky Way", SansFont(12, true), kTitle);
    HaloText(p, {200, 80}, "Andromeda", SansFont(12, true), kTitle);
    HaloText(p, {64, 96}, "Local Group", SansFont(12, false, true), kNote);

    BoldArrow(p, group + QPointF(50, 62), {300, 254}, kGold);
    HaloText(p, {256, 222}, "600 km/s", SansFont(14, true), kGold);
    ValueBox(p, "about 600 km/s", "600,781 m/s, our group of galaxies on the move");
    return poster.Finish();
}

// ---- the planets' distances from the Sun ----

struct PlanetFacts {
    const char* name;
    Body body;
    double metres; // mean distance from the Sun
    double radius; // drawn radius in pixels
    QColor dot;    // its colour in the row of planets
};

const std::array<PlanetFacts, 9> kPlanets{{
    {"Mercury", Body::Mercury, 57.9e9, 9, QColor(170, 162, 154)},
    {"Venus", Body::Venus, 108.2e9, 13, QColor(236, 216, 160)},
    {"Earth", Body::Earth, 149597870691.0, 13, QColor(70, 130, 220)},
    {"Mars", Body::Mars, 227.9e9, 10, QColor(200, 96, 52)},
    {"Jupiter", Body::Jupiter, 778.3e9, 30, QColor(214, 180, 140)},
    {"Saturn", Body::Saturn, 1427e9, 22, QColor(226, 204, 150)},
    {"Uranus", Body::Uranus, 2869.6e9, 18, QColor(170, 225, 230)},
    {"Neptune", Body::Neptune, 4496.6e9, 17, QColor(70, 110, 220)},
    {"Pluto", Body::Pluto, 5900e9, 7, QColor(200, 170, 140)},
}};

constexpr double kAstronomicalUnit = 149597870691.0;

// Saturn's rings: the half behind the globe first, then the globe, then the near half.
void PlaceSaturn(QPainter& p, QPointF centre, double radius) {
    const auto rings = [&](bool nearHalf) {
        p.save();
        p.translate(centre);
        p.rotate(-14);
        p.setClipRect(QRectF(-4 * radius, nearHalf ? 0 : -4 * radius, 8 * radius, 4 * radius));
        p.setBrush(Qt::NoBrush);
        const double squash = 0.3;
        for (const auto& [from, to, colour] :
             {std::tuple{1.3, 1.75, QColor(218, 196, 150, 230)},
              std::tuple{1.82, 2.25, QColor(196, 176, 136, 210)}}) {
            const double mid = radius * (from + to) / 2;
            p.setPen(QPen(colour, radius * (to - from)));
            p.drawEllipse(QPointF(0, 0), mid, mid * squash);
        }
        p.restore();
    };
    rings(false);
    PlaceGlobe(p, Body::Saturn, centre, radius, {.turn = 0, .tilt = 12});
    rings(true);
}

} // namespace

QImage DrawPlanetDistance(Planet planet) {
    const PlanetFacts& facts = kPlanets[static_cast<size_t>(planet)];
    Poster poster(100 + static_cast<int>(planet));
    QPainter& p = poster.p;
    HaloText(p, {kSize / 2.0, 22}, facts.name, SansFont(22, true), kTitle);
    CentredText(p, {kSize / 2.0, 46}, "mean distance from the Sun", SansFont(13), kNote);

    const QPointF sun(46, 148), body(262, 148);
    const double span = body.x() - sun.x();
    p.setPen(Dashed(kOrbit, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(sun.x() - span, sun.y() - span, 2 * span, 2 * span), -19 * 16, 40 * 16);
    PlaceGlobe(p, Body::Sun, sun, 34);
    if (facts.body == Body::Saturn)
        PlaceSaturn(p, body, facts.radius);
    else
        PlaceGlobe(p, facts.body, body, facts.radius,
                   {.turn = 20, .tilt = facts.body == Body::Earth ? 20.0 : 8.0});

    // The distance, centre to centre.
    const double y = 214;
    p.setPen(Dashed(kNote, 1));
    p.drawLine(sun + QPointF(0, 36), QPointF(sun.x(), y + 8));
    p.drawLine(body + QPointF(0, facts.radius + 4), QPointF(body.x(), y + 8));
    DoubleArrow(p, {sun.x(), y}, {body.x(), y}, kGold, 2.5);
    const double millionKm = facts.metres / 1e9;
    HaloText(p, {(sun.x() + body.x()) / 2, y - 16}, Grouped(millionKm, 1) + " million km",
             SansFont(16, true), kGold);
    const double au = facts.metres / kAstronomicalUnit;
    const int exponent = static_cast<int>(std::floor(std::log10(facts.metres)));
    CentredText(p, {(sun.x() + body.x()) / 2, y + 18},
                QString::number(au, 'f', au < 10 ? 3 : 2) + " AU  =  " +
                    PowerOfTen(facts.metres / std::pow(10.0, exponent), exponent) + " m",
                SansFont(12), kNote);

    // Where it lies in the row from the Sun outwards.
    const double row = 286;
    PlaceGlobe(p, Body::Sun, {26, row}, 10);
    for (size_t i = 0; i < kPlanets.size(); ++i) {
        const QPointF at(58 + 30.0 * i, row);
        if (i == static_cast<size_t>(planet)) {
            p.setPen(Stroke(kGold, 2));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(at, 10, 10);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(kPlanets[i].dot);
        p.drawEllipse(at, 4.5, 4.5);
    }
    return poster.Finish();
}

QImage DrawConstantPicture(ConstantPicture which) {
    switch (which) {
    case ConstantPicture::EarthPolarRadius:
    case ConstantPicture::EarthEquatorialRadius:
    case ConstantPicture::EarthAverageRadius: return EarthRadiusPicture(which);
    case ConstantPicture::SunRadius: return SunRadiusPicture();
    case ConstantPicture::MoonRadius: return MoonRadiusPicture();
    case ConstantPicture::MoonDistance: return MoonDistancePicture();
    case ConstantPicture::EarthOrbitVelocity: return EarthOrbitPicture();
    case ConstantPicture::EarthSpinRate: return EarthSpinPicture();
    case ConstantPicture::EarthCircumference: return EarthCircumferencePicture();
    case ConstantPicture::SunRadiation: return SunRadiationPicture();
    case ConstantPicture::LocalGroupVelocity: return LocalGroupPicture();
    case ConstantPicture::GalaxySpin: return GalaxySpinPicture();
    }
    return {};
}

} // namespace pelcor::assetgen
