#pragma once

#include <gmpxx.h>

// The double nearest to an exact rational (halves to even), subnormals
// included: the one rounding of an exact result. Beyond the largest double
// it is +-infinity.
double nearestDouble(const mpq_class &value);
