#pragma once

#include <QString>

// The system's own messages, each written once. Windows show them on their
// tape, in their display or in a message box.
namespace core::texts {

// Calculator windows.
inline const QString kDigits = QStringLiteral("Számjegyeket írjon be!");
inline const QString kPoints = QStringLiteral("A törtekben csak egy tizedespont van!");
inline const QString kDivisionByZero = QStringLiteral("Nullával nem lehet osztani!");
inline const QString kNotRepresentable = QStringLiteral("Az eredmény nem ábrázolható!");

// Scientific functions.
inline const QString kNoRealResult = QStringLiteral("Nincs valós eredmény!");
inline const QString kEvenRootOfNegative = QStringLiteral("Negatív számból nem lehet páros gyökkitevőjű gyököt vonni!");
inline const QString kWholeNumbersOnly = QStringLiteral("Csak egész számokra értelmezett!");
inline const QString kFactorialTooLarge = QStringLiteral("A maximális érték: 170.");
inline const QString kFactorialNotWhole = QStringLiteral("Csak nemnegatív egész számnak van faktoriálisa!");
inline const QString kLogOfNonPositive = QStringLiteral("Csak pozitív számnak van logaritmusa!");
inline const QString kSineRange = QStringLiteral("Egy szög sinusa -1 és 1 közötti érték lehet!");
inline const QString kCosineRange = QStringLiteral("Egy szög cosinusa -1 és 1 közötti érték lehet!");
// The pole messages name the angle: %1 is its display form.
inline const QString kTangentPole = QStringLiteral("Nullával nem lehet osztani! ( cos %1° értéke 0 )");
inline const QString kCotangentPole = QStringLiteral("Nullával nem lehet osztani! ( sin %1° értéke 0 )");

// Informatics window.
inline const QString kFraction = QStringLiteral("Törtszámokat nem tudok átváltani! (Egyelőre)");
inline const QString kTooLargeToConvert = QStringLiteral("A szám túl nagy az átváltáshoz!");

// Quadratic solver (shown with the exclamation icon).
inline const QString kAllCoefficients = QStringLiteral("Minden együtthatót meg kell adnod!");
inline const QString kOnlyDigits = QStringLiteral("Az együtthatók csak számok lehetnek!");
inline const QString kNoRealRoot = QStringLiteral("Nincs valós gyök!");
inline const QString kNoSolution = QStringLiteral("Nincs megoldás!");
inline const QString kEveryNumber = QStringLiteral("Minden valós szám megoldás!");

// Both solvers.
inline const QString kResultTooLarge = QStringLiteral("Az eredmény túl nagy!");
inline const QString kResultTooSmall = QStringLiteral("Az eredmény túl kicsi!");

// Linear solver (shown without an icon).
inline const QString kMissingCoefficient = QStringLiteral("Nem adott meg minden együtthatót!");
inline const QString kVeryFunny = QStringLiteral("Nagyon vicces!!");
inline const QString kContradiction = QStringLiteral("Ellentmondás!");
inline const QString kTwoEquationsNeeded =
    QStringLiteral("Két egyenletre van szükség!\n(Így végtelen sok megoldás van)");
inline const QString kContradictoryEquations = QStringLiteral("Ellentmondás!!");
inline const QString kIndependentEquationsNeeded =
    QStringLiteral("Két egymástól lineárisan független\n egyenletre van szükség!");

// Captions the two solver windows share.
inline const QString kCompute = QStringLiteral("Számítás");
inline const QString kAgain = QStringLiteral("Újra");

// Help.
inline const QString kHelpMissing =
    QStringLiteral("A súgó nem nyitható meg: a súgófájl (zorvexa.qch) hiányzik vagy nem olvasható.");
inline const QString kHelpDamaged = QStringLiteral("A súgó nem nyitható meg: a súgófájl (zorvexa.qch) sérült.");
// %1: the temporary folder.
inline const QString kHelpNoWritablePlace =
    QStringLiteral("A súgó nem nyitható meg: az ideiglenes mappába (%1) nem lehet írni.");
// %1: the help viewer module's file name.
inline const QString kHelpViewerMissing =
    QStringLiteral("A súgó nem nyitható meg: a súgó megjelenítője (%1) hiányzik vagy nem tölthető be.");

}  // namespace core::texts
