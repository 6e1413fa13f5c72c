#include "board/CoveredShapes.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace pelcor {

namespace {

// The pixels of the board painted over so far, with a count of the open pixels of each
// 8 x 8 tile so that a covered stretch is checked a tile at a time.
class Cover {
public:
    Cover(int w, int h)
        : w_(w), h_(h), tilesX_((w + 7) / 8), covered_(static_cast<std::size_t>(w) * h),
          open_(static_cast<std::size_t>(tilesX_) * ((h + 7) / 8), 0), left_(covered_.size()) {
        const int tilesY = (h + 7) / 8;
        for (int ty = 0; ty < tilesY; ++ty)
            for (int tx = 0; tx < tilesX_; ++tx)
                open_[static_cast<std::size_t>(ty) * tilesX_ + tx] =
                    std::min(8, w - 8 * tx) * std::min(8, h - 8 * ty);
    }

    bool Full() const { return left_ == 0; }

    // Paints over [x1, x2) x [y1, y2), already on the board.
    void Add(int x1, int y1, int x2, int y2) {
        for (int y = y1; y < y2; ++y) {
            std::uint8_t* row = &covered_[static_cast<std::size_t>(y) * w_];
            for (int x = x1; x < x2; ++x) {
                if (row[x]) continue;
                row[x] = 1;
                --open_[Tile(x, y)];
                --left_;
            }
        }
    }

    // Whether every pixel of [x1, x2) x [y1, y2), on the board, is painted over.
    bool Covers(int x1, int y1, int x2, int y2) const {
        for (int ty = y1 / 8; ty <= (y2 - 1) / 8; ++ty)
            for (int tx = x1 / 8; tx <= (x2 - 1) / 8; ++tx) {
                if (open_[static_cast<std::size_t>(ty) * tilesX_ + tx] == 0) continue;
                const int top = std::max(y1, ty * 8), bottom = std::min(y2, ty * 8 + 8);
                const int left = std::max(x1, tx * 8), right = std::min(x2, tx * 8 + 8);
                for (int y = top; y < bottom; ++y)
                    for (int x = left; x < right; ++x)
                        if (!covered_[static_cast<std::size_t>(y) * w_ + x]) return false;
            }
        return true;
    }

private:
    std::size_t Tile(int x, int y) const {
        return static_cast<std::size_t>(y / 8) * tilesX_ + static_cast<std::size_t>(x / 8);
    }

    int w_, h_, tilesX_;
    std::vector<std::uint8_t> covered_;
    std::vector<int> open_;
    std::size_t left_;
};

// A box holding every pixel a shape's drawing can set, its handles included, with a pixel
// or two to spare. False for shapes that reach anywhere (texts, hyperbolas).
bool Reach(const ShapeRecord& s, double& x1, double& y1, double& x2, double& y2) {
    const ShapeKind k = s.KindCode();
    auto box = [&](std::initializer_list<double> xs, std::initializer_list<double> ys,
                   double spare) {
        x1 = std::min(xs) - spare, x2 = std::max(xs) + spare;
        y1 = std::min(ys) - spare, y2 = std::max(ys) + spare;
        return true;
    };
    if (k == ShapeKind::Line || k == ShapeKind::Square || k == ShapeKind::Ellipse)
        return box({double(s.X1), double(s.X2)}, {double(s.Y1), double(s.Y2)}, 4);
    if (k == ShapeKind::Circle) {
        const double h = std::fabs(double(s.Aux1)); // the solids rise by their height
        return box({double(s.X1), double(s.X2)}, {s.Y1 - h, s.Y2 - h, s.Y1 + h, s.Y2 + h}, 4);
    }
    if (k == ShapeKind::Triangle)
        return box({double(s.X1), double(s.X3), double(s.X4), double(s.Aux1)},
                   {double(s.Y1), double(s.Y3), double(s.Y4), double(s.Aux2)}, 4);
    if (k == ShapeKind::Hexagon) {
        const double r = std::fabs(double(s.X2)), h = std::fabs(double(s.Aux3));
        return box({s.X1 - 1.5 * r, s.X1 + 1.5 * r}, {s.Y1 - r - h, s.Y1 + r + h}, 4);
    }
    if (k == ShapeKind::Parabola) {
        const double far = 64 * std::fabs(double(s.X3)) + 4;
        if (s.Y4 == 0) return box({s.X1 - 84.0, s.X1 + 84.0}, {s.Y1 - far, s.Y1 + far}, 0);
        return box({s.X1 - far, s.X1 + far}, {s.Y1 - 84.0, s.Y1 + 84.0}, 0);
    }
    if (k == ShapeKind::Text || k == ShapeKind::Hyper || k == ShapeKind::Hyper1) return false;
    x1 = y1 = 1, x2 = y2 = 0; // any other kind draws nothing
    return true;
}

// Limits a rectangle's coordinate as the canvas does before drawing it.
long long Held(long long v, int size) {
    return std::clamp<long long>(v, -2, static_cast<long long>(size) + 2);
}

} // namespace

std::vector<char> CoveredShapes(const std::vector<ShapeRecord>& shapes, std::size_t count,
                                int width, int height, int selected, int secondSelected) {
    std::vector<char> covered(count, 0);
    if (width <= 0 || height <= 0) return covered;
    Cover cover(width, height);
    for (std::size_t i = count; i-- > 0;) {
        const ShapeRecord& s = shapes[i];
        const int number = static_cast<int>(i) + 1;
        if (cover.Full()) {
            covered[i] = 1;
            continue;
        }
        double x1, y1, x2, y2;
        if (Reach(s, x1, y1, x2, y2)) {
            const double left = std::max(std::floor(x1), 0.0);
            const double top = std::max(std::floor(y1), 0.0);
            const double right = std::min(std::ceil(x2) + 1, double(width));
            const double bottom = std::min(std::ceil(y2) + 1, double(height));
            covered[i] = left >= right || top >= bottom ||
                         cover.Covers(int(left), int(top), int(right), int(bottom));
        }
        // A filled rectangle, not highlighted, paints the inside of its outline.
        if (s.KindCode() == ShapeKind::Square && s.FillMode != "W" && number != selected &&
            number != secondSelected) {
            long long ax = s.X1, bx = s.X2, ay = s.Y1, by = s.Y2;
            if (bx < ax) std::swap(ax, bx);
            if (by < ay) std::swap(ay, by);
            ax = Held(ax, width), bx = Held(bx, width), ay = Held(ay, height),
            by = Held(by, height);
            const long long left = std::max(ax + 1, 0LL),
                            right = std::min<long long>(bx - 1, width);
            const long long top = std::max(ay + 1, 0LL),
                            bottom = std::min<long long>(by - 1, height);
            if (bx - ax >= 1 && by - ay >= 1 && left < right && top < bottom)
                cover.Add(int(left), int(top), int(right), int(bottom));
        }
    }
    return covered;
}

} // namespace pelcor
