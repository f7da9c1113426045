#include "shared/arithmetic.h"

#include <cmath>

namespace arithmetic {

std::optional<Result> operate(const QString &sign, double a, double b)
{
    if (sign.size() != 1)
        return std::nullopt;
    double value = 0;
    switch (sign.at(0).unicode()) {
    case '+': value = a + b; break;
    case '-': value = a - b; break;
    case '*': value = a * b; break;
    case '/':
        if (b == 0)
            return Result{0, Refusal::DivisionByZero};
        value = a / b;
        break;
    default: return std::nullopt;
    }
    if (!std::isfinite(value))
        return Result{0, Refusal::NotRepresentable};
    return Result{value, Refusal::None};
}

}  // namespace arithmetic
