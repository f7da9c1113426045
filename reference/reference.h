#pragma once

#include <QString>

#include <array>
#include <optional>

// An independent reference for every number Zorvexa shows. It computes with
// MPFR (and GMP where the result is rational) from the same operands, by the
// product's rules: the 15-digit Pi and e, Round(.., 14) and Round(.., 12),
// kerekit, angles reduced modulo 360 in degrees, exact Lnko and Lkkt, exact
// conversion up to 2^53 - 1, exact linear systems. It shares no code with
// the product.
namespace reference {

// The 15-digit constants of the Pi and e keys, which the rules compute with
// (held as doubles, as the keys hold them).
inline constexpr const char *kPi15 = "3.14159265358979";
inline constexpr const char *kE15 = "2.71828182845905";

enum class Refusal {
    None,
    DivisionByZero,
    NotRepresentable,  // beyond the range of a double
    NoRealResult,
    EvenRootOfNegative,
    WholeNumbersOnly,
    FactorialTooLarge,
    FactorialNotWhole,
    LogOfNonPositive,
    SineRange,
    CosineRange,
    TangentPole,
    CotangentPole,
    TooLargeToConvert,  // beyond 2^53 - 1 in another base
    Fraction,           // a fraction at a base change
};

struct Expected {
    Refusal refusal = Refusal::None;
    QString value;                // 40 significant digits; the digits themselves when exact
    std::optional<int> decimals;  // the last decimal place the rule fixes, if any
    bool exact = false;           // the shown text must equal `value` (digits in another base)
    QString alternative;          // also agrees: the other side of an undecided kerekit
    bool ok() const { return refusal == Refusal::None; }
};

// THE BOUND. A shown number agrees with the reference when it differs from
// the reference value by at most one unit in the last digit that can be
// shown for it: the 15th significant digit, or the last place the rule fixes
// when that is coarser (Round(.., 14) and (.., 12); for ctg, where the
// tangent's 14th place lands), or the spacing of the smallest doubles
// (2^-1074) below that. Doubles carry 15.9 digits, so an honest double
// computation stays within it; anything beyond it is a fault. Other bases
// must match digit for digit.
double bound(const Expected &expected);
// `shown` as a display, a tape or a solver field holds it (blanks around a
// number allowed). False for a refusal, an empty or unreadable text.
bool agrees(const QString &shown, const Expected &expected);
// For failure reports: value and bound, or the refusal.
QString describe(const Expected &expected);

// The number rules, written again: Val (text to the nearest double) and Str
// (a double to text).
double val(const QString &text);
QString str(double value);

// "=" in the standard window and in base ten in the informatics window:
// sign is one of + - * /.
Expected standardOperation(QChar sign, double a, double b);
// "=" in the informatics window in another base: the whole part of the
// result (rounded to its double first), toward zero, in digits of `base`.
Expected informaticsOperation(QChar sign, double a, double b, int base);

enum class Operation { Add, Subtract, Multiply, Divide, Power, Root, Percent, Gcd, Lcm };
// "=" in the scientific window: a = szam1, b = szam2.
Expected scientificOperation(Operation op, double a, double b);

enum class Function {
    Factorial,
    Reciprocal,
    DecimalLog,
    NaturalLog,
    TenPower,
    EPower,
    Sine,
    Cosine,
    Tangent,
    Cotangent,
    ArcSine,
    ArcCosine,
    ArcTangent,
    ArcCotangent,
};
// A function key on x = the display's Val.
Expected function(Function f, double x);

// A base change of a display text (bases 2-10, 16; a-f count as A-F).
Expected conversion(const QString &text, int fromBase, int toBase);

// The quadratic solver on the signed coefficients it read.
enum class QuadraticKind {
    TwoRoots,
    NoRealRoot,
    Linear,
    NoSolution,
    EveryNumber,
    CoefficientOutOfRange,
    RootOutOfRange
};
struct Quadratic {
    QuadraticKind kind = QuadraticKind::TwoRoots;
    Expected x1;  // the +sqrt(D) root; the root of the linear case
    Expected x2;  // the -sqrt(D) root
};
Quadratic quadratic(double a, double b, double c);

// The linear solver on the six typed texts a1, b1, c1, a2, b2, c2 and their
// sign labels (true: "-").
enum class LinearKind {
    NoUnknown,
    EquationContradicts,
    EquationEmpty,
    OnlyY,
    OnlyX,
    Unique,
    Dependent,
    Contradictory,
    OutOfRange,
};
struct Linear {
    LinearKind kind = LinearKind::NoUnknown;
    Expected x;
    Expected y;
};
Linear linear(const std::array<QString, 6> &typed, const std::array<bool, 6> &minus);

}  // namespace reference
