#include "geometry/Quadratic.h"

#include <cmath>

namespace pelcor {

void QuadraticSolver::SolveQuadratic(double a, double b, double c) {
    if (a == 0) return;
    if (b == 0) {
        if ((c < 0 && a < 0) || (c > 0 && a > 0)) {
            RootCode = 2;
        } else if ((c > 0 && a < 0) || (c < 0 && a > 0)) {
            const double s = std::sqrt(std::fabs(c) / std::fabs(a));
            X1 = s;
            X2 = -s;
            RootCode = 1;
            VertexX = 0;
            VertexY = c;
        } else if (c == 0) {
            X1 = X2 = 0;
            RootCode = 3;
            VertexX = 0;
            VertexY = 0;
        }
        return;
    }
    const double d = b * b - 4 * a * c;
    if (d < 0) {
        RootCode = 2;
    } else if (d == 0) {
        X1 = X2 = -b / (2 * a);
        RootCode = 3;
        VertexX = X1;
        VertexY = 0;
    } else if (d > 0) {
        const double root = std::sqrt(d);
        X1 = (-b + root) / (2 * a);
        X2 = (-b - root) / (2 * a);
        VertexX = -b / (2 * a);
        VertexY = a * VertexX * VertexX + b * VertexX + c;
        RootCode = 4;
    }
}

} // namespace pelcor
