#pragma once

#include <QString>

// What a display or result field may hold, stated on its own terms so the
// driver does not judge the windows with their own code.
namespace numberforms {

// A display text the input check lets stand: blanks only at the ends, inside
// them nothing but the digits of `base` ("0"-"9" and "A"-"F" or "a"-"f" for
// base 16), "." and "-", and at most one point.
bool isCheckedDisplayText(const QString &text, int base = 10);

// A number as the Str rule writes it: "-" or (unless `trimmed`) one blank
// for the sign, at most 15 significant digits without leading or trailing
// zeros, no "0" before the point below 1, a point only before a fraction;
// exponent form "d[.ddd]E+dd" / "E-dd" for magnitudes from 1E+15 up and
// below 1E-15, plain form otherwise.
bool isStrText(const QString &text, bool trimmed);

// The display form of a quotient or function value: Str trimmed, or with a
// "0" before the point of a value between 0 and 1 ("0.5").
bool isDisplayFormLeadingZero(const QString &text);

// Contains "inf" or "nan" as a word of its own, in any case.
bool mentionsNotFinite(const QString &text);

}  // namespace numberforms
