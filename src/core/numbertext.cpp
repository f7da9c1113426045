#include "core/numbertext.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace core::numbertext {

namespace {
constexpr int kDigits = 15;

mpz_class tenTo(long n)
{
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(n));
    return power;
}

// num * 10^a against den * 10^b, for exponents of either sign, in whole numbers.
int compareScaled(const mpz_class &num, const mpz_class &den, long exponent)
{
    return exponent >= 0 ? cmp(num, den * tenTo(exponent)) : cmp(num * tenTo(-exponent), den);
}

// |value| as kDigits digits d and the exponent e of its first digit:
// |value| ~ d.ddd * 10^e, rounded once, halves to even. Whole numbers only:
// a key press should not pay for fractions kept in lowest terms.
std::pair<std::string, long> significant(const exact::Number &magnitude)
{
    const mpz_class &num = magnitude.get_num(), &den = magnitude.get_den();
    // The exponent from the sizes, corrected until 10^e <= |value| < 10^(e+1).
    long e = long(mpz_sizeinbase(num.get_mpz_t(), 10)) - long(mpz_sizeinbase(den.get_mpz_t(), 10));
    while (compareScaled(num, den, e) < 0)
        --e;
    while (compareScaled(num, den, e + 1) >= 0)
        ++e;
    const long shift = kDigits - 1 - e;
    const mpz_class numerator = shift >= 0 ? mpz_class(num * tenTo(shift)) : num;
    const mpz_class denominator = shift >= 0 ? den : mpz_class(den * tenTo(-shift));
    mpz_class digits, rest;
    mpz_fdiv_qr(digits.get_mpz_t(), rest.get_mpz_t(), numerator.get_mpz_t(), denominator.get_mpz_t());
    const int half = cmp(2 * rest, denominator);
    if (half > 0 || (half == 0 && mpz_odd_p(digits.get_mpz_t())))
        ++digits;
    if (digits == tenTo(kDigits)) {
        // 9.99...95 rounds up to the next power of ten.
        digits /= 10;
        ++e;
    }
    return {digits.get_str(), e};
}
}  // namespace

QString str(const exact::Number &value)
{
    if (sgn(value) == 0)
        return QStringLiteral(" 0");
    auto [digits, exponent] = significant(abs(value));
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out(1, sgn(value) < 0 ? '-' : ' ');
    if (exponent >= 15 || exponent < -15) {
        out += digits.substr(0, 1);
        if (digits.size() > 1)
            out += '.' + digits.substr(1);
        char exp[24];
        std::snprintf(exp, sizeof exp, "E%c%02ld", exponent < 0 ? '-' : '+', std::labs(exponent));
        out += exp;
    } else if (exponent < 0) {
        out += '.' + std::string(size_t(-exponent - 1), '0') + digits;
    } else if (long(digits.size()) <= exponent + 1) {
        out += digits + std::string(size_t(exponent + 1 - long(digits.size())), '0');
    } else {
        out += digits.substr(0, size_t(exponent + 1)) + '.' + digits.substr(size_t(exponent + 1));
    }
    return QString::fromLatin1(out.c_str());
}

QString displayForm(const exact::Number &value) { return str(value).trimmed(); }

QString displayFormLeadingZero(const exact::Number &value)
{
    const QString form = displayForm(value);
    return sgn(value) > 0 && form.startsWith(QLatin1Char('.')) ? QLatin1Char('0') + form : form;
}

QString decimalWithin(const exact::Number &value, int width)
{
    const bool negative = sgn(value) < 0;
    const exact::Number magnitude = abs(value);
    mpz_class whole;
    mpz_fdiv_q(whole.get_mpz_t(), magnitude.get_num_mpz_t(), magnitude.get_den_mpz_t());
    // The decimals that fit after the sign, the whole part and the point.
    const auto headOf = [negative](const mpz_class &w) {
        return std::string(negative ? "-" : "") + (negative && w == 0 ? std::string() : w.get_str());
    };
    const long room = std::max(0L, long(width) - long(headOf(whole).size()) - 1);
    const mpz_class scale = tenTo(room);
    mpz_class decimals = exact::roundHalfEven(exact::Number(magnitude - whole) * scale);
    if (decimals == scale) {  // 0.999... rounds up to the next whole number
        ++whole;
        decimals = 0;
    }
    std::string out = headOf(whole);
    if (decimals != 0) {
        std::string digits = decimals.get_str();
        digits.insert(0, size_t(room) - digits.size(), '0');
        while (digits.back() == '0')
            digits.pop_back();
        out += '.' + digits;
    } else if (negative && whole == 0) {
        out = "0";  // what rounds to nothing has no sign
    }
    return QString::fromLatin1(out.c_str());
}

}  // namespace core::numbertext
