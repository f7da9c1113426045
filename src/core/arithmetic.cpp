#include "core/arithmetic.h"

namespace core::arithmetic {

std::optional<Result> operate(core::Operation operation, const exact::Number &a, const exact::Number &b)
{
    using core::Operation;
    exact::Number value;
    switch (operation) {
    case Operation::Add: value = a + b; break;
    case Operation::Subtract: value = a - b; break;
    case Operation::Multiply: value = a * b; break;
    case Operation::Divide:
        if (sgn(b) == 0)
            return Result{0, Refusal::DivisionByZero};
        value = a / b;
        break;
    default: return std::nullopt;
    }
    if (exact::aboveDoubles(value))
        return Result{0, Refusal::NotRepresentable};
    return Result{value, Refusal::None};
}

}  // namespace core::arithmetic
