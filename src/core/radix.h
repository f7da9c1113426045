#pragma once

#include "core/exact.h"

#include <QString>

// Numbers written in the bases of the informatics view, and the values
// behind them. Digits are "0"-"9", then "A"-"F" for 10-15; a lower-case
// "a"-"f" counts as its capital. Output digits are always upper case.
namespace core::radix {

// The base options by index: 0-8 are the bases 2-10, 9 is base 16.
constexpr int kOptionCount = 10;
constexpr int kBaseTenOption = 8;
int baseOf(int optionIndex);

enum class Status { Ok, Fraction, TooLarge };

struct Reading {
    Status status;
    exact::Number value;  // exact; 0 unless Ok
};

struct Spelling {
    Status status;
    QString text;  // empty unless Ok
};

// The value of a display text written in `base`, exactly, as the keys read
// it. Base ten is the Val rule; TooLarge beyond the largest double. Other
// bases: blanks ignored, an optional sign, digits with at most one point,
// reading stops at the first character that cannot continue; nothing
// readable is 0. Digits are not checked against the base (the keys offer
// only the base's own). TooLarge when the whole part passes 2^53 - 1, the
// largest whole number every base converts exactly to and from a double.
Reading read(const QString &text, int base);

// `value` written in `base`: its whole part (rounded toward zero), "-"
// before a negative one, "0" for zero. TooLarge beyond 2^53 - 1.
Spelling spell(const exact::Number &value, int base);

// The base change of a display text: TooLarge beyond 2^53 - 1; a fraction
// (a point, or a value that is not whole) is Fraction, except that base ten
// takes it, written out exactly with a "0" before the point as far as
// `width` characters allow, rounded beyond (1.1 in base 2 is 1.5, 0.1 in
// base 3 0.333...); else the number written in `toBase`. A blank text reads
// as 0; whether to convert one at all is the caller's.
Spelling convert(const QString &text, int fromBase, int toBase, int width);

// The sign key: the number as written, its sign flipped, in the same base.
// Base ten is the Str rule of -Val. Other bases keep every digit read (no
// limit), drop leading zeros of the whole part and trailing zeros of the
// fraction, and give a non-negative number a leading blank as Str does.
QString negated(const QString &text, int base);

}  // namespace core::radix
