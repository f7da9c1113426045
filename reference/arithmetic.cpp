// The four operations, the scientific window's operations and its function
// keys, computed far beyond double precision.
#include "bigfloat.h"
#include "reference.h"

#include <gmpxx.h>

#include <cmath>

namespace reference {
namespace {

Expected refused(Refusal why)
{
    Expected e;
    e.refusal = why;
    return e;
}

// A result is shown when its double is finite.
Expected number(const Big &v, std::optional<int> decimals = std::nullopt)
{
    if (!std::isfinite(nearest(v)))
        return refused(Refusal::NotRepresentable);
    Expected e;
    e.value = text(v);
    e.decimals = decimals;
    if (undecidedSnap())
        e.alternative = text(*undecidedSnap());
    undecidedSnap().reset();
    return e;
}

bool whole(double x) { return std::isfinite(x) && x == std::trunc(x); }

Big plainResult(QChar sign, double a, double b, bool &byZero)
{
    Big r, x(a), y(b);
    byZero = false;
    switch (sign.unicode()) {
    case '+': mpfr_add(r.get(), x.get(), y.get(), MPFR_RNDN); break;
    case '-': mpfr_sub(r.get(), x.get(), y.get(), MPFR_RNDN); break;
    case '*': mpfr_mul(r.get(), x.get(), y.get(), MPFR_RNDN); break;
    default: byZero = b == 0; mpfr_div(r.get(), x.get(), y.get(), MPFR_RNDN);
    }
    return r;
}

// Degrees to radians with the 15-digit Pi, after the exact reduction.
Big radians(double x)
{
    Big r(x), full(360.0), out;
    mpfr_fmod(r.get(), r.get(), full.get(), MPFR_RNDN);
    mpfr_mul(out.get(), r.get(), pi15().get(), MPFR_RNDN);
    mpfr_div_ui(out.get(), out.get(), 180, MPFR_RNDN);
    return out;
}

Big degrees(const Big &r)
{
    Big out;
    mpfr_mul_ui(out.get(), r.get(), 180, MPFR_RNDN);
    mpfr_div(out.get(), out.get(), pi15().get(), MPFR_RNDN);
    return out;
}

}  // namespace

Expected standardOperation(QChar sign, double a, double b)
{
    bool byZero = false;
    const Big r = plainResult(sign, a, b, byZero);
    return byZero ? refused(Refusal::DivisionByZero) : number(r);
}

Expected informaticsOperation(QChar sign, double a, double b, int base)
{
    if (base == 10)
        return standardOperation(sign, a, b);
    bool byZero = false;
    Big r = plainResult(sign, a, b, byZero);
    if (byZero)
        return refused(Refusal::DivisionByZero);
    // The result is a double before its whole part is taken: a quotient one
    // unit off a whole number (4 / 0.2 is 19.999.. on the doubles) is that
    // whole number, as one rounded operation gives it.
    const double rounded = nearest(r);
    if (!std::isfinite(rounded))
        return refused(Refusal::NotRepresentable);
    mpfr_set_d(r.get(), rounded, MPFR_RNDN);
    mpfr_trunc(r.get(), r.get());
    if (mpfr_cmpabs(r.get(), Big(9007199254740991.0).get()) > 0)
        return refused(Refusal::TooLargeToConvert);
    return conversion(QString::number(mpfr_get_d(r.get(), MPFR_RNDN), 'f', 0), 10, base);
}

Expected scientificOperation(Operation op, double a, double b)
{
    Big x(a), y(b), r;
    switch (op) {
    case Operation::Add: return standardOperation(QLatin1Char('+'), a, b);
    case Operation::Subtract: return standardOperation(QLatin1Char('-'), a, b);
    case Operation::Multiply: return standardOperation(QLatin1Char('*'), a, b);
    case Operation::Divide:
        if (b == 0)
            return refused(Refusal::DivisionByZero);
        mpfr_div(r.get(), x.get(), y.get(), MPFR_RNDN);
        return number(kerekit(r));
    case Operation::Power:
        if (a == 0 && b < 0)
            return refused(Refusal::DivisionByZero);
        if (a < 0 && !whole(b))
            return refused(Refusal::NoRealResult);
        mpfr_pow(r.get(), x.get(), y.get(), MPFR_RNDN);
        return number(kerekit(r));
    case Operation::Root: {
        if (b == 0)
            return refused(Refusal::DivisionByZero);
        if (a < 0 && !whole(b))
            return refused(Refusal::NoRealResult);
        if (a < 0 && std::fmod(b, 2.0) == 0)
            return refused(Refusal::EvenRootOfNegative);
        if (a == 0 && b < 0)
            return refused(Refusal::DivisionByZero);
        // The real root: the index is the exact double, not 1/index rounded.
        Big inverse;
        mpfr_ui_div(inverse.get(), 1, y.get(), MPFR_RNDN);
        mpfr_abs(x.get(), x.get(), MPFR_RNDN);
        mpfr_pow(r.get(), x.get(), inverse.get(), MPFR_RNDN);
        if (a < 0)
            mpfr_neg(r.get(), r.get(), MPFR_RNDN);
        return number(kerekit(r));
    }
    case Operation::Percent:
        mpfr_mul(r.get(), x.get(), y.get(), MPFR_RNDN);
        mpfr_div_ui(r.get(), r.get(), 100, MPFR_RNDN);
        return number(kerekit(r));
    case Operation::Gcd:
    case Operation::Lcm: {
        if (!whole(a) || !whole(b) || std::fabs(a) >= 9007199254740992.0 || std::fabs(b) >= 9007199254740992.0)
            return refused(Refusal::WholeNumbersOnly);
        const mpz_class p(std::fabs(a)), q(std::fabs(b));
        mpz_class out;
        if (op == Operation::Gcd)
            mpz_gcd(out.get_mpz_t(), p.get_mpz_t(), q.get_mpz_t());
        else
            mpz_lcm(out.get_mpz_t(), p.get_mpz_t(), q.get_mpz_t());
        mpfr_set_z(r.get(), out.get_mpz_t(), MPFR_RNDN);
        return number(r);
    }
    }
    return refused(Refusal::NotRepresentable);
}

Expected function(Function f, double x)
{
    Big v(x), r, one(1.0);
    switch (f) {
    case Function::Factorial:
        if (x > 170)
            return refused(Refusal::FactorialTooLarge);
        if (x < 0 || !whole(x))
            return refused(Refusal::FactorialNotWhole);
        mpfr_fac_ui(r.get(), static_cast<unsigned long>(x), MPFR_RNDN);
        return number(r);
    case Function::Reciprocal:
        if (x == 0)
            return refused(Refusal::DivisionByZero);
        mpfr_ui_div(r.get(), 1, v.get(), MPFR_RNDN);
        return number(kerekit(r));
    case Function::DecimalLog:
    case Function::NaturalLog:
        if (!(x > 0))
            return refused(Refusal::LogOfNonPositive);
        (f == Function::DecimalLog ? mpfr_log10 : mpfr_log)(r.get(), v.get(), MPFR_RNDN);
        return number(kerekit(roundTo(r, 14)), 14);
    case Function::TenPower: mpfr_ui_pow(r.get(), 10, v.get(), MPFR_RNDN); return number(kerekit(r));
    case Function::EPower: mpfr_pow(r.get(), e15().get(), v.get(), MPFR_RNDN); return number(kerekit(r));
    case Function::Sine:
    case Function::Cosine:
        (f == Function::Sine ? mpfr_sin : mpfr_cos)(r.get(), radians(x).get(), MPFR_RNDN);
        return number(kerekit(roundTo(r, 14)), 14);
    case Function::Tangent:
        if (std::fabs(std::fmod(x, 180.0)) == 90)
            return refused(Refusal::TangentPole);
        mpfr_tan(r.get(), radians(x).get(), MPFR_RNDN);
        return number(kerekit(roundTo(r, 14)), 14);
    case Function::Cotangent: {
        if (std::fmod(x, 180.0) == 0)
            return refused(Refusal::CotangentPole);
        // 1 / Round(tan, 14); a tangent that rounds to 0 is taken unrounded.
        Big t;
        mpfr_tan(t.get(), radians(x).get(), MPFR_RNDN);
        const Big rounded = roundTo(t, 14);
        mpfr_ui_div(r.get(), 1, (mpfr_zero_p(rounded.get()) ? t : rounded).get(), MPFR_RNDN);
        // The tangent is fixed to 14 places, so the cotangent only to about
        // 1E-14 * ctg^2; with the shown digit's own rounding that makes the
        // last digit the rule determines.
        const double c = mpfr_get_d(r.get(), MPFR_RNDN);
        const bool rule = !mpfr_zero_p(rounded.get()) && std::isnormal(c);
        return number(kerekit(r),
                      rule ? std::optional<int>(int(std::floor(-std::log10(2e-14 * c * c)))) : std::nullopt);
    }
    case Function::ArcSine:
    case Function::ArcCosine:
        if (!(x >= -1 && x <= 1))
            return refused(f == Function::ArcSine ? Refusal::SineRange : Refusal::CosineRange);
        (f == Function::ArcSine ? mpfr_asin : mpfr_acos)(r.get(), v.get(), MPFR_RNDN);
        return number(kerekit(roundTo(degrees(r), 12)), 12);
    case Function::ArcTangent:
    case Function::ArcCotangent:
        mpfr_atan(r.get(), v.get(), MPFR_RNDN);
        r = degrees(r);
        if (f == Function::ArcCotangent)
            mpfr_ui_sub(r.get(), 90, r.get(), MPFR_RNDN);
        return number(kerekit(roundTo(r, 12)), 12);
    }
    return refused(Refusal::NotRepresentable);
}

}  // namespace reference
