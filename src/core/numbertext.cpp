#include "core/numbertext.h"

#include "core/numberscan.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace numbertext {

double val(const QString &text)
{
    numberscan::Options options;
    options.exponent = true;
    const numberscan::Scan s = numberscan::scan(text, options);
    if (!s.hasDigits())
        return s.negative ? -0.0 : 0.0;

    // from_chars rounds the decimal text once, correctly.
    const std::string mantissa = (s.whole + QLatin1Char('.') + s.fraction).toStdString();
    const std::string number = mantissa + 'e' + std::to_string(s.exponent);
    double value = 0;
    const auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)ptr;
    if (ec == std::errc::result_out_of_range) {
        // Tell overflow from underflow by the order of magnitude.
        const auto firstNonZero = mantissa.find_first_not_of("0.");
        if (firstNonZero == std::string::npos) {
            value = 0;
        } else {
            const long intDigits = long(s.whole.size());
            const long magnitude = intDigits - long(firstNonZero) + s.exponent;
            value = magnitude > 0 ? HUGE_VAL : 0.0;
        }
    }
    return s.negative ? -value : value;
}

QString str(double value)
{
    if (!std::isfinite(value))
        return QString();
    if (value == 0)
        return QStringLiteral(" 0");

    // 15 significant digits, rounded; the exponent is read after rounding so
    // 999999999999999.9 becomes 1E+15.
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(value));
    const std::string formatted(buffer);
    const auto ePos = formatted.find('e');
    std::string digits = formatted.substr(0, 1) + formatted.substr(2, ePos - 2);
    const int exponent = std::atoi(formatted.c_str() + ePos + 1);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out(1, value < 0 ? '-' : ' ');
    if (exponent >= 15 || exponent < -15) {
        out += digits.substr(0, 1);
        if (digits.size() > 1)
            out += '.' + digits.substr(1);
        char exp[16];
        std::snprintf(exp, sizeof exp, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
        out += exp;
    } else if (exponent < 0) {
        out += '.' + std::string(size_t(-exponent - 1), '0') + digits;
    } else if (int(digits.size()) <= exponent + 1) {
        out += digits + std::string(size_t(exponent + 1 - int(digits.size())), '0');
    } else {
        out += digits.substr(0, size_t(exponent + 1)) + '.' + digits.substr(size_t(exponent + 1));
    }
    return QString::fromLatin1(out.c_str());
}

QString displayForm(double value) { return str(value).trimmed(); }

QString displayFormLeadingZero(double value)
{
    const QString form = displayForm(value);
    return value > 0 && value < 1 && form.startsWith(QLatin1Char('.')) ? QLatin1Char('0') + form : form;
}

}  // namespace numbertext
