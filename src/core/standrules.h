#pragma once

#include "core/calculator.h"

namespace core {

// The standard view: the keys every view has, a tape of at most 32
// characters, a refusal that empties the display too, and the colourful key
// scheme a double click switches.
class StandRules : public Calculator {
public:
    explicit StandRules(Module1 &state);

    void load() override;
    void activate() override;
    void doubleClick();

protected:
    void refuse(Refusal refusal, const exact::Number &x = {}) override;
};

}  // namespace core
