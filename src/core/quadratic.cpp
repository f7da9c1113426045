#include "core/quadratic.h"

#include "core/real.h"

namespace core::quadratic {

namespace {
Solution checked(Solution s)
{
    if (exact::aboveDoubles(s.x1) || exact::aboveDoubles(s.x2))
        s.kind = Kind::RootTooLarge;
    else if (exact::belowDoubles(s.x1) || exact::belowDoubles(s.x2))
        s.kind = Kind::RootTooSmall;
    return s;
}
}  // namespace

Solution solve(const exact::Number &a, const exact::Number &b, const exact::Number &c)
{
    Solution s;
    if (sgn(a) == 0) {
        if (sgn(b) == 0) {
            s.kind = sgn(c) == 0 ? Kind::EveryNumber : Kind::NoSolution;
            return s;
        }
        s.kind = Kind::Linear;
        s.x1 = s.x2 = -(c / b);
        return checked(s);
    }
    const exact::Number discriminant = b * b - 4 * a * c;
    if (sgn(discriminant) < 0) {
        s.kind = Kind::NoRealRoot;
        return s;
    }
    Real root(discriminant);
    mpfr_sqrt(root.get(), root.get(), MPFR_RNDN);
    // q carries -sqrt(D) when b >= 0 and +sqrt(D) when b < 0. sqrt(D) is as
    // large as the coefficients, of any length: only the roots are judged.
    const exact::Number sqrtD = root.exactValue();
    const exact::Number q = -(b + (sgn(b) < 0 ? -sqrtD : sqrtD)) / 2;
    if (sgn(q) == 0) {
        // b == 0 and D == 0, so c == 0: a double root at zero.
        s.x1 = s.x2 = 0;
        return s;
    }
    const exact::Number viaA = q / a, viaC = c / q;
    s.x1 = sgn(b) < 0 ? viaA : viaC;
    s.x2 = sgn(b) < 0 ? viaC : viaA;
    return checked(s);
}

}  // namespace core::quadratic
