// The function keys of the scientific window (Command8): five keys that
// leave a pending operation for "=", eight that act on the display at once.
#include "scientific/extendwindow.h"

#include "shared/displayfield.h"
#include "shared/module1.h"
#include "shared/numbertext.h"

#include <QLabel>
#include <QLineEdit>

namespace {

using scientific::Result;

// When the tape line is written, relative to the result.
enum class Tape {
    AfterCheck,   // argument and tag, once the argument is accepted
    BeforeCheck,  // argument and tag at once; a refusal replaces it
    FromResult,   // the shown result and tag
};

struct KeyAction {
    const char *tag;
    Result (*compute)(double);
    Tape tape;
};

bool isPending(int index) { return index == 0 || index == 1 || index == 4 || index == 5 || index == 11; }

const char *pendingTag(int index)
{
    switch (index) {
    case 0: return "^";
    case 1: return " (gyök) ";
    case 4: return " (Lnko) ";
    case 5: return " (Lkkt) ";
    default: return "%";
    }
}

KeyAction immediateAction(int index, bool inverse)
{
    using namespace scientific;
    switch (index) {
    case 2: return {"!", factorial, Tape::AfterCheck};
    case 3: return {" (1/x) ", reciprocal, Tape::AfterCheck};
    case 6: return inverse ? KeyAction{" (10^x) ", tenPower, Tape::BeforeCheck}
                           : KeyAction{" (lgx) ", decimalLog, Tape::AfterCheck};
    case 7: return inverse ? KeyAction{" (e^x) ", ePower, Tape::BeforeCheck}
                           : KeyAction{" (lnx) ", naturalLog, Tape::AfterCheck};
    case 8: return inverse ? KeyAction{" (arc sinx) ", arcSine, Tape::FromResult}
                           : KeyAction{" (sinx) ", sine, Tape::FromResult};
    case 9: return inverse ? KeyAction{" (arc cosx) ", arcCosine, Tape::FromResult}
                           : KeyAction{" (cosx) ", cosine, Tape::FromResult};
    case 10: return inverse ? KeyAction{" (arc tgx) ", arcTangent, Tape::BeforeCheck}
                            : KeyAction{" (tgx) ", tangent, Tape::BeforeCheck};
    default: return inverse ? KeyAction{" (arc ctgx) ", arcCotangent, Tape::BeforeCheck}
                            : KeyAction{" (ctgx) ", cotangent, Tape::BeforeCheck};
    }
}

}  // namespace

void ExtendWindow::Command8_Click(int index)
{
    m.szam1 = numbertext::val(Text1->text());
    if (isPending(index))
        pendingKey(QString::fromUtf8(pendingTag(index)));
    else
        immediateKey(index);
    Label3->setText(Label3->text() + QLatin1Char(' '));
    m.valto = true;
    displayfield::focusAtEnd(Text1);
}

void ExtendWindow::pendingKey(const QString &tag)
{
    // The tape starts afresh with the first operand; "=" adds the second.
    m.muvelet = tag;
    Label3->setText(Text1->text() + tag);
    Text1->setText(QString());
}

void ExtendWindow::immediateKey(int index)
{
    const bool arc = m.inverz && (index == 8 || index == 9);
    const KeyAction action = immediateAction(index, m.inverz);
    const QString tag = QString::fromUtf8(action.tag);
    const QString argumentText = Text1->text();
    const double x = m.szam1;

    m.muvelet = tag;
    if (action.tape == Tape::BeforeCheck)
        Label3->setText(argumentText + tag);
    if (m.inverz && (index == 6 || index == 7))
        m.szam2 = index == 6 ? 10 : scientific::kE;  // the base of the power

    const Result result = action.compute(x);
    if (!result.ok()) {
        refuse(result.refusal, x);  // the display keeps the argument
        return;
    }
    if (action.tape == Tape::AfterCheck)
        Label3->setText(argumentText + tag);
    m.eredmeny = result.value;
    if (arc) {
        m.seged = scientific::seged(x);
        m.inverz = false;  // the next sin or cos key is the plain function again
    }
    Text1->setText(index == 2 ? numbertext::displayForm(m.eredmeny)
                              : numbertext::displayFormLeadingZero(m.eredmeny));
    if (action.tape == Tape::FromResult)
        Label3->setText(Text1->text() + tag);
}
