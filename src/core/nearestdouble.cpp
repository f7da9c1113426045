#include "core/nearestdouble.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr long kMantissaBits = 53;
constexpr long kSmallestExponent = -1074;  // of the smallest subnormal
}  // namespace

double nearestDouble(const mpq_class &value)
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
