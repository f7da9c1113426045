#pragma once

#include <QString>

namespace core {
struct Module1;
}

// The input check that runs on every change of a display field.
namespace core::inputcheck {

// The verdict on one text: sets `vizsgalt` (trimmed text + "0" sentinel),
// adds the points before the first forbidden character to `pontdb`, and sets
// `hibas` when a forbidden character is found. Shows nothing. Allowed are
// ".", the digits of `base` (0 to base - 1, and A to F in either case in base
// 16) and "-" as the first character of the trimmed text.
void examine(Module1 &state, const QString &text, int base = 10);

}  // namespace core::inputcheck
