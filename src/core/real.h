#pragma once

#include "core/exact.h"

#include <mpfr.h>

namespace core {

// A number beyond the rationals (a logarithm, a power, an angle's sine) in
// MPFR, at 128 bits (about 38 significant digits) or more: every function
// computes from the exact operands, so its error stays far below half a unit
// of the 15th digit a display shows.
class Real {
public:
    static constexpr mpfr_prec_t kPrecision = 128;

    explicit Real(const exact::Number &value = exact::Number(0), mpfr_prec_t precision = kPrecision);
    ~Real();
    Real(const Real &other);
    Real &operator=(const Real &other);

    mpfr_ptr get() { return value_; }
    mpfr_srcptr get() const { return value_; }

    // The value as an exact number. Past the largest double it stays past
    // it, a tiny non-zero value stays tiny and non-zero (2^+-4000 at most),
    // whatever MPFR's range made of it; the flags are cleared.
    exact::Number toExact() const;
    // The value as an exact number however large or small: for an
    // intermediate (a square root the roots are then divided by), which no
    // range judges.
    exact::Number exactValue() const;

private:
    mpfr_t value_;
};

}  // namespace core
