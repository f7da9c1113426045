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

}  // namespace testkeys
