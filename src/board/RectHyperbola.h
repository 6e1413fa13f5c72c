#pragma once

// The parameter of a rectangular hyperbola (HYPER1), walked as its drawing loop walks it.

namespace pelcor {

// The loop's own limit: a centre far from the board can otherwise step without end.
inline constexpr long long kMaxRectHyperbolaSteps = 10'000'000;

struct RectHyperbolaWalk {
    long long steps = 0;   // steps of the loop, as it counts them
    long long visited = 0; // steps whose point was computed
};

// For a centre row y1 where, from a value c <= -320, the loop runs a long way (millions of
// steps) below -320 before it comes back: the value with which it comes back and the steps
// it takes. Moves `c` and `steps` there and returns true; false when the table has no such
// stretch (then the loop must be walked).
bool LeapBelowTheBoard(int y1, double& c, long long& steps);

// Calls visit(c) for the values of c that the drawing loop plots for a centre on row y1,
// in order: c = 0.25; while c < 160: plot, then c += 5 / (y1 - c + 0.25) (a zero divisor
// counting as 1). visit returns false when no later point can be seen; the walk then ends.
//
// With `leap`, the stretches where c stays at or below -320 are passed over: their points
// are at x1 + c < 0 and x1 - c >= 320, off a board 320 wide for every centre column x1 from
// 0 to 319, so the picture is the same.
template <typename Visit> RectHyperbolaWalk WalkRectHyperbola(int y1, bool leap, Visit visit) {
    RectHyperbolaWalk walk;
    const double y = y1;
    for (double c = 0.25; c < 160 && walk.steps < kMaxRectHyperbolaSteps; ++walk.steps) {
        if (leap && c <= -320 && LeapBelowTheBoard(y1, c, walk.steps)) {
            --walk.steps; // the step reached is walked next
            continue;
        }
        ++walk.visited;
        if (!visit(c)) break;
        double divisor = y - c + 0.25;
        if (divisor == 0) divisor = 1;
        c += 5 / divisor;
    }
    return walk;
}

} // namespace pelcor
