#pragma once

#include "core/exact.h"

// Solving a*x + b*y = c for two equations. Which kind of system it is comes
// from the typed decimals exactly, so a singular system is never mistaken for
// a nearly singular one through binary rounding.
namespace core::linearsystem {

struct Equation {
    exact::Number a;  // coefficient of x
    exact::Number b;  // coefficient of y
    exact::Number c;  // right-hand side
};

enum class Kind {
    NoUnknown,            // no coefficient of x or y is non-zero
    EquationContradicts,  // one equation reads 0 = a non-zero number
    EquationEmpty,        // one equation reads 0 = 0: only one equation left
    OnlyY,                // x is in neither equation; y solved
    OnlyX,                // y is in neither equation; x solved
    Unique,               // determinant non-zero; x and y solved
    Dependent,            // the equations are multiples of each other
    Contradictory,        // the equations contradict each other
    TooLarge,             // a result beyond the largest double
    TooSmall,             // a non-zero result below the smallest normal double
};

struct Solution {
    Kind kind = Kind::NoUnknown;
    exact::Number x;  // set for OnlyX and Unique
    exact::Number y;  // set for OnlyY and Unique
    // a1*b2 - b1*a2, c1*b2 - b1*c2 and a1*c2 - a2*c1, exact, then rounded
    // once; beyond the range of a double they stay at the largest one.
    double det = 0;
    double detx = 0;
    double dety = 0;
};

Solution solve(const Equation &first, const Equation &second);

}  // namespace core::linearsystem
