#include "solvers/quadratic.h"

#include <algorithm>
#include <cmath>

namespace quadratic {

Solution solve(double a, double b, double c)
{
    Solution s;
    if (!std::isfinite(a) || !std::isfinite(b) || !std::isfinite(c)) {
        s.kind = Kind::CoefficientOutOfRange;
        return s;
    }
    if (a == 0) {
        s.discriminant = b * b;
        if (b == 0) {
            s.kind = c == 0 ? Kind::EveryNumber : Kind::NoSolution;
            return s;
        }
        s.kind = Kind::Linear;
        s.x1 = (c / b) * -1;
        s.x2 = s.x1;
        if (!std::isfinite(s.x1))
            s.kind = Kind::RootOutOfRange;
        return s;
    }

    // Scaling all three by one power of two changes no root and no rounding,
    // and keeps b*b and 4*a*c from overflowing.
    const int exponent = std::ilogb(std::max({std::fabs(a), std::fabs(b), std::fabs(c)}));
    const double sa = std::ldexp(a, -exponent);
    const double sb = std::ldexp(b, -exponent);
    const double sc = std::ldexp(c, -exponent);
    const double discriminant = sb * sb - (sa * 4) * sc;
    s.discriminant = std::ldexp(discriminant, 2 * exponent);
    if (discriminant < 0) {
        s.kind = Kind::NoRealRoot;
        return s;
    }

    const double root = std::sqrt(discriminant);
    const bool bNegative = sb < 0;
    const double q = -(sb + (bNegative ? -root : root)) / 2;
    if (q == 0) {
        // b == 0 and D == 0, so c == 0: a double root at zero.
        s.x1 = s.x2 = 0;
        return s;
    }
    // q carries -sqrt(D) when b >= 0 and +sqrt(D) when b < 0.
    const double viaA = q / sa;
    const double viaC = sc / q;
    s.x1 = bNegative ? viaA : viaC;
    s.x2 = bNegative ? viaC : viaA;
    if (!std::isfinite(s.x1) || !std::isfinite(s.x2))
        s.kind = Kind::RootOutOfRange;
    return s;
}

}  // namespace quadratic
