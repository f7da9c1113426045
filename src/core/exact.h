#pragma once

#include <QString>

#include <gmpxx.h>

// Exact numbers: what the user typed, as a rational, so that every result
// starts from the decimals the user sees rather than from their nearest
// doubles; and the one rounding from a result to a double.
namespace core::exact {

using Number = mpq_class;

// The number the Val rule reads from `text`, exactly: blanks ignored, an
// optional sign, digits with at most one point, an optional exponent.
Number read(const QString &text);

// A value no display shows (a repeated operand, the memory) counts as the
// shortest decimal that names its double.
Number ofDouble(double value);

// The double nearest to `value` (halves to even), subnormals included;
// beyond the largest double it is +-infinity.
double toDouble(const Number &value);

// Beyond what a double holds: above the largest double, or not zero and
// below the smallest double that keeps all its digits (2^-1022).
bool aboveDoubles(const Number &value);
bool belowDoubles(const Number &value);

// The whole number nearest to `value`, halves to even.
mpz_class roundHalfEven(const Number &value);
// `value` rounded to `decimals` places, halves to even.
Number roundTo(const Number &value, int decimals);
// 10^exponent, exactly.
Number powerOfTen(long exponent);

}  // namespace core::exact
