#pragma once

#include "informatics/infoswindow.h"
#include "support/keys.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QTest>

// Presses the keys of a script, blank-separated: a digit key's caption ("0"
// to "9", "A" to "F"), "+/-", ",", "+", "-", "*", "/", "=", "M+", "MR",
// "MC"; "CLR" is the clear key (its caption "C" is also a digit);
// "b:<base>" clicks a base option; "t:<text>" types text into the display.
inline void press(InfosWindow &w, const QString &script)
{
    const QStringList tokens = script.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &token : tokens) {
        if (token.startsWith(QLatin1String("t:"))) {
            testkeys::type(w.Text1, token.mid(2));
            continue;
        }
        if (token.startsWith(QLatin1String("b:"))) {
            QRadioButton *option = nullptr;
            for (QRadioButton *candidate : w.Option1)
                if (candidate->text() == token.mid(2))
                    option = candidate;
            QVERIFY2(option, qPrintable("no base " + token));
            QVERIFY2(option->isEnabled(), qPrintable("base disabled: " + token));
            option->click();
            continue;
        }
        QPushButton *key = nullptr;
        if (token == QLatin1String("CLR")) {
            key = w.Command6;
        } else if (token.size() == 1 && token.at(0).isLetterOrNumber()) {
            bool ok = false;
            const int digit = token.toInt(&ok, 16);
            if (ok)
                key = w.Command2[size_t(digit)];
        } else {
            for (QPushButton *candidate : w.findChildren<QPushButton *>())
                if (candidate->text() == token)
                    key = candidate;
        }
        QVERIFY2(key, qPrintable("no key " + token));
        QVERIFY2(key->isEnabled(), qPrintable("key disabled: " + token));
        key->click();
    }
}

// Indexes of the enabled digit keys.
inline QList<int> enabledDigits(const InfosWindow &w)
{
    QList<int> enabled;
    for (int i = 0; i < 16; ++i)
        if (w.Command2[size_t(i)]->isEnabled())
            enabled << i;
    return enabled;
}

inline QList<int> upTo(int base)
{
    QList<int> digits;
    for (int i = 0; i < base; ++i)
        digits << i;
    return digits;
}

inline int enabledOptions(const InfosWindow &w)
{
    int n = 0;
    for (QRadioButton *option : w.Option1)
        n += option->isEnabled() ? 1 : 0;
    return n;
}

inline int checkedOption(const InfosWindow &w)
{
    for (int i = 0; i < 10; ++i)
        if (w.Option1[size_t(i)]->isChecked())
            return i;
    return -1;
}
