#include "solvers/typeddecimal.h"

#include <algorithm>

TypedDecimal TypedDecimal::read(const QString &text)
{
    TypedDecimal result;
    int i = 0;
    const int n = text.size();
    auto skipBlanks = [&] {
        while (i < n && text.at(i) == QLatin1Char(' '))
            ++i;
    };
    skipBlanks();
    if (i < n && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+'))) {
        result.negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    bool seenPoint = false;
    for (skipBlanks(); i < n; skipBlanks()) {
        const QChar c = text.at(i);
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            result.digits += char(c.unicode());
            if (seenPoint)
                ++result.scale;
        } else if (c == QLatin1Char('.') && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
        ++i;
    }
    return result;
}

bool TypedDecimal::isZero() const
{
    return std::all_of(digits.begin(), digits.end(), [](char c) { return c == '0'; });
}

TypedDecimal TypedDecimal::negated() const
{
    TypedDecimal result = *this;
    result.negative = !negative;
    return result;
}

BigInt TypedDecimal::scaledTo(int commonScale) const
{
    const std::string padded = digits + std::string(size_t(std::max(0, commonScale - scale)), '0');
    return BigInt::fromDigits(padded, negative);
}
