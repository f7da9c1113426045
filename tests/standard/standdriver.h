#pragma once

#include "standard/standwindow.h"
#include "support/keys.h"

#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTest>

// Presses the keys of a script, blank-separated: a key's caption ("7", "+/-",
// ",", "+", "=", "C", "M+"), "t:<text>" types text into the display,
// "kp:<c>" presses a keypad key, "enter" presses Return.
inline void press(StandWindow &w, const QString &script)
{
    const QStringList tokens = script.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &token : tokens) {
        if (token.startsWith(QLatin1String("t:"))) {
            testkeys::type(w.Text1, token.mid(2));
            continue;
        }
        if (token.startsWith(QLatin1String("kp:"))) {
            testkeys::keypad(w.Text1, token.at(3));
            continue;
        }
        if (token == QLatin1String("enter")) {
            QTest::keyClick(w.Text1, Qt::Key_Return);
            continue;
        }
        QPushButton *key = nullptr;
        const auto all = w.findChildren<QPushButton *>();
        for (QPushButton *candidate : all)
            if (candidate->text() == token)
                key = candidate;
        QVERIFY2(key, qPrintable("no key " + token));
        QVERIFY2(key->isEnabled(), qPrintable("key disabled: " + token));
        key->click();
    }
}
