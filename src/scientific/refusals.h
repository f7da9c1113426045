#pragma once

#include "scientific/functions.h"

#include <QString>

namespace scientific {

// The tape text of a refusal. `x` is the argument the key worked on; the pole
// messages name it in its display form.
QString refusalMessage(Refusal refusal, double x = 0);

}  // namespace scientific
