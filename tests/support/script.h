#pragma once

#include <QString>

class CalculatorWindow;
struct Module1;

// Drives a calculator window from a script of blank-separated words, as a
// user would:
//   a key's caption ("7", "+/-", ",", "M+", "Lnko"), a hexadecimal digit for
//   the digit keys ("C" is then the digit; "CLR" is always the clear key), or
//   a short name (n! lg ln sin cos tg ctg pow root)   clicks that key
//   t:<text>      types the text into the display
//   kp:<c>        a keypad key: + - * / , or "kp:\r"; "enter" presses Return
//   nk:<c>        the same keypad key without the keypad modifier (Wayland)
//   home, del     those keys in the display
//   b:<base>      clicks the base option; o:<base> selects it from code
//   activate      shows the window and makes it the active one
//   <name>=<v>    sets memoria, szam1, szam2 or eredmeny
// Returns what went wrong (an unknown word, a missing or locked key), or "".
namespace testscript {

QString run(CalculatorWindow &window, Module1 &state, const QString &script);

}  // namespace testscript

// Runs a script and fails the calling test function when it cannot finish.
#define RUN_SCRIPT(window, state, script)                                  \
    do {                                                                    \
        const QString scriptFailure = testscript::run(window, state, script); \
        QVERIFY2(scriptFailure.isEmpty(), qPrintable(scriptFailure));       \
    } while (false)
