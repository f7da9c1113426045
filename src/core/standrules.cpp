#include "core/standrules.h"

#include "core/module1.h"

namespace core {

namespace {
KeySet standardKeys() { return keyRange(Key::Digit0, digitKey(9)) | keyRange(Key::Point, Key::MemoryClear); }
constexpr int kMaxEntry = 30;
constexpr int kTapeLength = 32;
}  // namespace

StandRules::StandRules(Module1 &state) : Calculator(state, standardKeys(), kMaxEntry, kTapeLength) {}

void StandRules::load()
{
    m.valto = true;
    m.hibas = false;
}

void StandRules::activate()
{
    m.muvelet = Operation::None;
    m.valto = true;
}

void StandRules::doubleClick() { panel_.colourful = !panel_.colourful; }

void StandRules::refuse(Refusal refusal, const exact::Number &x)
{
    Calculator::refuse(refusal, x);
    write(QString());
}

}  // namespace core
