#pragma once

#include "core/calculator.h"
#include "core/radix.h"

namespace core {

// The informatics view: four operations on a display written in a chosen
// base. The display's text is always in the base `alapkod` names, which
// follows the selected option; arithmetic is done in base ten. No tape; a
// division by zero shows its message in the display.
class InfosRules : public Calculator {
public:
    explicit InfosRules(Module1 &state);

    // Typing limit of the display: the 53 binary digits of the largest value
    // that converts, a sign, and room to spare.
    static constexpr int kMaxEntry = 64;

    void load() override;
    void activate() override;
    // The user selected the base option `index`.
    void chooseBase(int index);

protected:
    void sign() override;
    void operatorKey(Operation operation) override;
    void clear() override;
    std::optional<exact::Number> readDisplay() override;
    void beginEvaluation() override {}
    void conclude(Operation operation, const std::optional<Result> &result) override;
    void showResult(Operation operation, const exact::Number &value) override;
    void showValue(double value) override;
    void endEvaluation() override;
    void check() override;

private:
    void option1Click(int index);
    // The base change of the display from `alapkod` to option `kod`.
    radix::Status atvalt(int kod);
    // Writes `value` in the display's base; tells and leaves the display
    // alone when it cannot be written.
    void atv2(const exact::Number &value, bool leadingZero);
    void showUnwritable();
    void setDigitKeys(int optionIndex);
    void setWorkingKeysEnabled(bool enabled);
};

}  // namespace core
