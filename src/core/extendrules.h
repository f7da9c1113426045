#pragma once

#include "core/calculator.h"

namespace core {

// The scientific view: besides the common keys, the function keys (five of
// them leave an operation pending for "=", eight act on the display at once
// and six of those have an inverse), Inv, the constants Pi and e, and a tape
// of at most 80 characters. A refusal keeps the display.
class ExtendRules : public Calculator {
public:
    explicit ExtendRules(Module1 &state);

    void load() override;
    void activate() override;

    // The keys Inv leaves usable.
    static KeySet invertibleKeys();

protected:
    void digit(int value) override;
    void clear() override;
    void ownKey(Key key) override;
    std::optional<Result> operate(Operation operation, const exact::Number &a, const exact::Number &b) const override;
    void showResult(Operation operation, const exact::Number &value) override;

private:
    void function(Key key);
    void constant(Key key);
    void inverse();
    void torles();
};

}  // namespace core
