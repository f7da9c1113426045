#include "core/functions.h"

#include "core/arithmetic.h"
#include "core/nearestdouble.h"

#include <cmath>

namespace scientific {
namespace {

// From 2^52 on every double is whole.
constexpr double kAllWhole = 4503599627370496.0;
// Whole values below 2^53 are exact and fit a 64-bit integer.
constexpr double kExactWhole = 9007199254740992.0;

Result refused(Refusal why) { return {0, why}; }

Result checked(double value)
{
    return std::isfinite(value) ? Result{value, Refusal::None} : refused(Refusal::NotRepresentable);
}

Result snappedIfFinite(double value)
{
    return std::isfinite(value) ? Result{kerekit(value), Refusal::None} : refused(Refusal::NotRepresentable);
}

double roundHalfEven(double value)
{
    if (!std::isfinite(value) || std::fabs(value) >= kAllWhole)
        return value;
    const double down = std::floor(value);
    const double fraction = value - down;  // exact below 2^52
    if (fraction > 0.5)
        return down + 1;
    if (fraction < 0.5)
        return down;
    return std::fmod(down, 2.0) == 0 ? down : down + 1;
}

bool isWhole(double x) { return std::isfinite(x) && x == std::trunc(x); }

// pi minus the double kPi: what the rules' Pi falls short of pi.
constexpr double kPiShortfall = 3.2310891488651735e-15;

// x degrees, as x * kPi / 180 radians, written as quadrant * pi/2 + delta.
// The angle is reduced modulo 360 and then to the nearest multiple of 90 in
// degrees, where both steps are exact, so a large angle gets the answer of
// its small equivalent; only the small rest becomes radians, so an angle
// near a pole keeps its digits.
struct Reduced {
    int quadrant;  // 0 .. 3
    double delta;  // radians, |delta| <= pi/4
};

Reduced reduce(double x)
{
    if (!std::isfinite(x))
        return {0, x - x};  // NaN: the caller refuses it as not representable
    const double r = std::fmod(x, 360.0);
    const double k = std::nearbyint(r / 90);
    const double rest = r - 90 * k;
    return {static_cast<int>(k) & 3, rest * kPi / 180 - k * (kPiShortfall / 2)};
}

double sineOf(double x)
{
    const auto [q, d] = reduce(x);
    const double v = q % 2 == 0 ? std::sin(d) : std::cos(d);
    return q >= 2 ? -v : v;
}

double cosineOf(double x)
{
    const auto [q, d] = reduce(x);
    const double v = q % 2 == 0 ? std::cos(d) : std::sin(d);
    return q == 1 || q == 2 ? -v : v;
}

double tangentOf(double x)
{
    const auto [q, d] = reduce(x);
    return q % 2 == 0 ? std::tan(d) : -1 / std::tan(d);
}

double radiansToDegrees(double r) { return r * 180 / kPi; }

// pow with 1 / index rounded drifts by up to index * ln(radicand) ulps. The
// rounding error of 1 / index is exact through fma, and raising to it
// corrects the root to about an ulp.
double rootOf(double radicand, double index)
{
    const double inverse = 1 / index;
    const double error = std::fma(-inverse, index, 1.0) / index;
    const double r = std::pow(radicand, inverse);
    if (!std::isnormal(r) || radicand <= 0)
        return r;
    return r + r * std::expm1(error * std::log(radicand));
}

}  // namespace

double roundTo(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    const double scaled = value * scale;
    if (!std::isfinite(scaled) || std::fabs(scaled) >= kAllWhole)
        return value;
    return roundHalfEven(scaled) / scale;
}

double kerekit(double value)
{
    const double whole = roundHalfEven(value);
    if (!(std::fabs(value - whole) < 1E-08))
        return value;
    // A small but real result is not rounding noise: keep it.
    if (whole == 0 && value != 0 && std::fabs(value) >= 1E-14)
        return value;
    return whole;
}

Result quotient(double a, double b)
{
    Result result = *arithmetic::operate(core::Operation::Divide, a, b);
    if (result.ok())
        result.value = kerekit(result.value);
    return result;
}

Result power(double base, double exponent)
{
    if (base == 0 && exponent < 0)
        return refused(Refusal::DivisionByZero);
    if (base < 0 && !isWhole(exponent))
        return refused(Refusal::NoRealResult);
    return snappedIfFinite(std::pow(base, exponent));
}

Result root(double radicand, double index)
{
    if (index == 0)
        return refused(Refusal::DivisionByZero);
    if (radicand < 0) {
        if (!isWhole(index))
            return refused(Refusal::NoRealResult);
        if (std::fmod(index, 2.0) == 0)
            return refused(Refusal::EvenRootOfNegative);
        // An odd root of a negative number is the negated root of its magnitude.
        return snappedIfFinite(-rootOf(-radicand, index));
    }
    if (radicand == 0 && index < 0)
        return refused(Refusal::DivisionByZero);
    return snappedIfFinite(rootOf(radicand, index));
}

Result percent(double base, double rate) { return snappedIfFinite(base * rate / 100); }

std::uint64_t euclid(std::uint64_t a, std::uint64_t b)
{
    while (b != 0) {
        const std::uint64_t rest = a % b;
        a = b;
        b = rest;
    }
    return a;
}

namespace {
bool wholeOperand(double x) { return isWhole(x) && std::fabs(x) < kExactWhole; }
std::uint64_t magnitude(double x) { return static_cast<std::uint64_t>(std::fabs(x)); }
}  // namespace

Result gcd(double a, double b)
{
    if (!wholeOperand(a) || !wholeOperand(b))
        return refused(Refusal::WholeNumbersOnly);
    return {static_cast<double>(euclid(magnitude(a), magnitude(b))), Refusal::None};
}

Result lcm(double a, double b)
{
    if (!wholeOperand(a) || !wholeOperand(b))
        return refused(Refusal::WholeNumbersOnly);
    const std::uint64_t x = magnitude(a);
    const std::uint64_t y = magnitude(b);
    if (x == 0 || y == 0)
        return {0, Refusal::None};
    // The product may pass 2^64; in double it stays finite (below 2^106).
    return checked(static_cast<double>(x / euclid(x, y)) * static_cast<double>(y));
}

Result factorial(double x)
{
    if (x > 170)
        return refused(Refusal::FactorialTooLarge);
    if (x < 0 || !isWhole(x))
        return refused(Refusal::FactorialNotWhole);
    // Exact, then rounded once: a product of doubles drifts in the last digit.
    mpz_class exact;
    mpz_fac_ui(exact.get_mpz_t(), static_cast<unsigned long>(x));
    return {nearestDouble(mpq_class(exact)), Refusal::None};
}

Result reciprocal(double x)
{
    if (x == 0)
        return refused(Refusal::DivisionByZero);
    return snappedIfFinite(1 / x);
}

Result decimalLog(double x)
{
    if (!(x > 0))
        return refused(Refusal::LogOfNonPositive);
    return snappedIfFinite(roundTo(std::log(x) / std::log(10.0), 14));
}

Result naturalLog(double x)
{
    if (!(x > 0))
        return refused(Refusal::LogOfNonPositive);
    return snappedIfFinite(roundTo(std::log(x), 14));
}

Result tenPower(double x) { return snappedIfFinite(std::pow(10.0, x)); }
Result ePower(double x) { return snappedIfFinite(std::pow(kE, x)); }

Result sine(double x) { return snappedIfFinite(roundTo(sineOf(x), 14)); }
Result cosine(double x) { return snappedIfFinite(roundTo(cosineOf(x), 14)); }

bool isTangentPole(double x) { return std::isfinite(x) && std::fabs(std::fmod(x, 180.0)) == 90; }
bool isCotangentPole(double x) { return std::isfinite(x) && std::fmod(x, 180.0) == 0; }

Result tangent(double x)
{
    if (isTangentPole(x))
        return refused(Refusal::TangentPole);
    return snappedIfFinite(roundTo(tangentOf(x), 14));
}

Result cotangent(double x)
{
    if (isCotangentPole(x))
        return refused(Refusal::CotangentPole);
    const double tangentValue = tangentOf(x);
    const double rounded = roundTo(tangentValue, 14);
    // Near (not at) a multiple of 180 the rounded tangent is 0; the true one
    // still gives the cotangent.
    return snappedIfFinite(1 / (rounded != 0 ? rounded : tangentValue));
}

// (1 - x)(1 + x) keeps the digits that 1 - x * x loses next to x = +-1.
double seged(double x) { return std::sqrt((1 - x) * (1 + x)); }

Result arcSine(double x)
{
    if (!(x >= -1 && x <= 1))
        return refused(Refusal::SineRange);
    // atan2 keeps +-90 at x = +-1, where sqrt(1 - x*x) is 0.
    return snappedIfFinite(roundTo(radiansToDegrees(std::atan2(x, seged(x))), 12));
}

Result arcCosine(double x)
{
    if (!(x >= -1 && x <= 1))
        return refused(Refusal::CosineRange);
    // atan2 gives the angle between 0 and 180, so negative x lands above 90.
    return snappedIfFinite(roundTo(radiansToDegrees(std::atan2(seged(x), x)), 12));
}

Result arcTangent(double x) { return snappedIfFinite(roundTo(radiansToDegrees(std::atan(x)), 12)); }

Result arcCotangent(double x) { return snappedIfFinite(roundTo(90 - radiansToDegrees(std::atan(x)), 12)); }

}  // namespace scientific
