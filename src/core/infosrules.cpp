#include "core/infosrules.h"

#include "core/module1.h"
#include "core/numbertext.h"
#include "core/texts.h"

namespace core {

namespace {
KeySet informaticsKeys() { return keyRange(Key::Digit0, Key::MemoryClear); }
// The keys a division by zero locks besides the digits.
KeySet workingKeys() { return keyRange(Key::Add, Key::Divide) | keyRange(Key::MemoryStore, Key::MemoryClear); }
}  // namespace

InfosRules::InfosRules(Module1 &state) : Calculator(state, informaticsKeys(), kMaxEntry, 0) {}

void InfosRules::load()
{
    setDigitKeys(radix::kBaseTenOption);
    m.valto = false;
    m.muveletdb = 0;
    m.alapkod = radix::kBaseTenOption;
}

void InfosRules::activate() { m.muvelet = Operation::None; }

void InfosRules::chooseBase(int index)
{
    // Selecting the option already selected changes nothing.
    if (index == panel_.baseOption)
        return;
    panel_.baseOption = index;
    option1Click(index);
}

void InfosRules::option1Click(int index)
{
    setDigitKeys(index);
    switch (atvalt(index)) {
    case radix::Status::Ok: break;
    case radix::Status::Fraction:
        tell(texts::kFraction, true);
        panel_.baseOptionsEnabled = false;
        // Back to base ten, which writes the display's value in it: a number
        // never changes its value on a base change.
        chooseBase(radix::kBaseTenOption);
        break;
    case radix::Status::TooLarge:
        tell(texts::kTooLargeToConvert, true);
        // The option of the display's base again, without a base change.
        panel_.baseOption = m.alapkod;
        setDigitKeys(m.alapkod);
        break;
    }
}

radix::Status InfosRules::atvalt(int kod)
{
    const QString text = panel_.display;
    if (text.startsWith(texts::kDivisionByZero)) {
        // Not a number in any base.
        m.alapkod = kod;
        write(QString());
        return radix::Status::Ok;
    }
    if (text.trimmed().isEmpty()) {
        m.alapkod = kod;
        return radix::Status::Ok;
    }
    const radix::Spelling converted = radix::convert(text, radix::baseOf(m.alapkod), radix::baseOf(kod));
    if (converted.status != radix::Status::Ok)
        return converted.status;
    m.alapkod = kod;
    write(converted.text);
    return radix::Status::Ok;
}

std::optional<exact::Number> InfosRules::readDisplay()
{
    const radix::Reading reading = radix::read(panel_.display, radix::baseOf(m.alapkod));
    if (reading.status == radix::Status::Ok)
        return reading.value;
    tell(texts::kTooLargeToConvert, true);
    return std::nullopt;
}

void InfosRules::atv2(const exact::Number &value, bool leadingZero)
{
    if (m.alapkod == radix::kBaseTenOption) {
        if (exact::aboveDoubles(value))
            showUnwritable();
        else
            write(leadingZero ? numbertext::displayFormLeadingZero(value) : numbertext::displayForm(value));
        return;
    }
    const radix::Spelling spelled = radix::spell(value, radix::baseOf(m.alapkod));
    if (spelled.status != radix::Status::Ok)
        showUnwritable();
    else
        write(spelled.text);
}

// Base ten refuses a number it cannot write plainly as the check does; the
// other bases with their own limit.
void InfosRules::showUnwritable()
{
    if (m.alapkod == radix::kBaseTenOption)
        tell(texts::kDigits);
    else
        tell(texts::kTooLargeToConvert, true);
}

void InfosRules::sign()
{
    // A sign fits before a full display, but not before one that is already
    // longer: the display would grow by one digit and a sign each time.
    const QString flipped = radix::negated(panel_.display, radix::baseOf(m.alapkod));
    if (flipped.size() <= kMaxEntry + 1)
        write(flipped);
}

void InfosRules::operatorKey(Operation operation)
{
    const std::optional<exact::Number> value = readDisplay();
    if (!value)
        return;
    ++m.muveletdb;
    if (m.muveletdb > 1)
        m.valto = !m.valto;
    if (m.valto)
        panel_.baseOptionsEnabled = false;
    m.muvelet = operation;
    if (m.alapkod == radix::kBaseTenOption) {
        // An empty display keeps the first operand: a second operator key
        // only replaces the operation.
        if (!panel_.display.isEmpty()) {
            setFirstOperand(*value);
            write(QString());
        }
    } else {
        // The display's value goes through eredmeny; an empty display leaves
        // eredmeny as it was (0 after C).
        const exact::Number first = panel_.display.isEmpty() ? exact::ofDouble(m.eredmeny) : *value;
        m.eredmeny = exact::toDouble(first);
        write(QString());
        setFirstOperand(first);
    }
}

void InfosRules::conclude(Operation operation, const std::optional<Result> &result)
{
    if (!result) {
        m.muvelet = Operation::None;
        return;  // the display's number stays as it is
    }
    if (result->refusal == Refusal::DivisionByZero) {
        // The operation stays pending. The shared "bad input" flag stays as
        // the check left it: this view never reads it, and set here it would
        // make the standard view drop its next operator or "=".
        write(QString());
        setDigitKeys(-1);
        setWorkingKeysEnabled(false);
        write(texts::kDivisionByZero);
        return;
    }
    m.muvelet = Operation::None;
    // The operands are finite, but their result may not be; it is never kept.
    if (!result->ok()) {
        showUnwritable();
        if (m.alapkod == radix::kBaseTenOption)
            write(QString());
        return;
    }
    m.eredmeny = exact::toDouble(result->value);
    // Base ten writes a sum, difference or product once more, as it always did.
    if (operation != Operation::Divide && m.alapkod == radix::kBaseTenOption)
        atv2(result->value, false);
    showResult(operation, result->value);
}

// A result that cannot be written leaves the second operand shown.
void InfosRules::showResult(Operation, const exact::Number &value) { atv2(value, true); }

void InfosRules::showValue(double value) { atv2(exact::ofDouble(value), false); }

void InfosRules::endEvaluation()
{
    panel_.baseOptionsEnabled = true;
    m.muveletdb = 0;
}

void InfosRules::clear()
{
    write(QString());
    m.valto = true;
    m.muveletdb = 0;
    setDigitKeys(panel_.baseOption);
    setWorkingKeysEnabled(true);
    m.eredmeny = 0;
    panel_.baseOptionsEnabled = true;
}

void InfosRules::check()
{
    // While a division by zero is pending its message stands in the display;
    // once something else replaces the message, that is checked again.
    const bool divisionMessage =
        m.szam2 == 0 && m.muvelet == Operation::Divide && panel_.display.startsWith(texts::kDivisionByZero);
    // Only the digits of the display's base: a 2 cannot stand in a binary number.
    if (!divisionMessage)
        checkDigits(radix::baseOf(m.alapkod));
    m.pontdb = 0;
}

// The digit keys below the base usable, the others not; -1 locks them all.
void InfosRules::setDigitKeys(int optionIndex)
{
    const int base = optionIndex < 0 ? 0 : radix::baseOf(optionIndex);
    for (int value = 0; value < 16; ++value)
        setEnabled(digitKey(value), value < base);
}

void InfosRules::setWorkingKeysEnabled(bool enabled)
{
    setEnabled(workingKeys(), enabled);
    setEnabled(Key::Equals, enabled);
}

}  // namespace core
