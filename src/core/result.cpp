#include "core/result.h"

#include "core/numbertext.h"
#include "core/texts.h"

namespace core {

QString refusalText(Refusal refusal, const exact::Number &x)
{
    switch (refusal) {
    case Refusal::None: return QString();
    case Refusal::DivisionByZero: return texts::kDivisionByZero;
    case Refusal::NotRepresentable: return texts::kNotRepresentable;
    case Refusal::NoRealResult: return texts::kNoRealResult;
    case Refusal::EvenRootOfNegative: return texts::kEvenRootOfNegative;
    case Refusal::WholeNumbersOnly: return texts::kWholeNumbersOnly;
    case Refusal::FactorialTooLarge: return texts::kFactorialTooLarge;
    case Refusal::FactorialNotWhole: return texts::kFactorialNotWhole;
    case Refusal::LogOfNonPositive: return texts::kLogOfNonPositive;
    case Refusal::SineRange: return texts::kSineRange;
    case Refusal::CosineRange: return texts::kCosineRange;
    case Refusal::TangentPole: return texts::kTangentPole.arg(numbertext::displayForm(x));
    case Refusal::CotangentPole: return texts::kCotangentPole.arg(numbertext::displayForm(x));
    }
    return QString();
}

}  // namespace core
