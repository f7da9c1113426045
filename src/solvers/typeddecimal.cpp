#include "solvers/typeddecimal.h"

#include "shared/numberscan.h"

#include <algorithm>

TypedDecimal TypedDecimal::read(const QString &text)
{
    const numberscan::Scan s = numberscan::scan(text);
    TypedDecimal result;
    result.negative = s.negative;
    result.digits = (s.whole + s.fraction).toStdString();
    result.scale = int(s.fraction.size());
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
