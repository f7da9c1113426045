#pragma once

#include "core/operation.h"
#include "core/result.h"

#include <optional>

// The four operations every calculator view evaluates on "=".
namespace arithmetic {

// Add, Subtract, Multiply or Divide; any other operation has nothing to
// evaluate here and gives nothing. A division by zero and a result beyond a
// double are refused.
std::optional<Result> operate(core::Operation operation, double a, double b);

}  // namespace arithmetic
