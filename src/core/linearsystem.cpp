#include "core/linearsystem.h"

#include <cmath>
#include <limits>

namespace core::linearsystem {
namespace {

// The shared copies of the determinants are doubles: rounded once, held
// within the range of a double (they are never shown).
double saturated(const mpq_class &value)
{
    const double d = exact::toDouble(value);
    return std::isfinite(d) ? d : std::copysign(std::numeric_limits<double>::max(), d);
}

}  // namespace

Solution solve(const Equation &first, const Equation &second)
{
    // Exact rationals throughout: singularity, proportionality and the
    // results are decided on the typed values.
    const mpq_class &a1 = first.a, &b1 = first.b, &c1 = first.c;
    const mpq_class &a2 = second.a, &b2 = second.b, &c2 = second.c;
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
    // A result is shown from its exact value; one a double cannot hold with
    // all its digits is refused.
    auto result = [](const mpq_class &numerator, const mpq_class &denominator, mpq_class &out, Kind kind) {
        out = numerator / denominator;
        return exact::aboveDoubles(out) ? Kind::TooLarge : exact::belowDoubles(out) ? Kind::TooSmall : kind;
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
        return give(result(c1, b1, s.y, Kind::OnlyY));
    }
    if (sgn(b1) == 0 && sgn(b2) == 0) {
        if (sgn(dety) != 0)
            return give(Kind::Contradictory);
        return give(result(c1, a1, s.x, Kind::OnlyX));
    }
    if (sgn(det) != 0) {
        const Kind x = result(detx, det, s.x, Kind::Unique), y = result(dety, det, s.y, Kind::Unique);
        // Too large wins when both are out of range.
        return give(x == Kind::TooLarge || y == Kind::TooLarge ? Kind::TooLarge : x != Kind::Unique ? x : y);
    }
    // Singular with all four coefficients non-zero: the left sides are
    // multiples of each other, so the right sides decide.
    return give(sgn(detx) == 0 && sgn(dety) == 0 ? Kind::Dependent : Kind::Contradictory);
}

}  // namespace core::linearsystem
