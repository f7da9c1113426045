#pragma once

#include <QString>

// The one reader of number text: how far a text spells a number and what
// its parts are. The callers turn the parts into a value of their own kind
// (a double, digits in a base, an exact decimal).
namespace core::numberscan {

struct Options {
    // Digit characters that count: 10 for "0"-"9", 16 adds "A"-"F" in either case.
    int digits = 10;
    bool sign = true;        // an optional "-" or "+" first
    bool point = true;       // at most one "."
    bool exponent = false;   // "E" or "D" (either case), optional sign, digits
    bool skipBlanks = true;  // blanks are ignored wherever they stand
};

struct Scan {
    bool negative = false;
    QString whole;       // digits before the point, letters in upper case
    QString fraction;    // digits after the point
    bool point = false;  // a point was read
    long exponent = 0;   // 0 without one; held within +-100000
    int end = 0;         // index of the first character not read

    bool hasDigits() const { return !whole.isEmpty() || !fraction.isEmpty(); }
};

// Reads from the start of `text` and stops at the first character that
// cannot continue the number. An exponent is read only after a digit of the
// mantissa and only when a digit of its own follows.
Scan scan(const QString &text, const Options &options = {});

// The value of one digit character, or -1 when it is none (in 16 digits).
int digitValue(QChar c);

}  // namespace core::numberscan
