#include "core/calculator.h"

#include "core/inputcheck.h"
#include "core/module1.h"
#include "core/numbertext.h"
#include "core/radix.h"
#include "core/texts.h"

namespace core {

namespace {
// A paste brings the blanks, tabs and line break around a copied number:
// one trailing line break and the blanks and tabs at either end go.
QString withoutSurroundings(QString pasted)
{
    if (pasted.endsWith(QLatin1String("\r\n")))
        pasted.chop(2);
    else if (pasted.endsWith(QLatin1Char('\n')))
        pasted.chop(1);
    const auto blank = [](QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); };
    qsizetype begin = 0, end = pasted.size();
    while (begin < end && blank(pasted.at(begin)))
        ++begin;
    while (end > begin && blank(pasted.at(end - 1)))
        --end;
    return pasted.mid(begin, end - begin);
}
}  // namespace

Calculator::Calculator(Module1 &state, KeySet keys, int maxEntry, bool takesDisplayKeys)
    : m(state), keys_(keys), maxEntry_(maxEntry), takesDisplayKeys_(takesDisplayKeys), entryLimit_(maxEntry)
{
    panel_.enabled = keys_;
}

Panel Calculator::panel() const
{
    Panel shown = panel_;
    shown.memoryLit = m.memoryStored;
    return shown;
}

QList<Message> Calculator::takeMessages() { return std::exchange(messages_, {}); }

void Calculator::press(Key key)
{
    if (!panel_.enabled.test(size_t(key)))
        return;
    panel_.focus = Focus::DisplayAtEnd;
    act(key);
    if (hasMessages())
        panel_.focus = Focus::DisplayAtEnd;
}

void Calculator::displayKey(DisplayKey key)
{
    if (!takesDisplayKeys_)
        return;
    panel_.focus = Focus::Stay;
    switch (key) {
    case DisplayKey::Enter:
        act(Key::Equals);
        panel_.focus = Focus::DisplayAtEnd;
        break;
    // A keypad operator; its character never reaches the display.
    case DisplayKey::Add: pend(Operation::Add); break;
    case DisplayKey::Subtract: pend(Operation::Subtract); break;
    case DisplayKey::Multiply: pend(Operation::Multiply); break;
    case DisplayKey::Divide: pend(Operation::Divide); break;
    }
    if (hasMessages())
        panel_.focus = Focus::DisplayAtEnd;
}

void Calculator::edited(const QString &text, int caret)
{
    panel_.focus = Focus::Stay;
    const QString before = panel_.display;
    // What the edit put in: the text between the part before it kept at the
    // start and the part behind the caret kept at the end.
    caret = qBound(0, caret, int(text.size()));
    const int kept = qMin(int(text.size()) - caret, int(before.size()));
    int start = 0;
    while (start < caret && start < int(before.size()) - kept && before.at(start) == text.at(start))
        ++start;
    QString inserted = text.mid(start, caret - start);
    if (inserted.size() > 1)
        inserted = withoutSurroundings(inserted);
    // As typing would, the start of what was put in goes in, up to the limit.
    const int room = entryLimit_ - (start + kept);
    if (inserted.size() > room)
        inserted.truncate(qMax(0, room));
    const QString after = text.left(start) + inserted + text.right(kept);
    if (after != before) {
        panel_.display = after;
        panel_.caret = start + int(inserted.size());
        check();
    } else {
        panel_.caret = start;
    }
    if (hasMessages())
        panel_.focus = Focus::DisplayAtEnd;
}

bool Calculator::activated(Arrival from)
{
    if (!runsFormActivate(from))
        return false;
    panel_.focus = Focus::Stay;
    formActivate();
    return true;
}

void Calculator::check()
{
    checkDigits(10);
    m.pontdb = 0;
}

void Calculator::setDisplay(const QString &text)
{
    entryLimit_ = qMax(maxEntry_, int(text.size()));
    panel_.caret = int(text.size());
    // As a field raises no change for the text it already holds.
    if (text == panel_.display)
        return;
    panel_.display = text;
    check();
}

void Calculator::append(const QString &text)
{
    if (panel_.display.size() + text.size() <= maxEntry_)
        setDisplay(panel_.display + text);
}

void Calculator::appendDigit(Key key)
{
    append(QString(QLatin1Char("0123456789ABCDEF"[digitOf(key)])));
    setEnabled(Key::Sign, true);
}

void Calculator::checkDigits(int base)
{
    inputcheck::examine(m, panel_.display, base);
    if (m.hibas) {
        tell(texts::kDigits);
        setDisplay(QString());
    }
    if (m.pontdb >= 2) {
        tell(texts::kPoints);
        // Zeroed before emptying, so the check of the empty text does not repeat it.
        m.pontdb = 0;
        setDisplay(QString());
    }
}

void Calculator::tell(const QString &text, bool exclamation) { messages_.append({text, exclamation}); }

bool Calculator::sharedKey(Key key)
{
    if (isDigit(key)) {
        appendDigit(key);
        return true;
    }
    switch (key) {
    case Key::Point:
        append(QStringLiteral("."));
        return true;  // the "," key writes the point
    // Str of the negated value, untrimmed: a non-negative one keeps its blank.
    case Key::Sign: setDisplay(radix::negated(display(), 10)); return true;
    case Key::Add:
    case Key::Subtract:
    case Key::Multiply:
    case Key::Divide: pend(operationOf(key)); return true;
    // The register is replaced, not added to.
    case Key::MemoryStore: storeMemory(exact::read(display())); return true;
    case Key::MemoryRecall: setDisplay(numbertext::displayForm(exact::ofDouble(m.memoria))); return true;
    case Key::MemoryClear: clearMemory(); return true;
    default: return false;
    }
}

void Calculator::pend(Operation operation)
{
    m.valto = !m.valto;
    m.muvelet = operation;
    // A fresh tape line starts with the first operand as it was typed.
    panel_.tape = (m.valto ? panel_.tape : panel_.display) + tagOf(operation);
    setFirstOperand(exact::read(panel_.display));
    setDisplay(QString());
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

void Calculator::closeTapeLine(int tapeLength)
{
    m.valto = true;
    panel_.tape += QLatin1Char(' ');
    if (panel_.tape.size() > tapeLength)
        panel_.tape.clear();
}

void Calculator::refuseOnTape(Refusal refusal, const exact::Number &x)
{
    panel_.tapeAlarm = true;
    panel_.tape = refusalText(refusal, x);
    lockAllButClear();
}

void Calculator::clearAll()
{
    setDisplay(QString());
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

void Calculator::storeMemory(const exact::Number &value)
{
    m.memoria = exact::toDouble(value);
    m.memoryStored = true;
}

void Calculator::clearMemory()
{
    m.memoryStored = false;
    m.memoria = 0;
}

}  // namespace core
