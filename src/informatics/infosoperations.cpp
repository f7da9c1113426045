// The keys of the informatics window that read or write the display in its
// base: sign, operators, result and clear, and the display's check.
// The arithmetic is in base ten.
#include "informatics/infoswindow.h"

#include "shared/arithmetic.h"
#include "shared/displayfield.h"
#include "shared/inputcheck.h"
#include "shared/module1.h"
#include "shared/texts.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

void InfosWindow::Command5_Click(int index)
{
    const std::optional<double> value = tizesbe();
    if (!value)
        return;
    ++m.muveletdb;
    if (m.muveletdb > 1)
        m.valto = !m.valto;
    if (m.valto)
        setOptionsEnabled(false);
    m.muvelet = Command5[index]->text();
    if (m.alapkod == radix::kBaseTenOption) {
        // An empty display keeps the first operand: a second operator key
        // only replaces the sign.
        if (!Text1->text().isEmpty()) {
            m.szam1 = *value;
            Text1->setText(QString());
        }
    } else {
        // The conversion leaves the display's value in eredmeny; an empty
        // display leaves eredmeny as it was (0 after "C").
        if (!Text1->text().isEmpty())
            m.eredmeny = *value;
        Text1->setText(QString());
        m.szam1 = m.eredmeny;
    }
    Text1->setFocus();
}

void InfosWindow::Command7_Click()
{
    const std::optional<double> value = tizesbe();
    if (!value)
        return;
    m.szam2 = *value;
    Command3->setEnabled(false);
    switch (szamolas()) {
    case Outcome::Result:
        // A result that cannot be written leaves the second operand shown.
        atv2(m.eredmeny, true);
        break;
    case Outcome::DivisionByZero: Text1->setText(texts::kDivisionByZero); break;
    case Outcome::NotRepresentable:
        showUnwritable();
        if (m.alapkod == radix::kBaseTenOption)
            Text1->setText(QString());
        break;
    case Outcome::Nothing:
        // The display's number stays as it is.
        break;
    }
    setOptionsEnabled(true);
    m.muveletdb = 0;
    displayfield::focusAtEnd(Text1);
}

InfosWindow::Outcome InfosWindow::szamolas()
{
    const QString op = m.muvelet;
    const std::optional<Result> result = arithmetic::operate(op, m.szam1, m.szam2);
    if (!result) {
        m.muvelet.clear();
        return Outcome::Nothing;
    }
    if (result->refusal == Refusal::DivisionByZero) {
        // The sign stays pending. The shared "bad input" flag stays as the
        // check left it: this window never reads it, and set here it would
        // make the standard window drop its next operator or "=".
        Text1->setText(QString());
        for (QPushButton *key : Command2)
            key->setEnabled(false);
        setWorkingKeysEnabled(false);
        return Outcome::DivisionByZero;
    }
    m.muvelet.clear();
    // The operands are finite, but their result may not be; it is never kept.
    if (!result->ok())
        return Outcome::NotRepresentable;
    m.eredmeny = result->value;
    // Base ten shows a sum, difference or product at once, as it always did.
    if (op != QLatin1String("/") && m.alapkod == radix::kBaseTenOption)
        atv2(result->value);
    return Outcome::Result;
}

void InfosWindow::Command6_Click()
{
    Text1->setText(QString());
    m.valto = true;
    m.muveletdb = 0;
    setDigitKeys(checkedOption());
    setWorkingKeysEnabled(true);
    m.eredmeny = 0;
    Text1->setFocus();
    setOptionsEnabled(true);
}

void InfosWindow::Command3_Click()
{
    // A sign fits before a full display, but not before one that is already
    // longer: the display would grow by one digit and a sign each time.
    const QString flipped = radix::negated(Text1->text(), radix::baseOf(m.alapkod));
    if (flipped.size() <= kMaxEntry + 1)
        Text1->setText(flipped);
    displayfield::focusAtEnd(Text1);
}

void InfosWindow::Text1_Change()
{
    // While a division by zero is pending its message stands in the display;
    // once something else replaces the message, that is checked again.
    const bool divisionMessage =
        m.szam2 == 0 && m.muvelet == QLatin1String("/") && Text1->text().startsWith(texts::kDivisionByZero);
    if (!divisionMessage) {
        // Only the digits of the display's base: a 2 cannot stand in a binary number.
        inputcheck::checkDisplay(m, Text1, radix::baseOf(m.alapkod));
    }
    m.pontdb = 0;
}
