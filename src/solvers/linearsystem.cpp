#include "solvers/linearsystem.h"

#include "shared/numbertext.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace linearsystem {
namespace {

double toDouble(const BigInt &value, int decimalsShift)
{
    QString text = QString::fromStdString(value.magnitudeDigits());
    if (decimalsShift > 0)
        text += QStringLiteral("E-%1").arg(decimalsShift);
    const double magnitude = numbertext::val(text);
    return value.sign() < 0 ? -magnitude : magnitude;
}

// numerator / denominator rounded, or nothing when it leaves the range of a
// double. Both are shifted by one power of ten first, so whole numbers of any
// length convert without overflowing on the way.
std::optional<double> quotient(const BigInt &numerator, const BigInt &denominator)
{
    const auto longest = std::max(numerator.magnitudeDigits().size(), denominator.magnitudeDigits().size());
    const int shift = longest > 300 ? int(longest - 300) : 0;
    const double n = toDouble(numerator, shift);
    const double d = toDouble(denominator, shift);
    if (d == 0 || !std::isfinite(n) || !std::isfinite(d))
        return std::nullopt;
    const double q = n / d;
    if (!std::isfinite(q))
        return std::nullopt;
    return q;
}

}  // namespace

Solution solve(const Equation &first, const Equation &second)
{
    // All six as whole numbers of one common scale: every product of two then
    // has the same scale, so products compare and subtract exactly, and the
    // scale cancels in every quotient below.
    const int scale = std::max({first.a.scale, first.b.scale, first.c.scale, second.a.scale,
                                second.b.scale, second.c.scale});
    const BigInt a1 = first.a.scaledTo(scale), b1 = first.b.scaledTo(scale), c1 = first.c.scaledTo(scale);
    const BigInt a2 = second.a.scaledTo(scale), b2 = second.b.scaledTo(scale), c2 = second.c.scaledTo(scale);
    const BigInt det = a1 * b2 - b1 * a2;
    const BigInt detx = c1 * b2 - b1 * c2;
    const BigInt dety = a1 * c2 - a2 * c1;

    Solution s;
    s.det = toDouble(det, 2 * scale);
    s.detx = toDouble(detx, 2 * scale);
    s.dety = toDouble(dety, 2 * scale);
    auto give = [&s](Kind kind) {
        s.kind = kind;
        return s;
    };

    const bool firstEmpty = a1.isZero() && b1.isZero();
    const bool secondEmpty = a2.isZero() && b2.isZero();
    if (firstEmpty && secondEmpty)
        return give(Kind::NoUnknown);
    if (firstEmpty || secondEmpty) {
        const BigInt &rightSide = firstEmpty ? c1 : c2;
        return give(rightSide.isZero() ? Kind::EquationEmpty : Kind::EquationContradicts);
    }

    // Neither equation is empty here, so an unknown missing from both leaves
    // the other one with non-zero coefficients in both.
    if (a1.isZero() && a2.isZero()) {
        if (!detx.isZero())
            return give(Kind::Contradictory);
        const auto y = quotient(c1, b1);
        if (!y)
            return give(Kind::OutOfRange);
        s.y = *y;
        return give(Kind::OnlyY);
    }
    if (b1.isZero() && b2.isZero()) {
        if (!dety.isZero())
            return give(Kind::Contradictory);
        const auto x = quotient(c1, a1);
        if (!x)
            return give(Kind::OutOfRange);
        s.x = *x;
        return give(Kind::OnlyX);
    }
    if (!det.isZero()) {
        const auto x = quotient(detx, det);
        const auto y = quotient(dety, det);
        if (!x || !y)
            return give(Kind::OutOfRange);
        s.x = *x;
        s.y = *y;
        return give(Kind::Unique);
    }
    // Singular with all four coefficients non-zero: the left sides are
    // multiples of each other, so the right sides decide.
    return give(detx.isZero() && dety.isZero() ? Kind::Dependent : Kind::Contradictory);
}

}  // namespace linearsystem
