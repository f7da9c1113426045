#include "core/functions.h"

#include "core/arithmetic.h"
#include "core/real.h"

#include <algorithm>

namespace core::functions {
namespace {

// Whole values below 2^53: what Lnko and Lkkt take.
const Number &exactWholeLimit()
{
    static const Number limit(mpz_class(1) << 53);
    return limit;
}

Result refused(Refusal why) { return {0, why}; }

bool isWhole(const Number &x) { return x.get_den() == 1; }

// The last steps every function shares: Round to `decimals` places (none
// with -1), kerekit, and the refusal of what no double holds.
Result finish(const Number &value, int decimals = -1, bool snap = true)
{
    Number v = decimals < 0 ? value : exact::roundTo(value, decimals);
    if (snap)
        v = kerekit(v);
    if (exact::aboveDoubles(v))
        return refused(Refusal::NotRepresentable);
    return {v, Refusal::None};
}

Result finish(const Real &value, int decimals = -1) { return finish(value.toExact(), decimals); }

// x mod m with the sign of x, exactly.
Number remainder(const Number &x, long m)
{
    const Number divided = x / m;
    mpz_class quotient;
    mpz_tdiv_q(quotient.get_mpz_t(), divided.get_num_mpz_t(), divided.get_den_mpz_t());
    return x - Number(quotient) * m;
}

// x degrees in radians, x first reduced modulo 360 exactly: every angle gets
// the answer of its small equivalent.
Real radians(const Number &x)
{
    static const Number perDegree = pi() / 180;
    return Real(remainder(x, 360) * perDegree);
}

Real degrees(Real radians)
{
    static const Real perRadian(180 / pi());
    mpfr_mul(radians.get(), radians.get(), perRadian.get(), MPFR_RNDN);
    return radians;
}

// base^exponent for a base that is positive, or negative with a whole
// exponent. The base's rounding error grows with the exponent (1.000000001
// to the 30000000000th), so the precision grows with the exponent's bits.
Real raised(const Number &base, const Number &exponent)
{
    const long bits =
        long(mpz_sizeinbase(exponent.get_num_mpz_t(), 2)) - long(mpz_sizeinbase(exponent.get_den_mpz_t(), 2));
    const mpfr_prec_t precision = Real::kPrecision + std::max(0L, bits);
    Real result(base, precision);
    const Real power(exponent, precision);
    mpfr_pow(result.get(), result.get(), power.get(), MPFR_RNDN);
    return result;
}

using Function = int (*)(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t);

Real apply(Function f, const Real &x)
{
    Real result(0, mpfr_get_prec(x.get()));
    f(result.get(), x.get(), MPFR_RNDN);
    return result;
}

}  // namespace

const Number &pi()
{
    static const Number value = exact::read(QStringLiteral("3.14159265358979"));
    return value;
}

const Number &e()
{
    static const Number value = exact::read(QStringLiteral("2.71828182845905"));
    return value;
}

Number kerekit(const Number &value)
{
    static const Number distance(1, 100000000);
    Number whole(exact::roundHalfEven(value));
    if (abs(value - whole) < distance && (sgn(whole) != 0 || sgn(value) == 0))
        return whole;
    return value;
}

Result quotient(const Number &a, const Number &b)
{
    const Result result = *arithmetic::operate(core::Operation::Divide, a, b);
    return result.ok() ? finish(result.value) : result;
}

Result power(const Number &base, const Number &exponent)
{
    if (sgn(base) == 0)
        return sgn(exponent) < 0 ? refused(Refusal::DivisionByZero) : finish(Number(sgn(exponent) == 0 ? 1 : 0));
    if (sgn(base) < 0 && !isWhole(exponent))
        return refused(Refusal::NoRealResult);
    return finish(raised(base, exponent));
}

Result root(const Number &radicand, const Number &index)
{
    if (sgn(index) == 0)
        return refused(Refusal::DivisionByZero);
    if (sgn(radicand) < 0) {
        if (!isWhole(index))
            return refused(Refusal::NoRealResult);
        if (mpz_even_p(index.get_num_mpz_t()))
            return refused(Refusal::EvenRootOfNegative);
        // An odd root of a negative number is the negated root of its magnitude.
        const Result magnitude = root(-radicand, index);
        return magnitude.ok() ? Result{-magnitude.value, Refusal::None} : magnitude;
    }
    if (sgn(radicand) == 0)
        return sgn(index) < 0 ? refused(Refusal::DivisionByZero) : finish(Number(0));
    if (isWhole(index) && index > 0 && index.get_num().fits_ulong_p()) {
        Real result(radicand);
        mpfr_rootn_ui(result.get(), result.get(), index.get_num().get_ui(), MPFR_RNDN);
        return finish(result);
    }
    return finish(raised(radicand, 1 / index));
}

Result percent(const Number &base, const Number &rate) { return finish(base * rate / 100); }

// Lnko and Lkkt: `combine` (mpz_gcd or mpz_lcm) of two whole operands below 2^53.
Result wholeOperation(const Number &a, const Number &b, void (*combine)(mpz_ptr, mpz_srcptr, mpz_srcptr))
{
    if (!isWhole(a) || !isWhole(b) || abs(a) >= exactWholeLimit() || abs(b) >= exactWholeLimit())
        return refused(Refusal::WholeNumbersOnly);
    mpz_class combined;
    combine(combined.get_mpz_t(), a.get_num_mpz_t(), b.get_num_mpz_t());
    return {Number(combined), Refusal::None};
}

Result gcd(const Number &a, const Number &b) { return wholeOperation(a, b, mpz_gcd); }
Result lcm(const Number &a, const Number &b) { return wholeOperation(a, b, mpz_lcm); }

Result factorial(const Number &x)
{
    if (x > 170)
        return refused(Refusal::FactorialTooLarge);
    if (sgn(x) < 0 || !isWhole(x))
        return refused(Refusal::FactorialNotWhole);
    mpz_class product;
    mpz_fac_ui(product.get_mpz_t(), x.get_num().get_ui());
    return {Number(product), Refusal::None};
}

Result reciprocal(const Number &x)
{
    if (sgn(x) == 0)
        return refused(Refusal::DivisionByZero);
    return finish(1 / x);
}

Result decimalLog(const Number &x)
{
    if (sgn(x) <= 0)
        return refused(Refusal::LogOfNonPositive);
    // ln x / ln 10: MPFR's own log10 takes twice as long.
    static const Real ln10 = apply(mpfr_log, Real(10));
    Real value = apply(mpfr_log, Real(x));
    mpfr_div(value.get(), value.get(), ln10.get(), MPFR_RNDN);
    return finish(value, 14);
}

Result naturalLog(const Number &x)
{
    if (sgn(x) <= 0)
        return refused(Refusal::LogOfNonPositive);
    return finish(apply(mpfr_log, Real(x)), 14);
}

Result tenPower(const Number &x) { return finish(raised(10, x)); }
Result ePower(const Number &x) { return finish(raised(e(), x)); }

Result sine(const Number &x) { return finish(apply(mpfr_sin, radians(x)), 14); }
Result cosine(const Number &x) { return finish(apply(mpfr_cos, radians(x)), 14); }

Result tangent(const Number &x)
{
    if (abs(remainder(x, 180)) == 90)
        return refused(Refusal::TangentPole);
    return finish(apply(mpfr_tan, radians(x)), 14);
}

Result cotangent(const Number &x)
{
    const Number reduced = remainder(x, 180);
    if (sgn(reduced) == 0)
        return refused(Refusal::CotangentPole);
    // A zero of the cotangent, though the 15-digit Pi leaves 1.6E-15 there.
    if (abs(reduced) == 90)
        return finish(Number(0));
    const Number tangentValue = apply(mpfr_tan, radians(x)).toExact();
    const Number rounded = exact::roundTo(tangentValue, 14);
    // Near (not at) a multiple of 180 the rounded tangent is 0; the true one
    // still gives the cotangent. The quotient itself is not rounded.
    return finish(1 / (sgn(rounded) != 0 ? rounded : tangentValue));
}

Result arcSine(const Number &x)
{
    if (x < -1 || x > 1)
        return refused(Refusal::SineRange);
    return finish(degrees(apply(mpfr_asin, Real(x))), 12);
}

Result arcCosine(const Number &x)
{
    if (x < -1 || x > 1)
        return refused(Refusal::CosineRange);
    return finish(degrees(apply(mpfr_acos, Real(x))), 12);
}

Result arcTangent(const Number &x) { return finish(degrees(apply(mpfr_atan, Real(x))), 12); }

Result arcCotangent(const Number &x) { return finish(90 - degrees(apply(mpfr_atan, Real(x))).toExact(), 12); }

}  // namespace core::functions
