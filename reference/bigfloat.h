#pragma once

#include <optional>

#include <mpfr.h>

#include <QString>

// A small owner of an mpfr_t at the reference's working precision, far
// beyond a double's 53 bits.
namespace reference {

constexpr mpfr_prec_t kBits = 320;

class Big {
public:
    Big()
    {
        mpfr_init2(v, kBits);
        mpfr_set_zero(v, 1);
    }
    explicit Big(double d) : Big() { mpfr_set_d(v, d, MPFR_RNDN); }
    explicit Big(const char *decimal) : Big() { mpfr_set_str(v, decimal, 10, MPFR_RNDN); }
    Big(const Big &o) : Big() { mpfr_set(v, o.v, MPFR_RNDN); }
    Big &operator=(const Big &o)
    {
        mpfr_set(v, o.v, MPFR_RNDN);
        return *this;
    }
    ~Big() { mpfr_clear(v); }

    mpfr_ptr get() { return v; }
    mpfr_srcptr get() const { return v; }

private:
    mpfr_t v;
};

// Pi and e as the keys write them.
Big pi15();
Big e15();
// Round(v, decimals), halves to even, as the rules round.
Big roundTo(const Big &v, int decimals);
// kerekit: within 1E-08 of a whole number snaps to it, but a non-zero value
// of magnitude 1E-14 or more never snaps to 0.
Big kerekit(const Big &v);
// Right after kerekit: the other outcome, when the value lies so close to
// the snapping distance that a double computation may fall either side.
std::optional<Big> &undecidedSnap();
// 40 significant digits, "1.234E+5" form; "0" for zero.
QString text(const Big &v);
// The double nearest to v, subnormals included.
double nearest(const Big &v);

}  // namespace reference
