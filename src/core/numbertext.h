#pragma once

#include <QString>

// How display text becomes a number and back. "." is the decimal point
// whatever the locale.
namespace numbertext {

// Val: blanks ignored anywhere; optional sign, digits with at most one point,
// optional exponent (E or D, either case). Stops at the first character that
// cannot continue the number; nothing readable gives 0. A value too large for
// a double gives +/-infinity.
double val(const QString &text);

// Str: "-" or one blank for the sign, at most 15 significant digits, no
// trailing zeros, no "0" before the point of a magnitude below 1. Magnitudes
// from 1E+15 up and below 1E-15 use exponent form ("1E+15", "-1.5E-16").
// Not-finite values give "": callers never show them.
QString str(double value);

// The display form of a result: Str without its leading/trailing blanks.
QString displayForm(double value);

// Display form with a "0" before the point when 0 < value < 1 (0.25 -> "0.25").
QString displayFormLeadingZero(double value);

}  // namespace numbertext
