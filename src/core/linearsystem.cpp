#include "core/linearsystem.h"

#include "core/nearestdouble.h"

#include <cmath>
#include <limits>

namespace linearsystem {
namespace {

// The shared copies of the determinants are doubles: rounded once, held
// within the range of a double (they are never shown).
double saturated(const mpq_class &value)
{
    const double d = nearestDouble(value);
    return std::isfinite(d) ? d : std::copysign(std::numeric_limits<double>::max(), d);
}

}  // namespace

Solution solve(const Equation &first, const Equation &second)
{
    // Exact rationals throughout: singularity, proportionality and the
    // results are decided on the typed values, and each result is rounded
    // once at the end.
    const mpq_class a1 = first.a.value(), b1 = first.b.value(), c1 = first.c.value();
    const mpq_class a2 = second.a.value(), b2 = second.b.value(), c2 = second.c.value();
    const mpq_class det = a1 * b2 - b1 * a2;
    const mpq_class detx = c1 * b2 - b1 * c2;
    const mpq_class dety = a1 * c2 - a2 * c1;

    Solution s;
    s.det = saturated(det);
    s.detx = saturated(detx);
    s.dety = saturated(dety);
    auto give = [&s](Kind kind) {
        s.kind = kind;
        return s;
    };
    // Only a result beyond the largest double is refused; a tiny one rounds.
    auto result = [](const mpq_class &numerator, const mpq_class &denominator, double &out) {
        out = nearestDouble(numerator / denominator);
        return std::isfinite(out);
    };

    const bool firstEmpty = sgn(a1) == 0 && sgn(b1) == 0;
    const bool secondEmpty = sgn(a2) == 0 && sgn(b2) == 0;
    if (firstEmpty && secondEmpty)
        return give(Kind::NoUnknown);
    if (firstEmpty || secondEmpty) {
        const mpq_class &rightSide = firstEmpty ? c1 : c2;
        return give(sgn(rightSide) == 0 ? Kind::EquationEmpty : Kind::EquationContradicts);
    }

    // Neither equation is empty here, so an unknown missing from both leaves
    // the other one with non-zero coefficients in both.
    if (sgn(a1) == 0 && sgn(a2) == 0) {
        if (sgn(detx) != 0)
            return give(Kind::Contradictory);
        return give(result(c1, b1, s.y) ? Kind::OnlyY : Kind::OutOfRange);
    }
    if (sgn(b1) == 0 && sgn(b2) == 0) {
        if (sgn(dety) != 0)
            return give(Kind::Contradictory);
        return give(result(c1, a1, s.x) ? Kind::OnlyX : Kind::OutOfRange);
    }
    if (sgn(det) != 0) {
        const bool fits = result(detx, det, s.x) && result(dety, det, s.y);
        return give(fits ? Kind::Unique : Kind::OutOfRange);
    }
    // Singular with all four coefficients non-zero: the left sides are
    // multiples of each other, so the right sides decide.
    return give(sgn(detx) == 0 && sgn(dety) == 0 ? Kind::Dependent : Kind::Contradictory);
}

}  // namespace linearsystem
