#include "core/exact.h"

#include "core/numberscan.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <vector>

namespace core::exact {

namespace {
constexpr long kMantissaBits = 53;
constexpr long kSmallestExponent = -1074;  // of the smallest subnormal
}  // namespace

double toDouble(const Number &value)
{
    const int sign = sgn(value);
    if (sign == 0)
        return 0;
    const mpz_class n = abs(value.get_num());
    const mpz_class &d = value.get_den();
    // n / d lies in [2^(e0 - 1), 2^(e0 + 1)).
    const long e0 = long(mpz_sizeinbase(n.get_mpz_t(), 2)) - long(mpz_sizeinbase(d.get_mpz_t(), 2));
    if (e0 > 1100)
        return sign * HUGE_VAL;
    if (e0 < kSmallestExponent - 10)
        return sign * 0.0;

    // At least 56 bits of the quotient, and whether anything is left over.
    const long shift = 56 - e0;
    mpz_class numerator = n;
    mpz_class denominator = d;
    if (shift >= 0)
        numerator <<= mp_bitcnt_t(shift);
    else
        denominator <<= mp_bitcnt_t(-shift);
    mpz_class quotient, remainder;
    mpz_tdiv_qr(quotient.get_mpz_t(), remainder.get_mpz_t(), numerator.get_mpz_t(), denominator.get_mpz_t());
    const bool inexact = remainder != 0;

    // The value is quotient * 2^-shift; its last kept bit stands at ulp.
    const long leading = long(mpz_sizeinbase(quotient.get_mpz_t(), 2)) - 1 - shift;
    const long ulp = std::max(leading - (kMantissaBits - 1), kSmallestExponent);
    const long dropped = ulp + shift;  // >= 3 bits
    mpz_class kept = quotient >> mp_bitcnt_t(dropped);
    const mpz_class rest = quotient - (kept << mp_bitcnt_t(dropped));
    const mpz_class half = mpz_class(1) << mp_bitcnt_t(dropped - 1);
    if (rest > half || (rest == half && (inexact || mpz_odd_p(kept.get_mpz_t()))))
        ++kept;
    // kept <= 2^53: exact in a double; ldexp overflows to infinity.
    return sign * std::ldexp(kept.get_d(), int(ulp));
}

Number powerOfTen(long exponent)
{
    // The powers a key press needs again and again, made once.
    constexpr long kKept = 64;
    static const std::vector<Number> kept = [] {
        std::vector<Number> powers;
        Number power(1, 1);
        for (long e = 0; e <= kKept; ++e, power *= 10)
            powers.push_back(power);
        return powers;
    }();
    if (std::labs(exponent) <= kKept)
        return exponent >= 0 ? kept[size_t(exponent)] : Number(1, 1) / kept[size_t(-exponent)];
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(std::labs(exponent)));
    return exponent >= 0 ? Number(power) : Number(1, 1) / Number(power);
}

Number read(const QString &text)
{
    numberscan::Options options;
    options.exponent = true;
    const numberscan::Scan s = numberscan::scan(text, options);
    const QString digits = s.whole + s.fraction;
    Number value(digits.isEmpty() ? mpz_class(0) : mpz_class(digits.toStdString(), 10));
    value *= powerOfTen(s.exponent - long(s.fraction.size()));
    value.canonicalize();
    return s.negative ? Number(-value) : value;
}

Number ofDouble(double value)
{
    if (!std::isfinite(value))
        return Number(0);
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    (void)error;  // 32 characters hold every double
    return read(QString::fromLatin1(buffer, int(end - buffer)));
}

bool aboveDoubles(const Number &value)
{
    static const Number largest(std::numeric_limits<double>::max());
    return abs(value) > largest;
}

bool belowDoubles(const Number &value)
{
    static const Number smallest(std::numeric_limits<double>::min());
    return sgn(value) != 0 && abs(value) < smallest;
}

mpz_class roundHalfEven(const Number &value)
{
    mpz_class quotient, remainder;
    mpz_fdiv_qr(quotient.get_mpz_t(), remainder.get_mpz_t(), value.get_num_mpz_t(), value.get_den_mpz_t());
    const int half = cmp(2 * remainder, value.get_den());
    if (half > 0 || (half == 0 && mpz_odd_p(quotient.get_mpz_t())))
        ++quotient;
    return quotient;
}

Number roundTo(const Number &value, int decimals)
{
    // In whole numbers: num * 10^d / den rounded, over 10^d.
    mpz_class scale;
    mpz_ui_pow_ui(scale.get_mpz_t(), 10, static_cast<unsigned long>(decimals));
    Number rounded(roundHalfEven(Number(value.get_num() * scale, value.get_den())), scale);
    rounded.canonicalize();
    return rounded;
}

}  // namespace core::exact
