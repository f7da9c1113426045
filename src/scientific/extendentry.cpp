// Number entry and memory of the scientific window: digit, point and sign
// keys, typing, M+ / MR / MC.
#include "scientific/extendwindow.h"

#include "shared/colors.h"
#include "shared/displayfield.h"
#include "shared/inputcheck.h"
#include "shared/memorykeys.h"
#include "shared/module1.h"
#include "shared/numbertext.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

void ExtendWindow::Command1_Click(int index)
{
    pressMemoryKey(m, Text1, Label2, index);
}

void ExtendWindow::Command2_Click(int index)
{
    displayfield::append(Text1, Command2[size_t(index)]->text());
    Command3->setEnabled(true);
    setTapeNormal();
    displayfield::focusAtEnd(Text1);
}

void ExtendWindow::Command3_Click()
{
    // Untrimmed: a non-negative value keeps its leading blank.
    Text1->setText(numbertext::str(-numbertext::val(Text1->text())));
    displayfield::focusAtEnd(Text1);
}

void ExtendWindow::Command4_Click()
{
    // The key reads "," but always writes the point.
    displayfield::append(Text1, QStringLiteral("."));
    displayfield::focusAtEnd(Text1);
}

void ExtendWindow::Text1_Change()
{
    inputcheck::checkDisplay(m, Text1);
    if (m.hibas)
        Text1->setText(QString());
    m.pontdb = 0;
}

void ExtendWindow::Text1_KeyDown(int keyCode)
{
    // Works whether or not the keys are locked.
    if (keyCode == displayfield::kEnter) {
        szamit1();
        return;
    }
    // A keypad operator; its character never reaches the display, so nothing
    // has to be removed from it afterwards.
    operatorStep(displayfield::signOf(keyCode));
}

void ExtendWindow::setTapeNormal()
{
    colors::setForeground(Label3, colors::kHighlightedText);
    colors::setBackground(Label3, colors::kInactiveTitleBar);
}
