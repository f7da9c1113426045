#pragma once

#include "core/key.h"

#include <QString>

namespace core {

// What `muvelet` holds: the operation pending for "=", or the last function
// key's operation, which "=" leaves alone.
enum class Operation {
    None,
    // Pending two-operand operations.
    Add,
    Subtract,
    Multiply,
    Divide,
    Power,
    Root,
    Gcd,
    Lcm,
    Percent,
    // One-operand function keys (inverse mode's in the second column).
    Factorial,
    Reciprocal,
    Lg,
    TenPower,
    Ln,
    EPower,
    Sin,
    ArcSin,
    Cos,
    ArcCos,
    Tg,
    ArcTg,
    Ctg,
    ArcCtg,
};

// The operation of an operator key, Add .. Divide.
constexpr Operation operationOf(Key key) { return Operation(int(Operation::Add) + int(key) - int(Key::Add)); }

// The tape's text for it: "+" for Add, " (gyök) " for Root, " (sinx) " ...
QString tagOf(Operation operation);

}  // namespace core
