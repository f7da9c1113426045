#include "core/calculator.h"

#include "core/arithmetic.h"
#include "core/inputcheck.h"
#include "core/module1.h"
#include "core/numbertext.h"
#include "core/radix.h"
#include "core/texts.h"

namespace core {

Calculator::Calculator(Module1 &state, KeySet keys, int maxEntry, int tapeLength)
    : m(state), keys_(keys), maxEntry_(maxEntry), tapeLength_(tapeLength)
{
    panel_.enabled = keys_;
}

bool Calculator::memoryLit() const { return m.memoryStored; }

QList<Message> Calculator::takeMessages() { return std::exchange(messages_, {}); }

void Calculator::press(Key key)
{
    if (!panel_.enabled.test(size_t(key)))
        return;
    if (isDigit(key)) {
        digit(digitOf(key));
        return;
    }
    switch (key) {
    case Key::Point: append(QStringLiteral(".")); break;  // the "," key writes the point
    case Key::Sign: sign(); break;
    case Key::Add: operatorKey(Operation::Add); break;
    case Key::Subtract: operatorKey(Operation::Subtract); break;
    case Key::Multiply: operatorKey(Operation::Multiply); break;
    case Key::Divide: operatorKey(Operation::Divide); break;
    case Key::Equals: equals(); break;
    case Key::Clear: clear(); break;
    case Key::MemoryStore:
    case Key::MemoryRecall:
    case Key::MemoryClear: memory(key); break;
    default: ownKey(key); break;
    }
}

void Calculator::displayKey(DisplayKey key)
{
    switch (key) {
    case DisplayKey::Enter: equals(); break;
    // A keypad operator; its character never reaches the display.
    case DisplayKey::Add: operatorStep(Operation::Add); break;
    case DisplayKey::Subtract: operatorStep(Operation::Subtract); break;
    case DisplayKey::Multiply: operatorStep(Operation::Multiply); break;
    case DisplayKey::Divide: operatorStep(Operation::Divide); break;
    }
}

void Calculator::edited(const QString &text)
{
    if (text == panel_.display)
        return;
    panel_.display = text;
    check();
}

void Calculator::memory(Key key)
{
    switch (key) {
    case Key::MemoryStore:
        // The register is replaced, not added to.
        if (const std::optional<exact::Number> value = readDisplay()) {
            m.memoria = exact::toDouble(*value);
            m.memoryStored = true;
        }
        break;
    case Key::MemoryRecall: showValue(m.memoria); break;
    default:
        m.memoryStored = false;
        m.memoria = 0;
        break;
    }
}

void Calculator::digit(int value)
{
    append(QString(QLatin1Char("0123456789ABCDEF"[value])));
    setEnabled(Key::Sign, true);
}

void Calculator::sign()
{
    // Untrimmed: a non-negative value keeps its leading blank.
    write(radix::negated(panel_.display, 10));
}

void Calculator::operatorKey(Operation operation) { operatorStep(operation); }

void Calculator::clear() { clearAll(); }

void Calculator::operatorStep(Operation operation)
{
    m.valto = !m.valto;
    m.muvelet = operation;
    // A fresh tape line starts with the first operand as it was typed.
    panel_.tape = (m.valto ? panel_.tape : panel_.display) + tagOf(operation);
    setFirstOperand(exact::read(panel_.display));
    write(QString());
}

void Calculator::setFirstOperand(const exact::Number &value)
{
    m.szam1Exact = value;
    m.szam1 = exact::toDouble(value);
}

exact::Number Calculator::firstOperand() const
{
    return exact::toDouble(m.szam1Exact) == m.szam1 ? m.szam1Exact : exact::ofDouble(m.szam1);
}

void Calculator::equals()
{
    const std::optional<exact::Number> second = readDisplay();
    if (!second)
        return;
    beginEvaluation();
    setEnabled(Key::Sign, false);
    m.szam2 = exact::toDouble(*second);
    // The operands stay as they are, so "=" again repeats the operation with
    // the shown result as the new second operand.
    const Operation operation = m.muvelet;
    conclude(operation, operate(operation, firstOperand(), *second));
    endEvaluation();
}

// Exactly what the display shows: the decimals the user sees.
std::optional<exact::Number> Calculator::readDisplay() { return exact::read(panel_.display); }

void Calculator::beginEvaluation() { panel_.tape += panel_.display; }

std::optional<Result> Calculator::operate(Operation operation, const exact::Number &a, const exact::Number &b) const
{
    return arithmetic::operate(operation, a, b);
}

void Calculator::conclude(Operation operation, const std::optional<Result> &result)
{
    if (!result)
        return;  // nothing pending: the display keeps its text
    if (!result->ok()) {
        refuse(result->refusal);
        return;
    }
    m.eredmeny = exact::toDouble(result->value);
    showResult(operation, result->value);
}

void Calculator::showResult(Operation operation, const exact::Number &value)
{
    // Only a quotient gets a "0" before its point.
    write(operation == Operation::Divide ? numbertext::displayFormLeadingZero(value) : numbertext::displayForm(value));
}

void Calculator::showValue(double value) { write(numbertext::displayForm(exact::ofDouble(value))); }

void Calculator::endEvaluation()
{
    m.valto = true;
    panel_.tape += QLatin1Char(' ');
    if (panel_.tape.size() > tapeLength_)
        panel_.tape.clear();
}

void Calculator::refuse(Refusal refusal, const exact::Number &x)
{
    panel_.tapeAlarm = true;
    panel_.tape = refusalText(refusal, x);
    lockAllButClear();
}

void Calculator::write(const QString &text)
{
    // As a field raises no change for the text it already holds.
    if (text == panel_.display)
        return;
    panel_.display = text;
    check();
}

void Calculator::append(const QString &text)
{
    if (panel_.display.size() + text.size() <= maxEntry_)
        write(panel_.display + text);
}

void Calculator::check()
{
    checkDigits(10);
    m.pontdb = 0;
}

void Calculator::checkDigits(int base)
{
    inputcheck::examine(m, panel_.display, base);
    if (m.hibas) {
        tell(texts::kDigits);
        write(QString());
    }
    if (m.pontdb >= 2) {
        tell(texts::kPoints);
        // Zeroed before emptying, so the check of the empty text does not repeat it.
        m.pontdb = 0;
        write(QString());
    }
}

void Calculator::tell(const QString &text, bool exclamation) { messages_.append({text, exclamation}); }

void Calculator::clearAll()
{
    write(QString());
    panel_.tape.clear();
    panel_.tapeAlarm = false;
    m.valto = true;
    panel_.enabled = keys_;
}

void Calculator::lockAllButClear()
{
    panel_.enabled.reset();
    setEnabled(Key::Clear, true);
}

void Calculator::setEnabled(const KeySet &keys, bool enabled)
{
    if (enabled)
        panel_.enabled |= keys;
    else
        panel_.enabled &= ~keys;
}

}  // namespace core
