#pragma once

#include "core/calculator.h"

namespace core {

// The scientific view, extend: besides the standard keys, the function keys
// (five leave an operation pending for "=", eight act on the display at
// once and six of those have an inverse), Inv, the constants Pi and e, and
// a tape of at most 80 characters. A refusal keeps the display.
class ExtendRules : public Calculator {
public:
    explicit ExtendRules(Module1 &state);  // Form_Load

private:
    void act(Key key) override;
    void formActivate() override;
    void equals();  // szamit1
    void function(Key key);
    void constant(const QString &digits);
    void inverse();
    void torles();  // C
};

}  // namespace core
