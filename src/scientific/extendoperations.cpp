// The two-operand operations of the scientific window: operator keys, "=" and
// its evaluation szamit1, clear, the key lock and the error state.
#include "scientific/extendwindow.h"

#include "scientific/refusals.h"
#include "shared/colors.h"
#include "shared/displayfield.h"
#include "shared/module1.h"
#include "shared/numbertext.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr int kMaxTapeLength = 80;

enum class Form { Plain, LeadingZero };
}  // namespace

void ExtendWindow::operatorStep(const QString &sign)
{
    m.valto = !m.valto;
    // A fresh tape line starts with the first operand as it was typed.
    Label3->setText(m.valto ? Label3->text() + sign : Text1->text() + sign);
    m.muvelet = sign;
    m.szam1 = numbertext::val(Text1->text());
    Text1->setText(QString());
}

void ExtendWindow::Command5_Click(int index)
{
    operatorStep(Command5[size_t(index)]->text());
    Text1->setFocus();
}

void ExtendWindow::Command6_Click()
{
    torles();
    Text1->setFocus();
}

void ExtendWindow::Command7_Click()
{
    szamit1();
    Text1->setFocus();
}

void ExtendWindow::szamit1()
{
    using namespace scientific;
    Label3->setText(Label3->text() + Text1->text());
    Command3->setEnabled(false);
    m.szam2 = numbertext::val(Text1->text());

    // The operands stay as they are, so "=" again repeats the operation with
    // the shown result as the new second operand.
    const QString &op = m.muvelet;
    const double a = m.szam1;
    const double b = m.szam2;
    Result result;
    Form form = Form::LeadingZero;
    bool evaluated = true;
    if (op == QStringLiteral("+")) {
        result = sum(a, b);
        form = Form::Plain;
    } else if (op == QStringLiteral("-")) {
        result = difference(a, b);
        form = Form::Plain;
    } else if (op == QStringLiteral("*")) {
        result = product(a, b);
        form = Form::Plain;
    } else if (op == QStringLiteral("/")) {
        result = quotient(a, b);
    } else if (op == QStringLiteral("^")) {
        result = power(a, b);
    } else if (op == QStringLiteral(" (gyök) ")) {
        result = root(a, b);
        form = Form::Plain;
    } else if (op == QStringLiteral(" (Lnko) ")) {
        result = gcd(a, b);
        form = Form::Plain;
    } else if (op == QStringLiteral(" (Lkkt) ")) {
        result = lcm(a, b);
        form = Form::Plain;
    } else if (op == QStringLiteral("%")) {
        result = percent(a, b);
    } else {
        evaluated = false;  // nothing pending, or the tag of a function key
    }

    if (evaluated) {
        if (!result.ok()) {
            refuse(result.refusal);  // the display keeps the second operand
        } else {
            m.eredmeny = result.value;
            Text1->setText(form == Form::Plain ? numbertext::displayForm(m.eredmeny)
                                               : numbertext::displayFormLeadingZero(m.eredmeny));
        }
    }

    m.valto = true;
    Label3->setText(Label3->text() + QLatin1Char(' '));
    if (Label3->text().size() > kMaxTapeLength)
        Label3->setText(QString());
    Text1->setCursorPosition(Text1->text().size());
}

void ExtendWindow::refuse(scientific::Refusal refusal, double x)
{
    colors::setForeground(Label3, colors::kWhite);
    colors::setBackground(Label3, colors::kDesktop);
    Label3->setText(scientific::refusalMessage(refusal, x));
    letiltas();
}

void ExtendWindow::setKeysEnabled(bool enabled)
{
    for (QPushButton *key : Command1)
        key->setEnabled(enabled);
    for (QPushButton *key : Command2)
        key->setEnabled(enabled);
    Command3->setEnabled(enabled);
    Command4->setEnabled(enabled);
    for (QPushButton *key : Command5)
        key->setEnabled(enabled);
    Command7->setEnabled(enabled);
    for (QPushButton *key : Command8)
        key->setEnabled(enabled);
    for (QPushButton *key : Command9)
        key->setEnabled(enabled);
    Command10->setEnabled(enabled);
    Command11->setEnabled(enabled);
    Command12->setEnabled(enabled);
}

void ExtendWindow::letiltas()
{
    setKeysEnabled(false);  // "C" stays usable
}

void ExtendWindow::torles()
{
    Text1->setText(QString());
    Label3->setText(QString());
    m.eredmeny = 0;
    m.valto = true;
    setKeysEnabled(true);
    setTapeNormal();
    colors::setBackground(Command10, colors::kButtonFace);
    m.inverz = false;
}
