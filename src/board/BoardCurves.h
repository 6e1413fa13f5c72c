#pragma once

// What the board's renderer and its curve drawing share; not for use elsewhere.

#include "board/BoardRenderer.h"
#include "board/RectHyperbola.h"
#include "drawing/Coordinates.h"

#include <QPoint>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <unordered_map>
#include <vector>

namespace pelcor::rendering {

// Computed points are held within this distance of the board: far outside it, so what is
// drawn on the board does not change, and the canvas never sees extreme coordinates.
constexpr double kFar = 1 << 22;

// A computed coordinate, truncated toward zero.
inline int Pt(double v) {
    if (v > -kFar && v < kFar) return static_cast<int>(v); // the same, sooner
    return TruncToInt(std::clamp(v, -kFar, kFar));
}

// std::trunc, sooner where a conversion to a whole number is exact.
inline double Trunc(double v) {
    if (v > -4e18 && v < 4e18) return static_cast<double>(static_cast<long long>(v));
    return std::trunc(v);
}

// A sum or difference of integer coordinates, without overflow.
inline int Sum(long long a, long long b) {
    return Pt(static_cast<double>(a + b));
}

inline double Radians(double degrees) {
    return degrees * std::numbers::pi / 180;
}

} // namespace pelcor::rendering

namespace pelcor {

// The pixels of the curves drawn lately, found by everything their computation reads.
class BoardRenderer::Curves {
public:
    struct Key {
        int kind; // 0 parabola, 1 hyperbola, 2 rectangular hyperbola
        int x1, y1, x2, y2, x3, y4;
        bool fine; // a parabola's step of 0.025
        int width, height;
        bool operator==(const Key&) const = default;
    };

    // The board pixels of the curve `key`, each once; `compute` finds them by calling its
    // argument with every point the curve's loop plots.
    template <typename Compute> const std::vector<QPoint>& Pixels(const Key& key, Compute compute) {
        auto [at, added] = entries_.try_emplace(key);
        at->second.pass = pass_;
        if (!added) return at->second.pixels;
        const std::size_t size = static_cast<std::size_t>(key.width) * key.height;
        if (seen_.size() != size) {
            seen_.assign(size, 0);
            stamp_ = 0;
        }
        if (++stamp_ == 0) { // the marks wrapped: start them again
            std::fill(seen_.begin(), seen_.end(), 0);
            stamp_ = 1;
        }
        // Points come thick and on and off the board at random, so they are taken without
        // branches: first every point on the board that differs from the one before, then
        // those not found before.
        const std::size_t w = static_cast<std::size_t>(key.width);
        const std::size_t h = static_cast<std::size_t>(key.height);
        if (points_.size() < 4096) points_.resize(4096);
        Point* out = points_.data();
        std::size_t count = 0, room = points_.size();
        std::uint64_t last = ~0ull;
        compute([&](int x, int y) {
            if (count == room) {
                points_.resize(2 * room);
                out = points_.data();
                room = points_.size();
            }
            const std::size_t ux = static_cast<unsigned>(x), uy = static_cast<unsigned>(y);
            const std::size_t on = (ux < w) & (uy < h);
            const std::uint64_t place = uy * w + ux;
            out[count] = {static_cast<std::uint32_t>(place), x, y};
            count += on & (place != last);
            last = on ? place : last;
        });
        std::uint32_t* const seen = seen_.data();
        const std::uint32_t stamp = stamp_;
        std::size_t kept = 0;
        for (std::size_t i = 0; i < count; ++i) {
            const Point p = out[i];
            out[kept] = p;
            kept += seen[p.place] != stamp;
            seen[p.place] = stamp;
        }
        std::vector<QPoint>& pixels = at->second.pixels;
        pixels.resize(kept);
        for (std::size_t i = 0; i < kept; ++i)
            pixels[i] = QPoint(out[i].x, out[i].y);
        kept_ += kept;
        return pixels;
    }

    // The values of c a rectangular hyperbola's loop plots for a centre on `row` (0 to 319)
    // and a centre column on a board of 320 columns or fewer, leaping over its stretches
    // below -320; walked once.
    const std::vector<double>& RowWalk(int row) {
        const auto [at, added] = rows_.try_emplace(row);
        std::vector<double>& walk = at->second; // not captured: clang 14 cannot capture a binding
        if (added)
            WalkRectHyperbola(row, true, [&walk](double c) {
                walk.push_back(c);
                return true;
            });
        return walk;
    }

    // Room for `n` whole numbers, for a computation's own use.
    std::vector<int>& Offsets(std::size_t n) {
        if (offsets_.size() < n) offsets_.resize(n);
        return offsets_;
    }

    // A pass begins; curves not drawn in the last passes go once too many are kept.
    void NewPass() {
        ++pass_;
        if (kept_ <= kMaxKept) return;
        for (auto it = entries_.begin(); it != entries_.end();) {
            if (it->second.pass + 1 < pass_) {
                kept_ -= it->second.pixels.size();
                it = entries_.erase(it);
            } else {
                ++it;
            }
        }
    }

private:
    static constexpr std::size_t kMaxKept = 4'000'000; // pixels, about 32 MB

    struct Hash {
        std::size_t operator()(const Key& k) const {
            std::size_t h = 1469598103934665603ull;
            for (int v :
                 {k.kind, k.x1, k.y1, k.x2, k.y2, k.x3, k.y4, int(k.fine), k.width, k.height})
                h = (h ^ static_cast<std::size_t>(static_cast<unsigned>(v))) * 1099511628211ull;
            return h;
        }
    };
    struct Entry {
        std::vector<QPoint> pixels;
        std::uint64_t pass = 0;
    };

    std::unordered_map<Key, Entry, Hash> entries_;
    std::size_t kept_ = 0;
    std::uint64_t pass_ = 0;
    std::vector<std::uint32_t> seen_; // marks of the pixels found for the curve being computed
    std::uint32_t stamp_ = 0;
    struct Point {
        std::uint32_t place; // y * width + x
        int x, y;
    };
    std::vector<Point> points_; // the curve's pixels found so far
    std::vector<int> offsets_;
    std::unordered_map<int, std::vector<double>> rows_; // walks by centre row
};

} // namespace pelcor
