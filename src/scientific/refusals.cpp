#include "scientific/refusals.h"

#include "shared/numbertext.h"

namespace scientific {

QString refusalMessage(Refusal refusal, double x)
{
    switch (refusal) {
    case Refusal::None: return QString();
    case Refusal::DivisionByZero: return QStringLiteral("Nullával nem lehet osztani!");
    case Refusal::NotRepresentable: return QStringLiteral("Az eredmény nem ábrázolható!");
    case Refusal::NoRealResult: return QStringLiteral("Nincs valós eredmény!");
    case Refusal::EvenRootOfNegative:
        return QStringLiteral("Negatív számból nem lehet páros gyökkitevőjű gyököt vonni!");
    case Refusal::WholeNumbersOnly: return QStringLiteral("Csak egész számokra értelmezett!");
    case Refusal::FactorialTooLarge: return QStringLiteral("A maximális érték: 170.");
    case Refusal::FactorialNotWhole:
        return QStringLiteral("Csak nemnegatív egész számnak van faktoriálisa!");
    case Refusal::LogOfNonPositive: return QStringLiteral("Csak pozitív számnak van logaritmusa!");
    case Refusal::SineRange: return QStringLiteral("Egy szög sinusa -1 és 1 közötti érték lehet!");
    case Refusal::CosineRange: return QStringLiteral("Egy szög cosinusa -1 és 1 közötti érték lehet!");
    case Refusal::TangentPole:
        return QStringLiteral("Nullával nem lehet osztani! ( cos %1° értéke 0 )").arg(numbertext::displayForm(x));
    case Refusal::CotangentPole:
        return QStringLiteral("Nullával nem lehet osztani! ( sin %1° értéke 0 )").arg(numbertext::displayForm(x));
    }
    return QString();
}

}  // namespace scientific
