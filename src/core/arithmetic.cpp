#include "core/arithmetic.h"

#include <cmath>

namespace arithmetic {

std::optional<Result> operate(core::Operation operation, double a, double b)
{
    using core::Operation;
    double value = 0;
    switch (operation) {
    case Operation::Add: value = a + b; break;
    case Operation::Subtract: value = a - b; break;
    case Operation::Multiply: value = a * b; break;
    case Operation::Divide:
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
