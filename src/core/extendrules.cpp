#include "core/extendrules.h"

#include "core/arithmetic.h"
#include "core/functions.h"
#include "core/module1.h"
#include "core/numbertext.h"

namespace core {

namespace {

// What an immediate function key does in one mode.
struct Action {
    Operation operation = Operation::None;  // None: the key has no such action
    Result (*compute)(const exact::Number &) = nullptr;
    bool tapeFromResult = false;  // the tape shows the result and the tag, not the argument
    bool leadingZero = true;      // 0.25 rather than .25
    double powerBase = 0;         // 10^x and e^x keep their base in szam2
    bool leavesInverse = false;   // arc sin and arc cos: the next key is plain again
};

// A function key: pending (its operation waits for "="), or immediate, with
// what it does plainly and in inverse mode.
struct Meaning {
    Operation pending = Operation::None;
    Action plain;
    Action inverse;
};

constexpr Meaning pendingKey(Operation operation) { return {operation, {}, {}}; }

using namespace functions;

// By function key, in the order of Key::Power .. Key::Ctg.
const Meaning kMeanings[] = {
    pendingKey(Operation::Power),
    pendingKey(Operation::Root),
    {Operation::None, {Operation::Factorial, factorial, false, false}, {}},
    {Operation::None, {Operation::Reciprocal, reciprocal}, {}},
    pendingKey(Operation::Gcd),
    pendingKey(Operation::Lcm),
    {Operation::None, {Operation::Lg, decimalLog}, {Operation::TenPower, tenPower, false, true, 10}},
    {Operation::None, {Operation::Ln, naturalLog}, {Operation::EPower, ePower, false, true, 2.71828182845905}},
    {Operation::None, {Operation::Sin, sine, true}, {Operation::ArcSin, arcSine, true, true, 0, true}},
    {Operation::None, {Operation::Cos, cosine, true}, {Operation::ArcCos, arcCosine, true, true, 0, true}},
    {Operation::None, {Operation::Tg, tangent}, {Operation::ArcTg, arcTangent}},
    pendingKey(Operation::Percent),
    {Operation::None, {Operation::Ctg, cotangent}, {Operation::ArcCtg, arcCotangent}},
};
static_assert(std::size(kMeanings) == size_t(functionIndex(Key::Ctg)) + 1);

const Meaning &meaningOf(Key key) { return kMeanings[functionIndex(key)]; }

// The keys Inv leaves usable besides C: those with an inverse.
KeySet invertibleKeys()
{
    KeySet keys;
    for (Key key = Key::Power; key <= Key::Ctg; key = Key(int(key) + 1))
        keys.set(size_t(key), meaningOf(key).inverse.compute != nullptr);
    return keys;
}

KeySet extendKeys() { return keyRange(Key::Digit0, digitKey(9)) | keyRange(Key::Point, Key::Linear); }
constexpr int kMaxEntry = 30;
constexpr int kTapeLength = 80;

}  // namespace

ExtendRules::ExtendRules(Module1 &state) : Calculator(state, extendKeys(), kMaxEntry, true)
{
    m.valto = true;
    m.inverz = false;
}

void ExtendRules::formActivate()
{
    m.muvelet = Operation::None;
    m.valto = true;
}

void ExtendRules::act(Key key)
{
    if (sharedKey(key))
        return;
    if (isFunction(key)) {
        function(key);
        return;
    }
    switch (key) {
    case Key::Equals: equals(); break;
    case Key::Clear: torles(); break;
    // The constants and Inv change no text of their own: the keyboard stays.
    case Key::Pi:
        constant(QStringLiteral("3.14159265358979"));
        panel_.focus = Focus::Stay;
        break;
    case Key::E:
        constant(QStringLiteral("2.71828182845905"));
        panel_.focus = Focus::Stay;
        break;
    case Key::Inverse:
        inverse();
        panel_.focus = Focus::Stay;
        break;
    default: break;  // the solver keys open their windows; the calculation is not touched
    }
}

void ExtendRules::equals()
{
    // The second operand exactly as shown; the operands stay, so "=" again
    // repeats the operation with the shown result as the second operand.
    const exact::Number second = exact::read(display());
    panel_.tape += display();
    setEnabled(Key::Sign, false);
    m.szam2 = exact::toDouble(second);
    const exact::Number first = firstOperand();
    std::optional<Result> result;
    switch (m.muvelet) {
    case Operation::Add:
    case Operation::Subtract:
    case Operation::Multiply: result = arithmetic::operate(m.muvelet, first, second); break;
    case Operation::Divide: result = quotient(first, second); break;  // snapped, unlike stand's
    case Operation::Power: result = power(first, second); break;
    case Operation::Root: result = root(first, second); break;
    case Operation::Gcd: result = gcd(first, second); break;
    case Operation::Lcm: result = lcm(first, second); break;
    case Operation::Percent: result = percent(first, second); break;
    default: break;  // nothing pending, or a function key's: the display keeps its text
    }
    if (result && !result->ok()) {
        refuseOnTape(result->refusal);  // the display keeps the second operand
    } else if (result) {
        m.eredmeny = exact::toDouble(result->value);
        const bool leadingZero =
            m.muvelet == Operation::Divide || m.muvelet == Operation::Power || m.muvelet == Operation::Percent;
        setDisplay(leadingZero ? numbertext::displayFormLeadingZero(result->value)
                               : numbertext::displayForm(result->value));
    }
    closeTapeLine(kTapeLength);
}

void ExtendRules::function(Key key)
{
    const Meaning &meaning = meaningOf(key);
    const exact::Number x = exact::read(display());
    setFirstOperand(x);
    const QString argument = display();
    if (meaning.pending != Operation::None) {
        // The tape starts afresh with the first operand; "=" adds the second.
        m.muvelet = meaning.pending;
        panel_.tape = argument + tagOf(m.muvelet);
        setDisplay(QString());
    } else {
        // Keys without an inverse are locked in inverse mode.
        const Action &action = m.inverz && meaning.inverse.compute ? meaning.inverse : meaning.plain;
        m.muvelet = action.operation;
        if (action.powerBase != 0)
            m.szam2 = action.powerBase;
        const Result result = action.compute(x);
        if (!result.ok()) {
            refuseOnTape(result.refusal, x);  // the display keeps the argument
        } else {
            m.eredmeny = exact::toDouble(result.value);
            if (action.leavesInverse)
                m.inverz = false;
            setDisplay(action.leadingZero ? numbertext::displayFormLeadingZero(result.value)
                                          : numbertext::displayForm(result.value));
            panel_.tape = (action.tapeFromResult ? display() : argument) + tagOf(action.operation);
        }
    }
    closeTapeLine(kTapeLength);
}

void ExtendRules::constant(const QString &digits)
{
    // Appended to what the display holds; the check judges the whole. Past
    // the entry limit too, but only onto a display within it: with its point
    // deleted, a long text would otherwise grow by a constant per press until
    // it no longer reads as a finite number.
    if (display().size() <= maxEntry())
        setDisplay(display() + digits);
}

void ExtendRules::inverse()
{
    m.inverz = !m.inverz;
    if (m.inverz) {
        // Only the keys that have an inverse stay usable, and C to leave.
        lockAllButClear();
        setEnabled(invertibleKeys(), true);
        panel_.inverseLit = true;
    } else {
        torles();
    }
}

void ExtendRules::torles()
{
    clearAll();
    m.eredmeny = 0;
    panel_.inverseLit = false;
    m.inverz = false;
}

}  // namespace core
