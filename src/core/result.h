#pragma once

#include <QString>

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

struct Result {
    double value = 0;
    Refusal refusal = Refusal::None;
    bool ok() const { return refusal == Refusal::None; }
};

// The text a refusal shows. `x` is the argument the key worked on; the pole
// messages name it in its display form.
QString refusalText(Refusal refusal, double x = 0);
