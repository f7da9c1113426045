// Number entry of the standard window: digit, point and sign keys, typing.
#include "standard/standwindow.h"

#include "shared/displayfield.h"
#include "shared/inputcheck.h"
#include "shared/module1.h"
#include "shared/numbertext.h"

#include <QLineEdit>
#include <QPushButton>

void StandWindow::Command2_Click(int index)
{
    displayfield::append(Text1, Command2[index]->text());
    Command3->setEnabled(true);
    displayfield::focusAtEnd(Text1);
}

void StandWindow::Command4_Click()
{
    // The key reads "," but always writes the point.
    displayfield::append(Text1, QStringLiteral("."));
    displayfield::focusAtEnd(Text1);
}

void StandWindow::Command3_Click()
{
    // Untrimmed: a non-negative value keeps its leading blank.
    Text1->setText(numbertext::str(-numbertext::val(Text1->text())));
    displayfield::focusAtEnd(Text1);
}

void StandWindow::Text1_Change()
{
    inputcheck::checkDisplay(m, Text1);
    m.pontdb = 0;
}

void StandWindow::Text1_KeyDown(int keyCode)
{
    if (keyCode == displayfield::kEnter) {
        szamitas();
        return;
    }
    // A keypad operator; its character never reaches the display, so nothing
    // has to be removed from it afterwards.
    operatorStep(displayfield::signOf(keyCode));
}
