#pragma once

#include "shared/result.h"

#include <QString>

#include <optional>

// The four operations every calculator window evaluates on "=".
namespace arithmetic {

// `sign` is "+", "-", "*" or "/"; any other sign has nothing to evaluate and
// gives nothing. A division by zero and a result beyond a double are refused.
std::optional<Result> operate(const QString &sign, double a, double b);

}  // namespace arithmetic
