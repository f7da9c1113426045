#pragma once

#include "core/result.h"

#include <cstdint>

// The arithmetic of the scientific window, free of widgets: every function
// takes the operands and returns either the value to show or the reason the
// input is refused. Angles are in degrees.
namespace scientific {

// The constants of the Pi and e keys, as the keys write them.
constexpr double kPi = 3.14159265358979;
constexpr double kE = 2.71828182845905;

using ::Refusal;
using ::Result;

// Rounds to `decimals` places, halves to the even neighbour. Values already
// too coarse to carry that many places come back unchanged.
double roundTo(double value, int decimals);

// kerekit: a value within 1E-08 of a whole number becomes that number, except
// that a non-zero value of magnitude 1E-14 or more is never snapped to 0.
double kerekit(double value);

// The two-operand operations of "=" besides the sum, difference and product.
Result quotient(double a, double b);         // snapped
Result power(double base, double exponent);  // snapped
Result root(double radicand, double index);  // index-th root, snapped
Result percent(double base, double rate);    // rate % of base, snapped

// Euclid on whole values, signs ignored; gcd(0, 0) = 0.
std::uint64_t euclid(std::uint64_t a, std::uint64_t b);
// Lnko and Lkkt: whole operands of magnitude below 2^53 only.
Result gcd(double a, double b);
Result lcm(double a, double b);

// The immediate function keys; all but the factorial are snapped.
Result factorial(double x);
Result reciprocal(double x);
Result decimalLog(double x);
Result naturalLog(double x);
Result tenPower(double x);
Result ePower(double x);
Result sine(double x);
Result cosine(double x);
Result tangent(double x);
Result cotangent(double x);
// sqrt(1 - x*x), the intermediate value of the arc sine and arc cosine.
double seged(double x);
Result arcSine(double x);       // -90 .. 90
Result arcCosine(double x);     // 0 .. 180
Result arcTangent(double x);    // -90 .. 90
Result arcCotangent(double x);  // 0 .. 180

// The poles: x an odd multiple of 90 (tangent), a multiple of 180 (cotangent).
bool isTangentPole(double x);
bool isCotangentPole(double x);

}  // namespace scientific
