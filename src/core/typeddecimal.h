#pragma once

#include <QString>

#include <gmpxx.h>

#include <string>

// A coefficient exactly as the user typed it, kept in decimal so that
// 0.1 * 3 really equals 0.3 when a system is judged.
struct TypedDecimal {
    bool negative = false;
    std::string digits;  // integer and fraction digits, without the point
    int scale = 0;       // how many of `digits` stand after the point

    // Reads the number the Val rule reads from a text of digits, points and
    // signs (what passes the input check): blanks ignored, an optional sign,
    // digits with at most one point; the first other character ends it.
    static TypedDecimal read(const QString &text);

    bool isZero() const;
    TypedDecimal negated() const;

    // The exact value.
    mpq_class value() const;
};
