#include "core/numberscan.h"

#include <algorithm>

namespace core::numberscan {

int digitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return -1;
}

Scan scan(const QString &text, const Options &options)
{
    Scan s;
    const int n = text.size();
    int i = 0;
    auto skip = [&](int &k) {
        while (options.skipBlanks && k < n && text.at(k) == QLatin1Char(' '))
            ++k;
    };
    auto isDigit = [&](int k) {
        const int v = k < n ? digitValue(text.at(k)) : -1;
        return v >= 0 && v < options.digits;
    };
    auto isSign = [&](int k) { return k < n && (text.at(k) == QLatin1Char('-') || text.at(k) == QLatin1Char('+')); };

    skip(i);
    if (options.sign && isSign(i)) {
        s.negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    for (skip(i); i < n; ++i, skip(i)) {
        if (isDigit(i))
            (s.point ? s.fraction : s.whole) += text.at(i).toUpper();
        else if (options.point && text.at(i) == QLatin1Char('.') && !s.point)
            s.point = true;
        else
            break;
    }
    s.end = i;

    if (!options.exponent || !s.hasDigits() || i >= n)
        return s;
    const QChar e = text.at(i).toUpper();
    if (e != QLatin1Char('E') && e != QLatin1Char('D'))
        return s;
    int k = i + 1;
    skip(k);
    bool negative = false;
    if (isSign(k)) {
        negative = text.at(k) == QLatin1Char('-');
        ++k;
    }
    long exponent = 0;
    bool any = false;
    // Decimal digits only, whatever `digits` says: "E" itself is a hex digit.
    for (skip(k); k < n && digitValue(text.at(k)) >= 0 && digitValue(text.at(k)) < 10; ++k, skip(k)) {
        any = true;
        // Anything this large already over- or underflows a double.
        exponent = std::min(100000L, exponent * 10 + digitValue(text.at(k)));
    }
    if (any) {
        s.exponent = negative ? -exponent : exponent;
        s.end = k;
    }
    return s;
}

}  // namespace core::numberscan
