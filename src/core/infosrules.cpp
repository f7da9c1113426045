#include "core/infosrules.h"

#include "core/arithmetic.h"
#include "core/module1.h"
#include "core/numbertext.h"
#include "core/texts.h"

namespace core {

namespace {
KeySet infosKeys() { return keyRange(Key::Digit0, Key::MemoryClear); }
// The keys a division by zero locks besides the digits.
KeySet workingKeys()
{
    return keyRange(Key::Add, Key::Divide) | keyRange(Key::MemoryStore, Key::MemoryClear) |
           keyRange(Key::Equals, Key::Equals);
}
bool isBaseTen(int optionIndex) { return optionIndex == radix::kBaseTenOption; }
}  // namespace

InfosRules::InfosRules(Module1 &state) : Calculator(state, infosKeys(), kMaxEntry, false)
{
    setDigitKeys(radix::kBaseTenOption);
    m.valto = false;
    m.muveletdb = 0;
    m.alapkod = radix::kBaseTenOption;
}

void InfosRules::formActivate() { m.muvelet = Operation::None; }

void InfosRules::act(Key key)
{
    if (isDigit(key)) {
        appendDigit(key);
        return;
    }
    switch (key) {
    case Key::Point: append(QStringLiteral(".")); break;
    case Key::Sign: sign(); break;
    case Key::Add:
    case Key::Subtract:
    case Key::Multiply:
    case Key::Divide: pend(operationOf(key)); break;
    case Key::Equals: equals(); break;
    case Key::Clear: clear(); break;
    // The register holds the value, written in the display's base.
    case Key::MemoryStore:
        if (const std::optional<exact::Number> value = readDisplay())
            storeMemory(*value);
        break;
    case Key::MemoryRecall: atv2(exact::ofDouble(m.memoria), false); break;
    case Key::MemoryClear: clearMemory(); break;
    default: break;  // not a key of this view
    }
}

void InfosRules::chooseBase(int index)
{
    // Selecting the option already selected changes nothing.
    if (index == panel_.baseOption)
        return;
    const QString before = display();
    panel_.baseOption = index;
    setDigitKeys(index);
    switch (atvalt(index)) {
    case radix::Status::Ok: break;
    case radix::Status::Fraction:
        tell(texts::kFraction, true);
        panel_.baseOptionsEnabled = false;
        if (isBaseTen(m.alapkod)) {
            // Already in base ten: the option goes back, the text stays as typed.
            panel_.baseOption = radix::kBaseTenOption;
            setDigitKeys(radix::kBaseTenOption);
        } else {
            // Back to base ten, which writes the display's value in it: a
            // number never changes its value on a base change.
            chooseBase(radix::kBaseTenOption);
        }
        break;
    case radix::Status::TooLarge:
        tell(texts::kTooLargeToConvert, true);
        // The option of the display's base again, without a base change.
        panel_.baseOption = m.alapkod;
        setDigitKeys(m.alapkod);
        break;
    }
    // Typing goes on in the display when its number changed or a box was shown.
    panel_.focus = display() != before || hasMessages() ? Focus::DisplayAtEnd : Focus::Stay;
}

radix::Status InfosRules::atvalt(int kod)
{
    // While a division by zero stands, the display holds no number in any base.
    if (panel_.divisionLock) {
        m.alapkod = kod;
        setDisplay(QString());
        return radix::Status::Ok;
    }
    if (display().trimmed().isEmpty()) {
        m.alapkod = kod;
        return radix::Status::Ok;
    }
    const radix::Spelling converted =
        radix::convert(display(), radix::baseOf(m.alapkod), radix::baseOf(kod), kMaxEntry);
    if (converted.status != radix::Status::Ok)
        return converted.status;
    m.alapkod = kod;
    setDisplay(converted.text);
    m.eredmeny = 0;  // a completed conversion leaves no result behind
    return radix::Status::Ok;
}

void InfosRules::equals()
{
    const std::optional<exact::Number> second = readDisplay();
    if (!second)
        return;
    setEnabled(Key::Sign, false);
    m.szam2 = exact::toDouble(*second);
    const Operation operation = m.muvelet;
    const std::optional<Result> result = arithmetic::operate(operation, firstOperand(), *second);
    if (!result) {
        m.muvelet = Operation::None;  // nothing pending: the display's number stays as it is
    } else if (result->refusal == Refusal::DivisionByZero) {
        // The operation stays pending, and its message stands in the display.
        // The shared "bad input" flag stays as the check left it: this view
        // never reads it, and set here it would make the standard view drop
        // its next operator or "=".
        setDisplay(QString());
        panel_.divisionLock = true;
        setDigitKeys(-1);
        setEnabled(workingKeys(), false);
        setDisplay(texts::kDivisionByZero);
    } else if (!result->ok()) {
        // The operands are finite, but their result may not be; it is never kept.
        m.muvelet = Operation::None;
        showUnwritable();
        if (isBaseTen(m.alapkod))
            setDisplay(QString());
    } else {
        m.muvelet = Operation::None;
        m.eredmeny = exact::toDouble(result->value);
        // Base ten writes a sum, difference or product once more, as it always did.
        if (operation != Operation::Divide && isBaseTen(m.alapkod))
            atv2(result->value, false);
        // A result that cannot be written leaves the second operand shown.
        atv2(result->value, true);
    }
    panel_.baseOptionsEnabled = true;
    m.muveletdb = 0;
}

void InfosRules::pend(Operation operation)
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
    if (isBaseTen(m.alapkod)) {
        // An empty display keeps the first operand: a second operator key
        // only replaces the operation.
        if (!display().isEmpty()) {
            setFirstOperand(*value);
            setDisplay(QString());
        }
    } else {
        // The display's value goes through eredmeny; an empty display leaves
        // eredmeny as it was (0 after C).
        const exact::Number first = display().isEmpty() ? exact::ofDouble(m.eredmeny) : *value;
        m.eredmeny = exact::toDouble(first);
        setDisplay(QString());
        setFirstOperand(first);
    }
}

