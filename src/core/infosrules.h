#pragma once

#include "core/calculator.h"
#include "core/radix.h"

#include <optional>

namespace core {

// The informatics view, infos: four operations on a display written in a
// chosen base. The display's text is always in the base `alapkod` names,
// which follows the selected option; arithmetic is done in base ten. No
// tape; a division by zero shows its message in the display and locks the
// keys that could use it.
class InfosRules : public Calculator {
public:
    explicit InfosRules(Module1 &state);  // Form_Load

    // Typing limit of the display: the 53 binary digits of the largest value
    // that converts, a sign, and room to spare.
    static constexpr int kMaxEntry = 64;

    // Option1_Click: the user selected the base option `index`.
    void chooseBase(int index);

private:
    void act(Key key) override;
    void formActivate() override;
    void check() override;
    void equals();
    void pend(Operation operation);
    void sign();
    void clear();
    // The base change of the display from `alapkod` to option `kod`.
    radix::Status atvalt(int kod);
    // The display's value in its base (tizesbe); nothing, after a message,
    // when it is too large to convert.
    std::optional<exact::Number> readDisplay();
    // Writes `value` in the display's base; tells and leaves the display
    // alone when it cannot be written.
    void atv2(const exact::Number &value, bool leadingZero);
    void showUnwritable();
    // The digit keys below the base of option `optionIndex` usable, the others not.
    void setDigitKeys(int optionIndex);
};

}  // namespace core
