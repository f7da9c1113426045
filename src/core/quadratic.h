#pragma once

#include "core/exact.h"

// Solving a*x^2 + b*x + c = 0 over the reals, from the exact coefficients.
namespace core::quadratic {

enum class Kind {
    TwoRoots,      // a != 0, discriminant >= 0: x1 and x2
    NoRealRoot,    // a != 0, discriminant < 0
    Linear,        // a == 0, b != 0: the one root in x1 (and x2)
    NoSolution,    // a == 0, b == 0, c != 0
    EveryNumber,   // a == b == c == 0
    RootTooLarge,  // a root beyond the largest double
    RootTooSmall,  // a non-zero root below the smallest normal double
};

struct Solution {
    Kind kind = Kind::TwoRoots;
    exact::Number x1;  // the root with +sqrt(D) (TwoRoots), or the root (Linear)
    exact::Number x2;  // the root with -sqrt(D) (TwoRoots), or the root again (Linear)
};

// The roots come from q = -(b + sgn(b)*sqrt(D)) / 2 as q/a and c/q, so the
// smaller one does not vanish in cancellation; the square root to 128 bits.
Solution solve(const exact::Number &a, const exact::Number &b, const exact::Number &c);

}  // namespace core::quadratic
