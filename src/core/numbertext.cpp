#include "core/numbertext.h"

#include <cstdio>
#include <string>

namespace numbertext {

namespace {
constexpr int kDigits = 15;

// |value| as kDigits digits d and the exponent e of its first digit:
// |value| ~ d.ddd * 10^e, rounded once.
std::pair<std::string, long> significant(const exact::Number &magnitude)
{
    // The exponent from the sizes, corrected until 10^e <= |value| < 10^(e+1).
    long e = long(mpz_sizeinbase(magnitude.get_num_mpz_t(), 10)) - long(mpz_sizeinbase(magnitude.get_den_mpz_t(), 10));
    while (magnitude < exact::powerOfTen(e))
        --e;
    while (magnitude >= exact::powerOfTen(e + 1))
        ++e;
    mpz_class digits = exact::roundHalfEven(magnitude * exact::powerOfTen(kDigits - 1 - e));
    if (digits == exact::powerOfTen(kDigits).get_num()) {
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

}  // namespace numbertext
