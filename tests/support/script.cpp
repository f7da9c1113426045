#include "support/script.h"

#include "support/typing.h"
#include "ui/calculatorwindow.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

namespace testscript {

QString run(CalculatorWindow &w, const QString &script)
{
    for (const QString &word : script.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString argument = word.mid(word.indexOf(QLatin1Char(':')) + 1);
        const QChar keypadKey = argument.isEmpty() ? QChar('\r') : argument.at(0);
        if (word.startsWith(QLatin1String("t:"))) {
            testkeys::type(w.Text1, argument);
        } else if (word.startsWith(QLatin1String("kp:"))) {
            testkeys::keypad(w.Text1, keypadKey);
        } else if (word.startsWith(QLatin1String("nk:"))) {
            testkeys::nativeKeypad(w.Text1, keypadKey);
        } else if (word.startsWith(QLatin1String("b:"))) {
            QRadioButton *option = nullptr;
            for (QRadioButton *candidate : w.findChildren<QRadioButton *>())
                option = candidate->text() == argument ? candidate : option;
            if (!option || !option->isEnabled())
                return QStringLiteral("no usable base option in \"%1\"").arg(word);
            option->click();
        } else {
            // A hexadecimal digit is a digit key; "CLR" the clear key, any
            // other word a key's caption.
            bool isDigit = false;
            const int digit = word.toInt(&isDigit, 16);
            QPushButton *key = word == QLatin1String("CLR") ? w.Command6
                               : word.size() == 1 && isDigit && digit < int(w.Command2.size())
                                   ? w.Command2[size_t(digit)]
                                   : nullptr;
            for (QPushButton *candidate : w.findChildren<QPushButton *>())
                key = !key && candidate->text() == word ? candidate : key;
            if (!key || !key->isEnabled())
                return QStringLiteral("no usable key \"%1\"").arg(word);
            QTest::mouseClick(key, Qt::LeftButton);
        }
    }
    return QString();
}

}  // namespace testscript
