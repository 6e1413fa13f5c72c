#include "gallery/Plots.h"

#include "gallery/GalleryPaint.h"
#include "platform/FormatNumber.h"

#include <cmath>

namespace pelcor::gallery {

namespace {

constexpr int Green = 65280;

QString F1(double value) {
    return QString::fromStdString(FormatNumber(value, "###.#"));
}

void Labels(Surface& canvas, int color, int size) {
    canvas.setFontColor(color);
    canvas.setFontSize(size);
}

// Green above 1, cyan below, black at 1.
int BaseColor(double base) {
    return base > 1 ? Green : base < 1 ? Cyan : Black;
}

// y = base^x, or its mirror image x = base^y, skipping the points whose p test says they
// leave the picture.
void PlotPower(Surface& canvas, double base, bool mirrored) {
    const int cx = canvas.width() / 2, cy = canvas.height() / 2;
    const int color = BaseColor(base);
    const int start = mirrored ? cx : cy;
    for (double x = -10; x < 10; x += 0.01) {
        const double p = std::pow(base, x - 1);
        const bool inside = base >= 1 ? 12 * p + start <= 2 * cy : 12 * p + cx <= 2 * cx / base;
        if (!inside) continue;
        const double power = 12 * std::pow(base, x);
        if (mirrored)
            canvas.setPixel(Trunc(cx + power), Trunc(cy - 12 * x), color);
        else
            canvas.setPixel(Trunc(cx + 12 * x), Trunc(cy - power), color);
    }
}

} // namespace

void PlotQuadratic(Surface& canvas, double a, double b, double c) {
    const int cx = canvas.width() / 2, cy = canvas.height() / 2;
    const double s = std::sqrt(b * b - 4 * a * c);
    const double x1 = (s - b) / (2 * a), x2 = (-s - b) / (2 * a);
    const double xv = -b / (2 * a), yv = a * xv * xv + b * xv + c;

    canvas.setBrushStyle(Surface::BrushStyle::Clear);
    Labels(canvas, White, 8);
    canvas.textOut(Trunc(cx + 15 + 6 * x1), cy + 1, "x1=" + F1(x1));
    canvas.textOut(Trunc(cx - 40 - 6 * x2), cy + 1, "x2=" + F1(x2));
    canvas.textOut(Trunc(cx - 6 * xv + 25), Trunc(cy - 6 * yv + 5), "(" + F1(xv) + F1(yv) + ")");
    canvas.setFontSize(10);
    canvas.textOut(90, 220,
                   "y = " + F1(a) + " x " + QStringLiteral("\u00B2") + " - " + F1(std::fabs(b)) +
                       " x + " + F1(c));

    const int color = canvas.penColor();
    auto point = [&](double x) {
        canvas.setPixel(Trunc(cx + 6 * x), Trunc(cy - 6 * (a * x * x + b * x + c)), color);
    };
    for (double x = -7; x < xv; x += 0.02)
        point(x);
    for (double x = xv; x < 10; x += 0.02)
        point(x);
}

void PlotWave(Surface& canvas, Wave wave) {
    const int cx = canvas.width() / 2, cy = canvas.height() / 2;
    const bool sine = wave == Wave::Sine;
    canvas.setPenColor(GuideRed);
    Line(canvas, 0, cy - 60, 2 * cx, cy - 60);
    Line(canvas, 0, cy + 60, 2 * cx, cy + 60);
    if (sine) {
        Line(canvas, cx + 30, cy, cx + 30, cy - 60);
        Line(canvas, cx + 90, cy, cx + 90, cy + 60);
    } else {
        Line(canvas, cx + 60, cy, cx + 60, cy + 60);
        Line(canvas, cx + 120, cy, cx + 120, cy - 60);
    }
    for (double t = 0; t < 360; t += 0.1) {
        const double f = sine ? std::sin(t * Rad) : std::cos(t * Rad);
        canvas.setPixel(Trunc(t * 5 / 15 + cx), Trunc(cy - 60 * f), Cyan);
    }
    Labels(canvas, White, 8);
    canvas.textOut(4, 80, " 1 ");
    canvas.textOut(4, 225, " -1 ");
    canvas.textOut(cx - 12, cy + 2, " 0 ");
    if (sine) {
        canvas.textOut(cx + 15, cy - 75, " Pi / 2 ");
        canvas.textOut(cx + 46, cy + 2, " Pi ");
        canvas.textOut(cx + 75, cy + 63, "3Pi / 2");
        canvas.textOut(cx + 105, cy - 12, "2Pi ");
    } else {
        canvas.textOut(cx + 30, cy - 15, " Pi / 2 ");
        canvas.textOut(cx + 52, cy + 63, " Pi ");
        canvas.textOut(cx + 91, cy + 2, "3Pi / 2");
        canvas.textOut(cx + 105, cy - 75, "2Pi ");
    }
    canvas.setFontSize(12);
    canvas.textOut(50, 260,
                   sine ? QStringLiteral("  y = sin \u00F8  for 0 < \u00F8 < 2Pi ")
                        : QStringLiteral("  y = cos \u00F8  for 0 < \u00F8 < 2Pi "));
    canvas.setFontSize(8);
}

void PlotExponential(Surface& canvas, double base) {
    PlotPower(canvas, base, false);
}

void PlotLogarithm(Surface& canvas, double base) {
    PlotPower(canvas, base, true);
}

void PlotTangent(Surface& canvas) {
    const int cx = canvas.width() / 2, cy = canvas.height() / 2;
    canvas.setPenColor(GuideRed);
    Line(canvas, cx - 48, 0, cx - 48, 2 * cy);
    Line(canvas, cx + 48, 0, cx + 48, 2 * cy);
    constexpr int Blue = 16711680;
    for (int pass = 1; pass <= 6; ++pass) {
        for (double t = 0; t < 70; t += 0.1) {
            const int T = Trunc(60 * std::sin(t * Rad) / std::cos(t * Rad));
            const int u = Trunc(60.0 / 100 * t);
            const double k = 60.0 / 100 * t;
            switch (pass) {
            case 1: canvas.setPixel(cx + u, cy - T, Blue); break;
            case 2: canvas.setPixel(cx - u, cy + T, Blue); break;
            case 3: canvas.setPixel(cx + Trunc(k + 48), cy - T, Cyan); break;
            case 4: canvas.setPixel(cx + Trunc(48 - k), cy + T, Cyan); break;
            case 5: canvas.setPixel(cx - Trunc(k + 48), cy + T, Cyan); break;
            case 6: canvas.setPixel(cx - Trunc(48 - k), cy - T, Cyan); break;
            }
        }
    }
    Labels(canvas, White, 8);
    canvas.textOut(cx + 52, 0, "- 00 ");
    canvas.textOut(cx - 70, 304, "+ 00 ");
    canvas.textOut(cx - 2, cy, "  0 ");
    canvas.textOut(cx + 47, cy, " - Pi / 2");
    canvas.textOut(cx - 88, cy, "  Pi / 2");
    canvas.setFontSize(10);
    canvas.textOut(20, 200,
                   QStringLiteral("  y = sin \u00F8 / cos \u00F8 for - Pi / 2 < \u00F8 < Pi / 2 "));
    Labels(canvas, Yellow, 10);
}

void PlotLine(Surface& canvas, double a, double c) {
    const int cx = canvas.width() / 2, cy = canvas.height() / 2;
    Labels(canvas, White, 8);
    if (a != 0 && c == 0) canvas.textOut(cx, cy + 3, "(" + F1(0) + ", " + F1(0) + ")");
    if (a != 0 && c != 0) canvas.textOut(50, cy + 3, "(" + F1(-c / a) + ", 0.0)");
    if (c != 0) canvas.textOut(cx + 5, 105, "(" + F1(0) + ", " + F1(c) + ")");
    canvas.setPenColor(Cyan);
    Line(canvas, 0, cx + 23, 2 * cx, 31);
    canvas.setFontSize(10);
    canvas.textOut(20, 180, "General formula    y = a.x + c ");
    canvas.setFontSize(8);
    canvas.textOut(20, 200, QStringLiteral("a = Slope  a = tan \u00F8 and c = Y-intercept"));
    canvas.textOut(20, 218, "If a < 0 then negative Slope to the left ");
    canvas.textOut(20, 236, "If a > 0 then positive Slope to the right ");
    canvas.textOut(20, 254, "If c > 0 then positive Y-intercept above X axies  ");
    canvas.textOut(20, 272, "If c < 0 then negative Y-intercept below X axies ");
    canvas.textOut(20, 290, "y = " + F1(a) + "x + " + F1(c));
    for (int t = 335; t <= 360; ++t)
        canvas.setPixel(Trunc(50 + 35 * std::cos(t * Rad)), Trunc(cy + 35 * std::sin(t * Rad)),
                        Yellow);
    canvas.setFontSize(12);
    canvas.setFontStyle(false, false);
    canvas.setFontColor(Yellow);
    canvas.textOut(90, 140, QStringLiteral("\u00F8"));
    canvas.setFontSize(10);
}

void PlotSpiral(Surface& canvas) {
    const int cx = canvas.width() / 2, cy = canvas.height() / 2;
    for (double t = 1; t < 1200; t += 0.5) {
        const double r = 3.5 * t * Rad;
        canvas.setPixel(Trunc(cx - r * std::cos((t - 180) * Rad)),
                        Trunc(cy - r * std::sin((t - 180) * Rad)), Cyan);
    }
}

} // namespace pelcor::gallery
