#pragma once

#include <QString>

class CalculatorWindow;

// Drives a calculator window from a script of blank-separated words, as a
// user would: a key's caption ("7", ",", "M+", "Inv"; a hexadecimal digit is
// the digit key, "CLR" the clear key) clicks that key; "t:<text>" types into
// the display; "kp:<c>" is a keypad key (+ - * / , or Enter when empty) and
// "nk:<c>" the same key as Wayland sends it; "b:<base>" clicks a base option.
// Returns what went wrong (an unknown word, a missing or locked key), or "".
namespace testscript {

QString run(CalculatorWindow &window, const QString &script);

}  // namespace testscript

// Runs a script and fails the calling test function when it cannot finish.
#define RUN_SCRIPT(window, script)                                     \
    do {                                                               \
        const QString scriptFailure = testscript::run(window, script); \
        QVERIFY2(scriptFailure.isEmpty(), qPrintable(scriptFailure));  \
    } while (false)
