// The function keys of the scientific window (Command8): five leave an
// operation pending for "=", eight act on the display at once, and six of
// those have an inverse. Their captions, places and behaviour in one table.
#include "scientific/extendwindow.h"

#include "scientific/functions.h"
#include "scientific/keypictures.h"
#include "shared/displayfield.h"
#include "shared/module1.h"
#include "shared/numbertext.h"

#include <QLabel>
#include <QLineEdit>

namespace {
using namespace scientific;

// When the tape line of an immediate key is written, relative to the result.
enum class Tape {
    AfterCheck,   // argument and tag, once the argument is accepted
    BeforeCheck,  // argument and tag at once; a refusal replaces it
    FromResult,   // the shown result and tag
};

// Whether a result gets a "0" before its point (0.25 rather than .25).
enum class Form { Plain, LeadingZero };

struct Action {
    const char *tag = nullptr;  // nullptr: the key has no such action
    Result (*compute)(double) = nullptr;
    Tape tape = Tape::AfterCheck;
    Form form = Form::LeadingZero;
    double powerBase = 0;        // 10^x and e^x keep their base as szam2
    bool leavesInverse = false;  // arc sin and arc cos: the next key is plain again
};

struct FunctionKey {
    const char *caption;  // "" for a picture key
    const char *shortcut;
    keypad::Place place;
    const char *tip;
    // A pending key: its tag becomes the pending operation of "=".
    const char *pendingTag;
    Result (*operation)(double, double);
    Form form;
    // An immediate key: what it does, plainly and in inverse mode.
    Action plain;
    Action inverse;
};

constexpr FunctionKey pending(const char *caption, const char *shortcut, keypad::Place place, const char *tip,
                              const char *tag, Result (*operation)(double, double), Form form)
{
    return {caption, shortcut, place, tip, tag, operation, form, {}, {}};
}

constexpr FunctionKey immediate(const char *caption, const char *shortcut, keypad::Place place, const char *tip,
                                Action plain, Action inverse = {})
{
    return {caption, shortcut, place, tip, nullptr, nullptr, Form::Plain, plain, inverse};
}

constexpr keypad::Place narrow(int left, int top) { return keypad::square(left, top); }
constexpr keypad::Place wide(int left, int top) { return {left, top, 615, 375}; }

const FunctionKey kFunctionKeys[] = {
    pending("", "Ctrl+Shift+Y", narrow(3720, 1320), "Hatványozás: x az n-ediken", "^", power, Form::LeadingZero),
    pending("", "Ctrl+Shift+G", narrow(3720, 1800), "Gyökvonás: n-edik gyök x", " (gyök) ", root, Form::Plain),
    immediate("n !", "Ctrl+Shift+F", narrow(3720, 2280), "n faktoriálisa",
              {"!", factorial, Tape::AfterCheck, Form::Plain}),
    immediate("1/x", "Ctrl+Shift+R", narrow(3720, 2760), "x reciproka", {" (1/x) ", reciprocal}),
    pending("Lnko", "Ctrl+Shift+O", wide(4800, 1320), "Legnagyobb közös osztó", " (Lnko) ", gcd, Form::Plain),
    pending("Lkkt", "Ctrl+Shift+M", wide(4800, 1800), "Legkisebb közös többszörös", " (Lkkt) ", lcm, Form::Plain),
    immediate("lg x", "Ctrl+Shift+L", wide(4800, 2280), "Tizes alapú logaritmus", {" (lgx) ", decimalLog},
              {" (10^x) ", tenPower, Tape::BeforeCheck, Form::LeadingZero, 10}),
    immediate("ln x", "Ctrl+Shift+N", wide(4800, 2760), "Természetes (e) alapú logaritmus", {" (lnx) ", naturalLog},
              {" (e^x) ", ePower, Tape::BeforeCheck, Form::LeadingZero, kE}),
    immediate("sin x", "Ctrl+Shift+S", wide(5520, 1320), "", {" (sinx) ", sine, Tape::FromResult},
              {" (arc sinx) ", arcSine, Tape::FromResult, Form::LeadingZero, 0, true}),
    immediate("cos x", "Ctrl+Shift+C", wide(5520, 1800), "", {" (cosx) ", cosine, Tape::FromResult},
              {" (arc cosx) ", arcCosine, Tape::FromResult, Form::LeadingZero, 0, true}),
    immediate("tg x", "Ctrl+Shift+T", wide(5520, 2280), "", {" (tgx) ", tangent, Tape::BeforeCheck},
              {" (arc tgx) ", arcTangent, Tape::BeforeCheck}),
    pending("%", "Ctrl+Shift+B", narrow(4200, 1320), "Százalékszámítás: a (alap) b %-a", "%", percent,
            Form::LeadingZero),
    immediate("ctg x", "Ctrl+Shift+K", wide(5520, 2760), "", {" (ctgx) ", cotangent, Tape::BeforeCheck},
              {" (arc ctgx) ", arcCotangent, Tape::BeforeCheck}),
};

const FunctionKey *pendingKey(const QString &tag)
{
    for (const FunctionKey &key : kFunctionKeys)
        if (key.pendingTag && tag == QString::fromUtf8(key.pendingTag))
            return &key;
    return nullptr;
}

}  // namespace

