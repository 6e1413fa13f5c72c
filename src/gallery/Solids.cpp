#include "gallery/Solids.h"

#include "gallery/GalleryPaint.h"

#include <cctype>
#include <cmath>
#include <string>

namespace pelcor::gallery {

namespace {

constexpr int LightGrey = 15724527;
constexpr int PaleCyan = 15724305;
constexpr int Cyan191 = 12566289;
constexpr int Cyan176 = 11579409;
constexpr int DarkCyan = 9474065;
constexpr int DarkerCyan = 8421393;

struct Point {
    int x, y;
};

// The point at `t` degrees of the rim centred (cx, cy) with half axes rx, ry.
Point Rim(double cx, double cy, double rx, double ry, int t) {
    return {Trunc(cx + rx * std::cos(t * Rad)), Trunc(cy + ry * std::sin(t * Rad))};
}

struct Rims {
    double cx1, cy1, rx1, ry1;
    double cx2, cy2, rx2, ry2;
};

// Two rims joined by generator lines: for each whole degree both rim pixels (in
// `dotColor`), then, every `lineStep` degrees, a line between them in the pen colour.
void JoinRims(Surface& canvas, const Rims& r, int dotColor, int lineStep) {
    for (int t = 1; t <= 360; ++t) {
        const Point p = Rim(r.cx1, r.cy1, r.rx1, r.ry1, t);
        const Point q = Rim(r.cx2, r.cy2, r.rx2, r.ry2, t);
        canvas.setPixel(p.x, p.y, dotColor);
        canvas.setPixel(q.x, q.y, dotColor);
        if (t % lineStep == 0) Line(canvas, p.x, p.y, q.x, q.y);
    }
}

// Wire frames of the round solids: white outlines over a brush in the background colour.
void WirePens(Surface& canvas) {
    SetBrush(canvas, BackgroundColor);
    canvas.setPenColor(White);
}

void SolidPens(Surface& canvas) {
    SetBrush(canvas, DarkCyan);
    canvas.setPenColor(PaleCyan);
}

struct Box {
    int x1, y1, x2, y2;
};

// A solid between two rims: as a wire frame a few white generators; filled, one generator
// a degree (the rims dotted in `solidDots`) closed by the filled ellipse in `top`.
void RimSolid(Surface& canvas, SolidMode mode, const Rims& rims, int solidDots, Box top) {
    if (mode == SolidMode::Wire) {
        WirePens(canvas);
        JoinRims(canvas, rims, White, 19);
        return;
    }
    SolidPens(canvas);
    JoinRims(canvas, rims, solidDots, 1);
    canvas.ellipse(top.x1, top.y1, top.x2, top.y2);
}

} // namespace

SolidMode SolidModeFromText(std::string_view text) {
    std::string upper;
    for (char c : text)
        upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper == "WIRE" ? SolidMode::Wire : SolidMode::Solid;
}

void DrawBox(Surface& canvas, SolidMode mode) {
    const int x0 = canvas.width() / 2 - 40, y0 = canvas.height() / 2 - 20;
    if (mode == SolidMode::Wire) {
        canvas.setPenColor(LightGrey);
        canvas.rectangle(x0, y0, x0 + 80, y0 + 40);
        canvas.rectangle(x0 + 22, y0 - 18, x0 + 102, y0 + 22);
        const Point corners[] = {{x0, y0}, {x0 + 80, y0}, {x0 + 80, y0 + 40}, {x0, y0 + 40}};
        for (const Point& c : corners)
            Line(canvas, c.x, c.y, c.x + 22, c.y - 18);
        return;
    }
    canvas.setPenColor(Cyan176); // bottom
    for (int x = x0; x <= x0 + 79; ++x)
        Line(canvas, x, y0 + 40, x + 22, y0 + 22);
    canvas.setPenColor(DarkerCyan); // left side
    for (int y = y0; y <= y0 + 39; ++y)
        Line(canvas, x0, y, x0 + 22, y - 18);
    canvas.setPenColor(PaleCyan); // top
    for (int x = x0; x <= x0 + 79; ++x)
        Line(canvas, x, y0, x + 22, y0 - 18);
    canvas.setPenColor(Cyan191); // right side
    for (int y = y0; y <= y0 + 39; ++y)
        Line(canvas, x0 + 80, y, x0 + 102, y - 18);
    canvas.setPenColor(DarkCyan); // front
    for (int y = y0; y <= y0 + 39; ++y)
        Line(canvas, x0, y, x0 + 80, y);
}

void DrawCylinder(Surface& canvas, SolidMode mode) {
    if (mode == SolidMode::Wire) {
        for (int t = 1; t <= 360; ++t) {
            const Point p = Rim(133, 121, 35, 35, t), q = Rim(115, 137, 35, 35, t);
            canvas.setPixel(p.x, p.y, White);
            canvas.setPixel(q.x, q.y, White);
        }
        canvas.setPenColor(White);
        for (int t = 1; t <= 346; t += 15) {
            const Point p = Rim(133, 121, 35, 35, t), q = Rim(115, 137, 35, 35, t);
            Line(canvas, p.x, p.y, q.x, q.y);
        }
        return;
    }
    SolidPens(canvas);
    for (int k = 0; k <= 17; ++k)
        canvas.ellipse(98 - k, 85 + k, 168 - k, 155 + k);
}

void DrawTruncCone(Surface& canvas, SolidMode mode) {
    if (mode == SolidMode::Wire) {
        WirePens(canvas);
        JoinRims(canvas, {130, 80, 40, 10, 130, 160, 20, 5}, White, 19);
        return;
    }
    SetBrush(canvas, DarkCyan);
    for (int i = 0; i <= 79; ++i) {
        const int k = (i + 1) / 4;
        const int shade = 200 + i / 2;
        canvas.setPenColor(17 + 256 * shade + 65536 * shade);
        canvas.ellipse(110 - k, 150 - i, 150 + k, 170 - i);
    }
}

void DrawCone(Surface& canvas, SolidMode mode) {
    RimSolid(canvas, mode, {130, 80, 40, 10, 130, 190, 1, 1}, White, {90, 70, 170, 90});
}

void DrawEllipsoid(Surface& canvas, SolidMode mode) {
    RimSolid(canvas, mode, {130, 100, 40, 15, 100, 120, 40, 15}, PaleCyan, {60, 105, 140, 135});
}

void DrawHelix(Surface& canvas) {
    for (double t = 1; t < 1800; t += 0.5)
        canvas.setPixel(Trunc((750 * std::sin(t * Rad) + 1500 + t) / 16),
                        Trunc((250 * std::cos(t * Rad) + 800 + t) / 16), Cyan);
}

} // namespace pelcor::gallery
