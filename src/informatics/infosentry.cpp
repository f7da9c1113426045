// Number entry of the informatics window: digit, point and sign keys, typing.
#include "informatics/infoswindow.h"

#include "shared/displayfield.h"
#include "shared/inputcheck.h"
#include "shared/module1.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

void InfosWindow::Command2_Click(int index)
{
    displayfield::append(Text1, Command2[index]->text());
    Command3->setEnabled(true);
    displayfield::focusAtEnd(Text1);
}

void InfosWindow::Command4_Click()
{
    // The key reads "," but always writes the point.
    displayfield::append(Text1, QStringLiteral("."));
    displayfield::focusAtEnd(Text1);
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
    // While a division by zero is pending its message stands in the display.
    if (!(m.szam2 == 0 && m.muvelet == QLatin1String("/"))) {
        // Only the digits of the display's base: a 2 cannot stand in a binary number.
        inputcheck::checkDisplay(m, Text1, radix::baseOf(m.alapkod));
    }
    m.pontdb = 0;
}
