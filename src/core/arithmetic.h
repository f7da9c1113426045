#pragma once

#include "core/operation.h"
#include "core/result.h"

#include <optional>

// The four operations every calculator view evaluates on "=".
namespace core::arithmetic {

// Add, Subtract, Multiply or Divide, exactly; any other operation has
// nothing to evaluate here and gives nothing. A division by zero and a
// result beyond the largest double are refused.
std::optional<Result> operate(core::Operation operation, const exact::Number &a, const exact::Number &b);

}  // namespace core::arithmetic
