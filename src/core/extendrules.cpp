#include "core/extendrules.h"

#include "core/functions.h"
#include "core/module1.h"
#include "core/numbertext.h"

namespace core {

namespace {
using namespace functions;

// When an immediate key writes its tape line, relative to its result.
enum class Tape {
    AfterCheck,   // argument and tag, once the argument is accepted
    BeforeCheck,  // argument and tag at once; a refusal replaces it
    FromResult,   // the shown result and tag
};

struct Action {
    Operation operation = Operation::None;  // None: the key has no such action
    Result (*compute)(const exact::Number &) = nullptr;
    Tape tape = Tape::AfterCheck;
    bool leadingZero = true;     // 0.25 rather than .25
    double powerBase = 0;        // 10^x and e^x keep their base in szam2
    bool leavesInverse = false;  // arc sin and arc cos: the next key is plain again
};

// A function key: pending (its operation waits for "="), or immediate, with
// what it does plainly and in inverse mode.
struct Meaning {
    Operation pending = Operation::None;
    Action plain;
    Action inverse;
};

constexpr Meaning pendingKey(Operation operation) { return {operation, {}, {}}; }

// By function key, in the order of Key::Power .. Key::Ctg.
const Meaning kMeanings[] = {
    pendingKey(Operation::Power),
    pendingKey(Operation::Root),
    {Operation::None, {Operation::Factorial, factorial, Tape::AfterCheck, false}, {}},
    {Operation::None, {Operation::Reciprocal, reciprocal}, {}},
    pendingKey(Operation::Gcd),
    pendingKey(Operation::Lcm),
    {Operation::None, {Operation::Lg, decimalLog}, {Operation::TenPower, tenPower, Tape::BeforeCheck, true, 10}},
    {Operation::None,
     {Operation::Ln, naturalLog},
     {Operation::EPower, ePower, Tape::BeforeCheck, true, 2.71828182845905}},
    {Operation::None,
     {Operation::Sin, sine, Tape::FromResult},
     {Operation::ArcSin, arcSine, Tape::FromResult, true, 0, true}},
    {Operation::None,
     {Operation::Cos, cosine, Tape::FromResult},
     {Operation::ArcCos, arcCosine, Tape::FromResult, true, 0, true}},
    {Operation::None, {Operation::Tg, tangent, Tape::BeforeCheck}, {Operation::ArcTg, arcTangent, Tape::BeforeCheck}},
    pendingKey(Operation::Percent),
    {Operation::None,
     {Operation::Ctg, cotangent, Tape::BeforeCheck},
     {Operation::ArcCtg, arcCotangent, Tape::BeforeCheck}},
};
static_assert(std::size(kMeanings) == size_t(functionIndex(Key::Ctg) + 1));

const Meaning &meaningOf(Key key) { return kMeanings[functionIndex(key)]; }

constexpr int kMaxEntry = 30;
constexpr int kTapeLength = 80;

KeySet scientificKeys() { return keyRange(Key::Digit0, digitKey(9)) | keyRange(Key::Point, Key::Linear); }
}  // namespace

ExtendRules::ExtendRules(Module1 &state) : Calculator(state, scientificKeys(), kMaxEntry, kTapeLength)
{
}

KeySet ExtendRules::invertibleKeys()
{
    KeySet keys;
    for (Key key = Key::Power; key <= Key::Ctg; key = Key(int(key) + 1))
        keys.set(size_t(key), meaningOf(key).inverse.operation != Operation::None);
    return keys;
}

void ExtendRules::load()
{
    m.valto = true;
    m.inverz = false;
}

void ExtendRules::activate()
{
    m.muvelet = Operation::None;
    m.valto = true;
}

void ExtendRules::digit(int value)
{
    Calculator::digit(value);
    panel_.tapeAlarm = false;
}

void ExtendRules::clear() { torles(); }

void ExtendRules::torles()
{
    clearAll();
    m.eredmeny = 0;
    panel_.inverseLit = false;
    m.inverz = false;
}

void ExtendRules::ownKey(Key key)
{
    if (isFunction(key))
        function(key);
    else if (key == Key::Pi || key == Key::E)
        constant(key);
    else if (key == Key::Inverse)
        inverse();
    // The solver keys open their windows; the calculation is not touched.
}

std::optional<Result> ExtendRules::operate(Operation operation, const exact::Number &a,
                                                    const exact::Number &b) const
{
    switch (operation) {
    case Operation::Divide: return quotient(a, b);  // snapped, unlike the plain quotient
    case Operation::Power: return power(a, b);
    case Operation::Root: return root(a, b);
    case Operation::Gcd: return gcd(a, b);
    case Operation::Lcm: return lcm(a, b);
    case Operation::Percent: return percent(a, b);
    default: return Calculator::operate(operation, a, b);
    }
}

void ExtendRules::showResult(Operation operation, const exact::Number &value)
{
    const bool leadingZero =
        operation == Operation::Divide || operation == Operation::Power || operation == Operation::Percent;
    write(leadingZero ? numbertext::displayFormLeadingZero(value) : numbertext::displayForm(value));
}

void ExtendRules::function(Key key)
{
    const Meaning &meaning = meaningOf(key);
    const exact::Number x = exact::read(panel_.display);
    setFirstOperand(x);
    const QString argumentText = panel_.display;
    if (meaning.pending != Operation::None) {
        // The tape starts afresh with the first operand; "=" adds the second.
        m.muvelet = meaning.pending;
        panel_.tape = argumentText + tagOf(m.muvelet);
        write(QString());
    } else {
        // Keys without an inverse are locked in inverse mode.
        const Action &action = m.inverz && meaning.inverse.compute ? meaning.inverse : meaning.plain;
        const QString tag = tagOf(action.operation);
        m.muvelet = action.operation;
        if (action.tape == Tape::BeforeCheck)
            panel_.tape = argumentText + tag;
        if (action.powerBase != 0)
            m.szam2 = action.powerBase;
        const Result result = action.compute(x);
        if (!result.ok()) {
            refuse(result.refusal, x);  // the display keeps the argument
        } else {
            if (action.tape == Tape::AfterCheck)
                panel_.tape = argumentText + tag;
            m.eredmeny = exact::toDouble(result.value);
            if (action.leavesInverse)
                m.inverz = false;
            write(action.leadingZero ? numbertext::displayFormLeadingZero(result.value)
                                     : numbertext::displayForm(result.value));
            if (action.tape == Tape::FromResult)
                panel_.tape = panel_.display + tag;
        }
    }
    panel_.tape += QLatin1Char(' ');
    m.valto = true;
}

void ExtendRules::constant(Key key)
{
    // Appended to what the display holds; the check judges the whole. Past
    // the entry limit too, but only onto a display within it: with its point
    // deleted, a long text would otherwise grow by a constant per press until
    // it no longer reads as a finite number.
    if (panel_.display.size() > maxEntry_)
        return;
    write(panel_.display + (key == Key::Pi ? QStringLiteral("3.14159265358979") : QStringLiteral("2.71828182845905")));
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

}  // namespace core
