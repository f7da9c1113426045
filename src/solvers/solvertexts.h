#pragma once

#include <QString>

// Captions and messages of the two solver windows.
namespace solvertexts {

inline const QString kCompute = QStringLiteral("Számítás");
inline const QString kAgain = QStringLiteral("Újra");

// Quadratic solver (shown with the exclamation icon).
inline const QString kAllCoefficients = QStringLiteral("Minden együtthatót meg kell adnod!");
inline const QString kOnlyDigits = QStringLiteral("Az együtthatók csak számok lehetnek!");
inline const QString kNoRealRoot = QStringLiteral("Nincs valós gyök!");
inline const QString kNoSolution = QStringLiteral("Nincs megoldás!");
inline const QString kEveryNumber = QStringLiteral("Minden valós szám megoldás!");

// Both solvers.
inline const QString kCoefficientTooLarge = QStringLiteral("Túl nagy együttható!");
inline const QString kResultTooLarge = QStringLiteral("Az eredmény túl nagy!");

// Linear solver (shown without an icon).
inline const QString kMissingCoefficient = QStringLiteral("Nem adott meg minden együtthatót!");
inline const QString kVeryFunny = QStringLiteral("Nagyon vicces!!");
inline const QString kContradiction = QStringLiteral("Ellentmondás!");
inline const QString kTwoEquationsNeeded =
    QStringLiteral("Két egyenletre van szükség!\n(Így végtelen sok megoldás van)");
inline const QString kContradictoryEquations = QStringLiteral("Ellentmondás!!");
inline const QString kIndependentEquationsNeeded =
    QStringLiteral("Két egymástól lineárisan független\n egyenletre van szükség!");

}  // namespace solvertexts
