#include "OrbitPictures.h"

#include "Globes.h"
#include "Sketch.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace pelcor::assetgen {

namespace {

// Light added up in floating point before it is written as pixels.
class LightBuffer {
public:
    LightBuffer(int width, int height)
        : width_(width), height_(height), light_(static_cast<size_t>(width) * height * 3) {}

    void Add(int x, int y, double r, double g, double b) {
        if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
        double* at = &light_[(static_cast<size_t>(y) * width_ + x) * 3];
        at[0] += r;
        at[1] += g;
        at[2] += b;
    }

    // A round blob of light with a soft (Gaussian) edge of `sigma` pixels.
    void Blob(double cx, double cy, double sigma, double r, double g, double b) {
        const int reach = static_cast<int>(std::ceil(sigma * 3));
        for (int y = static_cast<int>(cy) - reach; y <= static_cast<int>(cy) + reach; ++y) {
            for (int x = static_cast<int>(cx) - reach; x <= static_cast<int>(cx) + reach; ++x) {
                const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
                const double k = std::exp(-(dx * dx + dy * dy) / (2 * sigma * sigma));
                Add(x, y, r * k, g * k, b * k);
            }
        }
    }

    QImage ToImage() const {
        QImage image(width_, height_, QImage::Format_RGB32);
        for (int y = 0; y < height_; ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < width_; ++x) {
                const double* at = &light_[(static_cast<size_t>(y) * width_ + x) * 3];
                const auto channel = [](double v) {
                    return static_cast<int>(std::clamp(v, 0.0, 255.0) + 0.5);
                };
                line[x] = qRgb(channel(at[0]), channel(at[1]), channel(at[2]));
            }
        }
        return image;
    }

private:
    int width_, height_;
    std::vector<double> light_;
};

struct Tint {
    double r, g, b;
};

// Star colours from hot blue-white to cool orange.
constexpr Tint kStarTints[] = {
    {0.78, 0.85, 1.0}, {0.92, 0.95, 1.0}, {1.0, 1.0, 1.0}, {1.0, 0.95, 0.82}, {1.0, 0.84, 0.66},
};

QImage PlanetOnBlack(Body body, const GlobeView& view) {
    Drawing drawing(kPlanetPictureSize, kPlanetPictureSize, Qt::black);
    drawing.p.drawImage(0, 0, DrawGlobe(body, kPlanetPictureSize, view));
    return drawing.Finish();
}

} // namespace

QImage DrawStarField() {
    LightBuffer light(kSpaceSize, kSpaceSize);
    // A faint glow of distant gas, and a hazy band of far stars across the field. Both change
    // slowly, so they are worked out every few pixels and blended in between.
    constexpr int kStep = 4, kSamples = kSpaceSize / kStep + 2;
    std::vector<std::array<double, 3>> haze(kSamples * kSamples);
    for (int j = 0; j < kSamples; ++j) {
        for (int i = 0; i < kSamples; ++i) {
            const double x = i * kStep, y = j * kStep;
            const double u = x / 260.0, v = y / 260.0;
            const double gas = Fractal(u, v, 0.5, 201, 5);
            const double across = (x - y * 0.7 - 250) / 180.0; // distance from the band
            const double band = std::exp(-across * across) * Fractal(u * 2, v * 2, 3.5, 211, 4);
            const double glow = std::max(0.0, gas - 0.45) * 40;
            haze[j * kSamples + i] = {3 + glow * 0.6 + band * 16, 4 + glow * 0.3 + band * 16,
                                      10 + glow + band * 20};
        }
    }
    for (int y = 0; y < kSpaceSize; ++y) {
        const int j = y / kStep;
        const double fy = static_cast<double>(y % kStep) / kStep;
        for (int x = 0; x < kSpaceSize; ++x) {
            const int i = x / kStep;
            const double fx = static_cast<double>(x % kStep) / kStep;
            const auto& a = haze[j * kSamples + i];
            const auto& b = haze[j * kSamples + i + 1];
            const auto& c = haze[(j + 1) * kSamples + i];
            const auto& d = haze[(j + 1) * kSamples + i + 1];
            double rgb[3];
            for (int k = 0; k < 3; ++k)
                rgb[k] =
                    (a[k] * (1 - fx) + b[k] * fx) * (1 - fy) + (c[k] * (1 - fx) + d[k] * fx) * fy;
            light.Add(x, y, rgb[0], rgb[1], rgb[2]);
        }
    }

    Random random(20240611);
    constexpr int kStars = 3400;
    for (int i = 0; i < kStars; ++i) {
        const double x = random.Between(0, kSpaceSize);
        const double y = random.Between(0, kSpaceSize);
        const double brightness = std::pow(random.Unit(), 4); // most stars are faint
        const Tint& tint = kStarTints[random.Next() % std::size(kStarTints)];
        const double level = 30 + 225 * brightness;
        // A brighter star has a wider core and a soft halo round it.
        const double core = level * 1.5;
        light.Blob(x, y, 0.5 + 0.7 * brightness, core * tint.r, core * tint.g, core * tint.b);
        if (brightness > 0.3) {
            const double halo = level * 0.25 * brightness;
            light.Blob(x, y, 1.5 + 4 * brightness, halo * tint.r, halo * tint.g, halo * tint.b);
        }
        // The brightest few get the short cross of light that a lens gives them.
        if (brightness > 0.96) {
            for (int d = 2; d < 12; ++d) {
                const double k = level * 0.5 * (1 - d / 12.0);
                for (auto [dx, dy] : {std::pair{d, 0}, {-d, 0}, {0, d}, {0, -d}})
                    light.Add(static_cast<int>(x) + dx, static_cast<int>(y) + dy, k * tint.r,
                              k * tint.g, k * tint.b);
            }
        }
    }
    return light.ToImage();
}

QImage DrawVenusPicture() {
    return PlanetOnBlack(Body::Venus, {.turn = 0, .tilt = 10});
}

QImage DrawEarthPicture() {
    return PlanetOnBlack(Body::Earth, {.turn = 40, .tilt = 20});
}

QImage DrawMarsPicture() {
    return PlanetOnBlack(Body::Mars, {.turn = 0, .tilt = 15});
}

QImage DrawJupiterFrame(int frame) {
    return PlanetOnBlack(Body::Jupiter, {.turn = 360.0 * frame / kJupiterFrames - 60, .tilt = 6});
}

} // namespace pelcor::assetgen
