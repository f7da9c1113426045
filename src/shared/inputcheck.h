#pragma once

#include <QString>

class QLineEdit;
struct Module1;

// The input check that runs on every change of a display field.
namespace inputcheck {

inline const QString kMessageDigits = QStringLiteral("Számjegyeket írjon be!");
inline const QString kMessagePoints = QStringLiteral("A törtekben csak egy tizedespont van!");

enum class Alphabet { Decimal, Hexadecimal };

// The verdict on one text: sets `vizsgalt` (trimmed text + "0" sentinel),
// adds the points before the first forbidden character to `pontdb`, and sets
// `hibas` when a forbidden character is found. Shows nothing.
void examine(Module1 &state, const QString &text, Alphabet alphabet = Alphabet::Decimal);

// The check of a calculator display (ellenoriz, ellenoriz2, ellenoriz3):
// examine the field; a forbidden character shows message 1 and empties the
// field, two or more points show message 2, empty it and zero `pontdb`.
// Emptying the field re-enters its change handler, as typing would.
void checkDisplay(Module1 &state, QLineEdit *field, Alphabet alphabet = Alphabet::Decimal);

}  // namespace inputcheck
