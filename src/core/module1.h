#pragma once

#include "core/exact.h"
#include "core/operation.h"

#include <QString>

namespace core {

// The state the three calculator views share: one object, owned by the
// application and handed by reference to every view's rules. Members keep the
// names the handlers use (docs/glossary.md). A view's load sets what it
// starts from.
struct Module1 {
    // The calculation itself; carries over between the views.
    double szam1 = 0;           // first operand of the pending operation
    double szam2 = 0;           // second operand
    double eredmeny = 0;        // result of the last evaluation
    double memoria = 0;         // the one memory register of M+/MR/MC
    bool memoryStored = false;  // "M" in every view's indicator: M+ lights it, MC puts it out
    // Pending operation, or the last function key's.
    core::Operation muvelet = core::Operation::None;
    bool valto = false;  // operator-key toggle (meaning differs per view)
    // szam1 exactly as the display showed it: "=" starts from it while it
    // still names szam1 (core::Calculator::firstOperand).
    exact::Number szam1Exact;

    // Input check flags (see inputcheck.h).
    bool hibas = false;  // the text last checked holds a forbidden character
    int pontdb = 0;      // points counted by the check
    QString vizsgalt;    // the text under check, trimmed, with a "0" sentinel

    // Scientific view.
    bool inverz = false;  // Inv key state

    // Informatics view.
    int muveletdb = 0;  // operator presses since load or C
    int alapkod = 8;    // index of the base option the display is written in: base 10

    // Linear solver: the coefficients as read from its fields.
    double a1 = 0, b1 = 0, c1 = 0;
    double a2 = 0, b2 = 0, c2 = 0;
    double det = 0, detx = 0, dety = 0;
    bool folytat = false;  // a coefficient field is empty
};

}  // namespace core
