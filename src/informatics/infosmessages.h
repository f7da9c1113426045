#pragma once

#include <QString>

// The informatics window's own texts.
namespace infosmessages {

inline const QString kFraction = QStringLiteral("Törtszámokat nem tudok átváltani! (Egyelőre)");
inline const QString kTooLarge = QStringLiteral("A szám túl nagy az átváltáshoz!");
inline const QString kDivisionByZero = QStringLiteral("Nullával nem lehet osztani!");

}  // namespace infosmessages