void InfosRules::sign()
{
    // A sign fits before a full display, but not before one that is already
    // longer: the display would grow by one digit and a sign each time.
    const QString flipped = radix::negated(display(), radix::baseOf(m.alapkod));
    if (flipped.size() <= kMaxEntry + 1)
        setDisplay(flipped);
}

void InfosRules::clear()
{
    setDisplay(QString());
    panel_.divisionLock = false;
    m.valto = true;
    m.muveletdb = 0;
    setDigitKeys(panel_.baseOption);
    setEnabled(workingKeys(), true);
    m.eredmeny = 0;
    panel_.baseOptionsEnabled = true;
}

std::optional<exact::Number> InfosRules::readDisplay()
{
    const radix::Reading reading = radix::read(display(), radix::baseOf(m.alapkod));
    if (reading.status == radix::Status::Ok)
        return reading.value;
    tell(texts::kTooLargeToConvert, true);
    return std::nullopt;
}

void InfosRules::atv2(const exact::Number &value, bool leadingZero)
{
    if (isBaseTen(m.alapkod)) {
        if (exact::aboveDoubles(value))
            showUnwritable();
        else
            setDisplay(leadingZero ? numbertext::displayFormLeadingZero(value) : numbertext::displayForm(value));
        return;
    }
    const radix::Spelling spelled = radix::spell(value, radix::baseOf(m.alapkod));
    if (spelled.status != radix::Status::Ok)
        showUnwritable();
    else
        setDisplay(spelled.text);
}

// Base ten refuses a number it cannot write plainly as the check does; the
// other bases with their own limit.
void InfosRules::showUnwritable()
{
    if (isBaseTen(m.alapkod))
        tell(texts::kDigits);
    else
        tell(texts::kTooLargeToConvert, true);
}

void InfosRules::check()
{
    // While a division by zero is pending its message stands in the display
    // unchecked. Otherwise only the digits of the display's base: a 2 cannot
    // stand in a binary number.
    if (!(panel_.divisionLock && m.muvelet == Operation::Divide))
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

}  // namespace core
