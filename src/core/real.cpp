#include "core/real.h"

namespace core {

namespace {
constexpr long kHuge = 1100;   // 2^1100 is past every double
constexpr long kTiny = -4000;  // 2^-4000 is below every double

// The widest exponent range MPFR offers, once, so that ranges end only where
// no display can show the number anyway.
void widenRange()
{
    static const bool widened = [] {
        mpfr_set_emin(mpfr_get_emin_min());
        mpfr_set_emax(mpfr_get_emax_max());
        return true;
    }();
    (void)widened;
}

exact::Number powerOfTwo(long exponent)
{
    mpz_class power(1);
    power <<= mp_bitcnt_t(std::labs(exponent));
    return exponent >= 0 ? exact::Number(power) : exact::Number(1, 1) / exact::Number(power);
}
}  // namespace

Real::Real(const exact::Number &value, mpfr_prec_t precision)
{
    widenRange();
    mpfr_init2(value_, precision);
    mpfr_set_q(value_, value.get_mpq_t(), MPFR_RNDN);
}

Real::~Real() { mpfr_clear(value_); }

Real::Real(const Real &other)
{
    mpfr_init2(value_, mpfr_get_prec(other.value_));
    mpfr_set(value_, other.value_, MPFR_RNDN);
}

Real &Real::operator=(const Real &other)
{
    mpfr_set(value_, other.value_, MPFR_RNDN);
    return *this;
}

exact::Number Real::toExact() const
{
    const int sign = mpfr_sgn(value_);
    const bool underflow = mpfr_underflow_p() != 0;
    const bool overflow = mpfr_overflow_p() != 0;
    mpfr_clear_flags();
    if (mpfr_inf_p(value_) || overflow || (sign != 0 && mpfr_get_exp(value_) > kHuge))
        return (sign < 0 ? -1 : 1) * powerOfTwo(kHuge);
    if (sign == 0)
        return underflow ? (mpfr_signbit(value_) ? -1 : 1) * powerOfTwo(kTiny) : exact::Number(0);
    if (mpfr_get_exp(value_) < kTiny)
        return sign * powerOfTwo(kTiny);
    return exactValue();
}

exact::Number Real::exactValue() const
{
    exact::Number result;
    mpfr_get_q(result.get_mpq_t(), value_);
    return result;
}

}  // namespace core
