#include "core/standrules.h"

#include "core/arithmetic.h"
#include "core/module1.h"
#include "core/numbertext.h"

namespace core {

namespace {
KeySet standKeys() { return keyRange(Key::Digit0, digitKey(9)) | keyRange(Key::Point, Key::MemoryClear); }
constexpr int kMaxEntry = 30;
constexpr int kTapeLength = 32;
}  // namespace

StandRules::StandRules(Module1 &state) : Calculator(state, standKeys(), kMaxEntry, true)
{
    m.valto = true;
    m.hibas = false;
}

void StandRules::formActivate()
{
    m.muvelet = Operation::None;
    m.valto = true;
    panel_.focus = Focus::Display;
}

void StandRules::doubleClick()
{
    panel_.colourful = !panel_.colourful;
    panel_.focus = Focus::Stay;
}

void StandRules::act(Key key)
{
    if (sharedKey(key))
        return;
    switch (key) {
    case Key::Equals: equals(); break;
    case Key::Clear: clearAll(); break;
    default: break;  // not a key of this view
    }
}

void StandRules::equals()
{
    // The second operand exactly as shown; the operands stay, so "=" again
    // repeats the operation with the shown result as the second operand.
    const exact::Number second = exact::read(display());
    panel_.tape += display();
    setEnabled(Key::Sign, false);
    m.szam2 = exact::toDouble(second);
    if (const std::optional<Result> result = arithmetic::operate(m.muvelet, firstOperand(), second)) {
        if (!result->ok()) {
            refuseOnTape(result->refusal);
            setDisplay(QString());
        } else {
            m.eredmeny = exact::toDouble(result->value);
            // Only a quotient gets a "0" before its point.
            setDisplay(m.muvelet == Operation::Divide ? numbertext::displayFormLeadingZero(result->value)
                                                      : numbertext::displayForm(result->value));
        }
    }
    // With nothing pending the display keeps its text.
    closeTapeLine(kTapeLength);
}

}  // namespace core
