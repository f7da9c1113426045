#pragma once

#include "core/result.h"

// The arithmetic of the scientific view, free of widgets: every function
// takes the operands exactly as typed and returns the value to show, or why
// the input is refused. Angles are in degrees.
//
// The bound: a shown number lies within one unit of its last shown digit of
// the exact value by these rules. Rational results (the four operations,
// %, 1/x, n!, Lnko, Lkkt) are exact; the others are computed to 128 bits or
// more (powers: more with a larger exponent) from the exact operands, an
// error below 1E-30 of the result; then the rules' own roundings (Round to 14 or 12
// places, kerekit) apply to that value, and the display's Str rounds once to
// 15 digits.
namespace core::functions {

using exact::Number;

// The constants of the Pi and e keys, as the keys write them; the angle and
// e^x rules use these 15-digit values, not the true pi and e.
const Number &pi();
const Number &e();

// kerekit: a value within 1E-08 of a whole number becomes that number, but
// a non-zero value never becomes 0: a small result is a result.
Number kerekit(const Number &value);

// The two-operand operations of "=" besides the sum, difference and product.
Result quotient(const Number &a, const Number &b);         // snapped
Result power(const Number &base, const Number &exponent);  // snapped
Result root(const Number &radicand, const Number &index);  // index-th root, snapped
Result percent(const Number &base, const Number &rate);    // rate % of base, snapped
// Lnko and Lkkt: whole operands of magnitude below 2^53 only.
Result gcd(const Number &a, const Number &b);
Result lcm(const Number &a, const Number &b);

// The immediate function keys; all but the factorial are snapped.
Result factorial(const Number &x);
Result reciprocal(const Number &x);
Result decimalLog(const Number &x);
Result naturalLog(const Number &x);
Result tenPower(const Number &x);
Result ePower(const Number &x);
Result sine(const Number &x);
Result cosine(const Number &x);
Result tangent(const Number &x);
Result cotangent(const Number &x);
Result arcSine(const Number &x);       // -90 .. 90
Result arcCosine(const Number &x);     // 0 .. 180
Result arcTangent(const Number &x);    // -90 .. 90
Result arcCotangent(const Number &x);  // 0 .. 180

}  // namespace core::functions
