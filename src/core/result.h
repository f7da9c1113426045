#pragma once

#include "core/exact.h"

#include <QString>

namespace core {

// The outcome of a calculation: the value to show, or why there is none.
enum class Refusal {
    None,
    DivisionByZero,
    NotRepresentable,
    NoRealResult,
    EvenRootOfNegative,
    WholeNumbersOnly,
    FactorialTooLarge,
    FactorialNotWhole,
    LogOfNonPositive,
    SineRange,
    CosineRange,
    TangentPole,
    CotangentPole,
};

// The value is exact as far as the rules go: rationals exactly, the other
// functions to 128 bits or more, far closer than half a unit of the 15th digit.
struct Result {
    exact::Number value;
    Refusal refusal = Refusal::None;
    bool ok() const { return refusal == Refusal::None; }
};

// The text a refusal shows. `x` is the argument the key worked on; the pole
// messages name it in its display form.
QString refusalText(Refusal refusal, const exact::Number &x = {});

}  // namespace core
