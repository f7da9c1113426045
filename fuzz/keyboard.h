#pragma once

#include "randomsource.h"

#include <Qt>
#include <QString>

class QWidget;

// Key events as the keyboard sends them, straight to the widget. Every
// character goes through QTest::sendKeyEvent with its text given, so
// Hungarian letters and characters outside the BMP arrive as typed.
namespace keyboard {

// One press and release per character (a surrogate pair is one key).
void type(QWidget *widget, const QString &text);

struct Key {
    Qt::Key code;
    QString text;
    Qt::KeyboardModifiers modifiers;
    const char *name;
};

// A key of the numeric keypad: operators, Enter, the decimal key, digits;
// sometimes Return or the main keyboard's operator characters.
Key keypadKey(RandomSource &rng);

// An editing key: Backspace, Delete, arrows, Home/End with and without
// Shift, select all, undo, redo, cut, copy, paste, Escape, Tab.
Key editingKey(RandomSource &rng);

void press(QWidget *widget, const Key &key);

}  // namespace keyboard
