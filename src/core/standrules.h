#pragma once

#include "core/calculator.h"

namespace core {

// The standard view, stand: digits, point, sign, the four operations, "=",
// C, the memory keys, a tape of at most 32 characters, and the colourful key
// scheme a double click switches. A refusal empties the display too.
class StandRules : public Calculator {
public:
    explicit StandRules(Module1 &state);  // Form_Load

    // Form_DblClick: the colourful key scheme on or off.
    void doubleClick();

private:
    void act(Key key) override;
    void formActivate() override;
    void equals();  // szamitas
};

}  // namespace core
