#include "shared/memorykeys.h"

#include "shared/displayfield.h"
#include "shared/module1.h"
#include "shared/numbertext.h"

#include <QLabel>
#include <QLineEdit>

void pressMemoryKey(Module1 &state, QLineEdit *display, QLabel *indicator, int index)
{
    switch (index) {
    case 0:
        state.memoria = numbertext::val(display->text());
        indicator->setText(QStringLiteral("M"));
        break;
    case 1:
        display->setText(numbertext::displayForm(state.memoria));
        break;
    case 2:
        indicator->setText(QString());
        state.memoria = 0;
        break;
    }
    displayfield::focusAtEnd(display);
}
