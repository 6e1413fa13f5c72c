#pragma once

namespace pelcor {

// The one solver of a x² + b x + c = 0, shared by the parabola drawing and the
// intersections. Its results stay from call to call: a call with a = 0 changes nothing.
// Reals are compared with 0 exactly.
struct QuadraticSolver {
    // 1: two real roots of opposite sign (b = 0), X1 = +s, X2 = -s; 2: no real root;
    // 3: one double root, X1 = X2; 4: two distinct real roots. 0 before the first result.
    int RootCode = 0;
    double X1 = 0, X2 = 0;
    double VertexX = 0, VertexY = 0; // the vertex of y = a x² + b x + c

    void SolveQuadratic(double a, double b, double c);
};

} // namespace pelcor
