#include "core/typeddecimal.h"

#include "core/numberscan.h"

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

mpq_class TypedDecimal::value() const
{
    mpq_class result(digits.empty() ? mpz_class(0) : mpz_class(digits, 10));
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(scale));
    result /= power;
    return negative ? -result : result;
}
