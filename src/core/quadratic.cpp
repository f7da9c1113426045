#include "core/quadratic.h"

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

    // Each coefficient by its own power of two, and the discriminant on the
    // scale of its larger term (b or 2*sqrt(a*c)): no intermediate overflows,
    // and b*b cannot vanish below a huge a (with one common scale it did).
    const int ea = std::ilogb(a);
    const double sa = std::ldexp(a, -ea);
    const int ec = c == 0 ? 0 : std::ilogb(c);
    const double sc = std::ldexp(c, -ec);
    const int halfAc = (ea + ec) >> 1;  // floor
    const int e = c == 0 ? (b == 0 ? 0 : std::ilogb(b)) : (b == 0 ? halfAc : std::max(std::ilogb(b), halfAc));
    const double sb = std::ldexp(b, -e);
    const double discriminant = sb * sb - std::ldexp((sa * 4) * sc, ea + ec - 2 * e);
    s.discriminant = std::ldexp(discriminant, 2 * e);
    if (discriminant < 0) {
        s.kind = Kind::NoRealRoot;
        return s;
    }

    const double root = std::sqrt(discriminant);
    const bool bNegative = sb < 0;
    const double m = -(sb + (bNegative ? -root : root)) / 2;  // q = m * 2^e
    if (m == 0) {
        // b == 0 and D == 0, so c == 0: a double root at zero.
        s.x1 = s.x2 = 0;
        return s;
    }
    // q carries -sqrt(D) when b >= 0 and +sqrt(D) when b < 0; q/a and c/q
    // each rounded once, their powers of two added exactly.
    const double viaA = std::ldexp(m / sa, e - ea);
    const double viaC = std::ldexp(sc / m, ec - e);
    s.x1 = bNegative ? viaA : viaC;
    s.x2 = bNegative ? viaC : viaA;
    if (!std::isfinite(s.x1) || !std::isfinite(s.x2))
        s.kind = Kind::RootOutOfRange;
    return s;
}

}  // namespace quadratic