void ExtendWindow::addFunctionKeys()
{
    std::vector<keypad::Key<ExtendWindow>> rows;
    for (int i = 0; i < int(std::size(kFunctionKeys)); ++i) {
        const FunctionKey &f = kFunctionKeys[i];
        rows.push_back({"Command8", i, f.caption, f.shortcut, f.place, &ExtendWindow::Command8_Click, f.tip});
    }
    addKeys(rows.data(), int(rows.size()));
    for (int i = 0; i < int(Command8.size()); ++i)
        Command8[size_t(i)] = key(QStringLiteral("Command8"), i);
    // The two keys without a caption show a picture and need a spoken name.
    Command8[0]->setIcon(keypictures::power(Command8[0]));
    Command8[0]->setAccessibleName(QStringLiteral("Hatványozás"));
    Command8[1]->setIcon(keypictures::root(Command8[1]));
    Command8[1]->setAccessibleName(QStringLiteral("Gyökvonás"));
    for (int i : {0, 1})
        Command8[size_t(i)]->setIconSize(keypictures::size());
}

bool ExtendWindow::hasInverse(int index) { return kFunctionKeys[index].inverse.tag != nullptr; }

std::optional<Result> ExtendWindow::operate(const QString &sign, double a, double b) const
{
    if (sign == QLatin1String("/"))
        return quotient(a, b);  // snapped, unlike the plain quotient
    if (const FunctionKey *key = pendingKey(sign))
        return key->operation(a, b);
    return CalculatorWindow::operate(sign, a, b);
}

bool ExtendWindow::writesLeadingZero(const QString &sign) const
{
    const FunctionKey *key = pendingKey(sign);
    return key ? key->form == Form::LeadingZero : CalculatorWindow::writesLeadingZero(sign);
}

void ExtendWindow::Command8_Click(int index)
{
    const FunctionKey &key = kFunctionKeys[index];
    m.szam1 = numbertext::val(Text1->text());
    const QString argumentText = Text1->text();
    if (key.pendingTag) {
        // The tape starts afresh with the first operand; "=" adds the second.
        m.muvelet = QString::fromUtf8(key.pendingTag);
        Label3->setText(argumentText + m.muvelet);
        Text1->setText(QString());
    } else {
        // Keys without an inverse are locked in inverse mode.
        const Action &action = m.inverz && key.inverse.tag ? key.inverse : key.plain;
        const QString tag = QString::fromUtf8(action.tag);
        const double x = m.szam1;
        m.muvelet = tag;
        if (action.tape == Tape::BeforeCheck)
            Label3->setText(argumentText + tag);
        if (action.powerBase != 0)
            m.szam2 = action.powerBase;
        const Result result = action.compute(x);
        if (!result.ok()) {
            refuse(result.refusal, x);  // the display keeps the argument
        } else {
            if (action.tape == Tape::AfterCheck)
                Label3->setText(argumentText + tag);
            m.eredmeny = result.value;
            if (action.leavesInverse)
                m.inverz = false;
            Text1->setText(action.form == Form::LeadingZero ? numbertext::displayFormLeadingZero(m.eredmeny)
                                                            : numbertext::displayForm(m.eredmeny));
            if (action.tape == Tape::FromResult)
                Label3->setText(Text1->text() + tag);
        }
    }
    Label3->setText(Label3->text() + QLatin1Char(' '));
    m.valto = true;
    displayfield::focusAtEnd(Text1);
}
