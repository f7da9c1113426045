// Operations of the standard window: operators, result, clear, memory and
// the colour scheme.
#include "standard/standwindow.h"

#include "shared/colors.h"
#include "shared/displayfield.h"
#include "shared/memorykeys.h"
#include "shared/module1.h"
#include "shared/numbertext.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>

namespace {
const QString kDivisionByZero = QStringLiteral("Nullával nem lehet osztani!");
const QString kNotRepresentable = QStringLiteral("Az eredmény nem ábrázolható!");
constexpr int kMaxTapeLength = 32;
}  // namespace

void StandWindow::operatorStep(const QString &sign)
{
    m.valto = !m.valto;
    m.muvelet = sign;
    // A fresh tape line starts with the first operand as it was typed.
    Label1->setText(m.valto ? Label1->text() + sign : Text1->text() + sign);
    m.szam1 = numbertext::val(Text1->text());
    Text1->setText(QString());
}

void StandWindow::Command5_Click(int index)
{
    if (m.hibas) {
        Text1->setText(QString());
        m.pontdb = 0;
    } else {
        operatorStep(Command5[index]->text());
    }
    Text1->setFocus();
}

void StandWindow::Command7_Click()
{
    if (m.hibas) {
        Text1->setText(QString());
        m.pontdb = 0;
    } else {
        szamitas();
    }
    Text1->setFocus();
}

void StandWindow::szamitas()
{
    Label1->setText(Label1->text() + Text1->text());
    Command3->setEnabled(false);
    m.szam2 = numbertext::val(Text1->text());

    const QString &op = m.muvelet;
    if (op == QLatin1String("+") || op == QLatin1String("-") || op == QLatin1String("*") ||
        op == QLatin1String("/")) {
        double result = 0;
        if (op == QLatin1String("+"))
            result = m.szam1 + m.szam2;
        else if (op == QLatin1String("-"))
            result = m.szam1 - m.szam2;
        else if (op == QLatin1String("*"))
            result = m.szam1 * m.szam2;
        else if (m.szam2 != 0)
            result = m.szam1 / m.szam2;

        if (op == QLatin1String("/") && m.szam2 == 0) {
            lock(kDivisionByZero);
        } else if (!std::isfinite(result)) {
            // Never write "inf" or "nan": lock as for a division by zero.
            lock(kNotRepresentable);
        } else {
            m.eredmeny = result;
            // Only a quotient gets a "0" before the point.
            Text1->setText(op == QLatin1String("/") ? numbertext::displayFormLeadingZero(result)
                                                    : numbertext::displayForm(result));
        }
    }

    m.valto = true;
    Label1->setText(Label1->text() + QLatin1Char(' '));
    if (Label1->text().size() > kMaxTapeLength)
        Label1->setText(QString());
    displayfield::focusAtEnd(Text1);
}

void StandWindow::lock(const QString &message)
{
    colors::setForeground(Label1, colors::kWhite);
    colors::setBackground(Label1, colors::kDesktop);
    Label1->setText(message);
    Text1->setText(QString());
    setKeysEnabled(false);
}

void StandWindow::setKeysEnabled(bool enabled)
{
    for (QPushButton *key : Command2)
        key->setEnabled(enabled);
    for (QPushButton *key : Command5)
        key->setEnabled(enabled);
    for (QPushButton *key : Command1)
        key->setEnabled(enabled);
    Command3->setEnabled(enabled);
    Command4->setEnabled(enabled);
    Command7->setEnabled(enabled);
}

void StandWindow::Command6_Click()
{
    Text1->setText(QString());
    Label1->setText(QString());
    colors::setForeground(Label1, colors::kHighlightedText);
    colors::setBackground(Label1, colors::kInactiveTitleBar);
    m.valto = true;
    setKeysEnabled(true);
    Text1->setFocus();
}

void StandWindow::Command1_Click(int index)
{
    pressMemoryKey(m, Text1, Label2, index);
}

void StandWindow::Form_DblClick()
{
    szines = !szines;
    colors::setBackground(centralWidget(), szines ? colors::kGreen : colors::kButtonFace);
    for (QPushButton *key : Command2)
        colors::setBackground(key, szines ? colors::kRed : colors::kButtonFace);
    for (QPushButton *key : Command5)
        colors::setBackground(key, szines ? colors::kYellow : colors::kButtonFace);
}

void StandWindow::mouseDoubleClickEvent(QMouseEvent *event)
{
    QMainWindow::mouseDoubleClickEvent(event);
    Form_DblClick();
}
