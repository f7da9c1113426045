#pragma once

#include <QString>

class QLineEdit;
class QWidget;

// Typing as a user does: one key event per character, Hungarian letters
// included (QTest::keyClicks refuses those).
namespace testkeys {

void type(QWidget *widget, const QString &text);

// A key of the numeric keypad: "+", "-", "*", "/", "." or Enter ("\r").
void keypad(QWidget *widget, QChar key);

// The same keypad key as Wayland delivers it: no keypad modifier, only its
// XKB key symbol; "," is KP_Separator, "." KP_Decimal.
void nativeKeypad(QWidget *widget, QChar key);

}  // namespace testkeys
