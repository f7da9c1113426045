#pragma once

// Solving a*x^2 + b*x + c = 0 over the reals.
namespace quadratic {

enum class Kind {
    TwoRoots,               // a != 0, discriminant >= 0: x1 and x2
    NoRealRoot,             // a != 0, discriminant < 0
    Linear,                 // a == 0, b != 0: the one root in x1 (and x2)
    NoSolution,             // a == 0, b == 0, c != 0
    EveryNumber,            // a == b == c == 0
    CoefficientOutOfRange,  // a coefficient beyond the range of a double
    RootOutOfRange,         // a root beyond the range of a double
};

struct Solution {
    Kind kind = Kind::TwoRoots;
    double x1 = 0;            // the root with +sqrt(D) (TwoRoots), or the root (Linear)
    double x2 = 0;            // the root with -sqrt(D) (TwoRoots), or the root again (Linear)
    double discriminant = 0;  // b*b - 4*a*c; may be infinite when it does not fit
};

// The two roots come from q = -(b + sgn(b)*sqrt(D)) / 2 as q/a and c/q, so
// the smaller one does not vanish in cancellation.
Solution solve(double a, double b, double c);

}  // namespace quadratic
