#pragma once

#include "core/exact.h"

#include <QString>

// How a number becomes display text (the Val rule that reads it back is
// exact::read). "." is the decimal point whatever the locale.
namespace core::numbertext {

// Str: "-" or one blank for the sign, then the value rounded once, halves to
// even, to at most 15 significant digits, no trailing zeros, no "0" before
// the point of a magnitude below 1. Magnitudes from 1E+15 up and below 1E-15
// use exponent form ("1E+15", "-1.5E-16").
QString str(const exact::Number &value);

// The display form of a result: Str without its leading/trailing blanks.
QString displayForm(const exact::Number &value);

// Display form with a "0" before the point when 0 < value < 1 (0.25 -> "0.25").
QString displayFormLeadingZero(const exact::Number &value);

// `value` written out in plain decimals, "-" before a negative one and a
// "0" before the point of a magnitude below 1, with as many decimals as
// `width` characters hold: exactly where they suffice, else rounded (halves
// to even); no trailing zeros.
QString decimalWithin(const exact::Number &value, int width);

}  // namespace core::numbertext
