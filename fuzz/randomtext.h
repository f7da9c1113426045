#pragma once

#include "randomsource.h"

#include <QString>

// Text a user types or pastes: mostly what a calculator expects, with a share
// of everything else (letters, Hungarian letters, symbols, control
// characters, very long strings).
namespace randomtext {

// One or a few characters for a calculator display: digits above all, then
// points, signs, hexadecimal letters and the odd character of any kind.
QString keystrokes(RandomSource &rng);

// One character of any kind: ASCII letters and symbols, accented Hungarian
// letters, other scripts, a character outside the BMP.
QString anyCharacter(RandomSource &rng);

// A long run of digits, sometimes with a point or a sign inside.
QString longNumber(RandomSource &rng, int minLength, int maxLength);

// What a paste may bring: number texts in every spelling the rules know,
// words, control characters, very long strings.
QString pasted(RandomSource &rng);

// A coefficient for a solver field: mostly short whole numbers, sometimes
// what the solver refuses, sometimes too large for a double.
QString coefficient(RandomSource &rng);

}  // namespace randomtext
