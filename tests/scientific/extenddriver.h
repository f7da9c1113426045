#pragma once

#include "scientific/extendwindow.h"
#include "shared/colors.h"
#include "support/keys.h"

#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTest>

// The key behind a script word: a caption ("7", "+/-", ",", "=", "Lnko",
// "Inv", "Pi"), or a short name for a key whose caption is long or missing.
inline QPushButton *extendKey(ExtendWindow &w, const QString &word)
{
    static const QHash<QString, QString> names{
        {"pow", "Command8_0"}, {"root", "Command8_1"}, {"n!", "Command8_2"}, {"lg", "Command8_6"},
        {"ln", "Command8_7"},  {"sin", "Command8_8"},  {"cos", "Command8_9"}, {"tg", "Command8_10"},
        {"ctg", "Command8_12"}};
    if (names.contains(word))
        return w.findChild<QPushButton *>(names.value(word));
    const auto all = w.findChildren<QPushButton *>();
    for (QPushButton *candidate : all)
        if (candidate->text() == word)
            return candidate;
    return nullptr;
}

// Works through a script, blank-separated: a key word clicks that key,
// "t:<text>" types into the display, "kp:<c>" presses a keypad key, "enter"
// presses Return. Returns false (and says why) on a missing or locked key.
inline bool press(ExtendWindow &w, const QString &script)
{
    const QStringList words = script.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &word : words) {
        if (word.startsWith(QLatin1String("t:"))) {
            testkeys::type(w.Text1, word.mid(2));
        } else if (word.startsWith(QLatin1String("kp:"))) {
            testkeys::keypad(w.Text1, word.at(3));
        } else if (word == QLatin1String("enter")) {
            QTest::keyClick(w.Text1, Qt::Key_Return);
        } else {
            QPushButton *key = extendKey(w, word);
            if (!key || !key->isEnabled()) {
                qWarning("%s key: %s", key ? "locked" : "no", qPrintable(word));
                return false;
            }
            QTest::mouseClick(key, Qt::LeftButton);
        }
    }
    return true;
}

// The keys letiltas locks, by object name.
inline QStringList lockableKeys()
{
    QStringList names{"Command3", "Command4", "Command7", "Command9_0", "Command9_1",
                      "Command10", "Command11", "Command12"};
    for (int i = 0; i < 3; ++i)
        names << QStringLiteral("Command1_%1").arg(i);
    for (int i = 0; i < 10; ++i)
        names << QStringLiteral("Command2_%1").arg(i);
    for (int i = 0; i < 4; ++i)
        names << QStringLiteral("Command5_%1").arg(i);
    for (int i = 0; i < 13; ++i)
        names << QStringLiteral("Command8_%1").arg(i);
    return names;
}

// Object names of the enabled keys.
inline QStringList enabledKeys(ExtendWindow &w)
{
    QStringList names;
    const auto all = w.findChildren<QPushButton *>();
    for (QPushButton *key : all)
        if (key->isEnabled())
            names << key->objectName();
    names.sort();
    return names;
}

inline bool tapeIsNormal(const ExtendWindow &w)
{
    return colors::foreground(w.Label3) == colors::toColor(colors::kHighlightedText) &&
           colors::background(w.Label3) == colors::toColor(colors::kInactiveTitleBar);
}

inline bool tapeIsError(const ExtendWindow &w)
{
    return colors::foreground(w.Label3) == colors::toColor(colors::kWhite) &&
           colors::background(w.Label3) == colors::toColor(colors::kDesktop);
}
