// The curves of the board: parabolas and both hyperbolas, plotted point by point and kept
// while their records are unchanged.
#include "board/BoardCurves.h"

#include <cstdlib>

namespace pelcor {

using namespace rendering;

namespace {

// The cosines and tangents of the HYPER parameter's values, the same for every curve.
struct HyperbolaSteps {
    std::vector<double> cosines, tangents;
};

const HyperbolaSteps& HyperbolaStepValues() {
    static const HyperbolaSteps steps = [] {
        HyperbolaSteps v;
        for (double t = 0; t < 360; t += 0.025) { // used as radians
            v.cosines.push_back(std::cos(t));
            v.tangents.push_back(std::tan(t));
        }
        return v;
    }();
    return steps;
}

// Centres this near the board let a hyperbola's points be taken in whole numbers (below).
constexpr int kNear = 1'000'000;
constexpr double kHeld = 8e6;

} // namespace

void BoardRenderer::DrawParabola(const ShapeRecord& shape, double step) {
    const double a = shape.X3 / 10.0;
    Quadratic.SolveQuadratic(a, 0, 0); // the vertex is the record's point
    if (a != 0) parabolaSolved_ = true;
    auto compute = [&](auto put) {
        const double x1 = shape.X1, y1 = shape.Y1;
        for (double s = -8; s < 0; s += step) {
            const double y = a * s * s;
            if (shape.Y4 == 0) {
                const int py = Pt(y1 + Trunc(-10 * y));
                put(Pt(x1 - Trunc(10 * s)), py);
                put(Pt(x1 + Trunc(10 * s)), py);
            } else {
                const int px = Pt(x1 + Trunc(10 * y));
                put(px, Pt(y1 + Trunc(10 * s)));
                put(px, Pt(y1 - Trunc(10 * s)));
            }
        }
    };
    if (step != 0.025 && step != 0.1) { // a step of its own: not kept
        compute([this](int x, int y) { canvas_.setPixel(x, y, canvas_.penColor()); });
        return;
    }
    const Curves::Key key{0,
                          shape.X1,
                          shape.Y1,
                          0,
                          0,
                          shape.X3,
                          shape.Y4 != 0,
                          step == 0.025,
                          canvas_.width(),
                          canvas_.height()};
    Plot(curves_->Pixels(key, compute));
}

void BoardRenderer::DrawHyperbola(const ShapeRecord& shape) {
    const double a = shape.X2 / 100.0, b = shape.Y2 / 100.0;
    const double x1 = shape.X1, y1 = shape.Y1;
    const bool sideways = shape.Y4 == 1;
    const Curves::Key key{1, shape.X1, shape.Y1, shape.X2,        shape.Y2,
                          0, sideways, false,    canvas_.width(), canvas_.height()};
    Plot(curves_->Pixels(key, [&](auto put) {
        const HyperbolaSteps& t = HyperbolaStepValues();
        const std::size_t n = t.cosines.size();
        const double across10 = 10 * a, along10 = 10 * b;
        if (std::llabs(shape.X1) > kNear || std::llabs(shape.Y1) > kNear ||
            canvas_.width() > kNear || canvas_.height() > kNear) {
            for (std::size_t i = 0; i < n; ++i) {
                const double across = Trunc(across10 / t.cosines[i]);
                const double along = Trunc(along10 * t.tangents[i]);
                if (sideways)
                    put(Pt(x1 + across), Pt(y1 - along));
                else
                    put(Pt(x1 + along), Pt(y1 - across));
            }
            return;
        }
        // Offsets held within 8 million and truncated to whole numbers: an offset beyond that
        // puts the point far off the board either way, and the sums are exact.
        std::vector<int>& offsets = curves_->Offsets(2 * n);
        int* const across = offsets.data();
        int* const along = across + n;
        const double* const cosines = t.cosines.data();
        const double* const tangents = t.tangents.data();
        for (std::size_t i = 0; i < n; ++i) {
            across[i] = static_cast<int>(std::min(std::max(across10 / cosines[i], -kHeld), kHeld));
            along[i] = static_cast<int>(std::min(std::max(along10 * tangents[i], -kHeld), kHeld));
        }
        const int cx = shape.X1, cy = shape.Y1;
        for (std::size_t i = 0; i < n; ++i) {
            if (sideways)
                put(cx + across[i], cy - along[i]);
            else
                put(cx + along[i], cy - across[i]);
        }
    }));
    const double slope = 160 * b / a;
    if (sideways) {
        Line(Pt(x1 - 160), Pt(y1 - slope), Pt(x1 + 160), Pt(y1 + slope));
        Line(Pt(x1 - 160), Pt(y1 + slope), Pt(x1 + 160), Pt(y1 - slope));
    } else {
        Line(Pt(x1 - slope), Pt(y1 - 160), Pt(x1 + slope), Pt(y1 + 160));
        Line(Pt(x1 + slope), Pt(y1 - 160), Pt(x1 - slope), Pt(y1 + 160));
    }
}

void BoardRenderer::DrawRectHyperbola(const ShapeRecord& shape) {
    const double k = shape.X2;
    const double x1 = shape.X1, y1 = shape.Y1;
    const int w = canvas_.width(), h = canvas_.height();
    const bool other = shape.Y4 != 0;
    const Curves::Key key{2, shape.X1, shape.Y1, shape.X2, 0, 0, other, false, w, h};
    Plot(curves_->Pixels(key, [&](auto put) {
        auto plot = [&](double c) {
            const double g = 10 * k / c;
            const int ya = Pt(y1 - g), yb = Pt(y1 + g);
            if (other) {
                put(Pt(x1 - c), ya);
                put(Pt(x1 + c), yb);
            } else {
                put(Pt(x1 + c), ya);
                put(Pt(x1 - c), yb);
            }
            return std::pair(ya, yb);
        };
        // Where c <= -320 both points are beside a board of 320 columns or fewer.
        const bool leap = shape.X1 >= w - 320 && shape.X1 < 320 && shape.Y1 >= 0;
        if (leap && shape.Y1 < std::min(h, 320)) {
            // A centre row on the board: its walk is the same for every centre column and
            // constant, and is kept.
            for (double c : curves_->RowWalk(shape.Y1))
                plot(c);
            return;
        }
        // Far below the board (y1 >= 162.25) c only grows, from 0.25 towards 160, so the
        // points only rise towards the centre's row: once both are below the board, every
        // later one is.
        const bool rising = y1 >= 162.25;
        WalkRectHyperbola(shape.Y1, leap, [&](double c) {
            const auto [ya, yb] = plot(c);
            return !(rising && ya >= h && yb >= h);
        });
    }));
    Line(0, shape.Y1, BoardSize, shape.Y1);
    Line(shape.X1, 0, shape.X1, BoardSize);
}

} // namespace pelcor
