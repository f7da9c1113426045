#pragma once

#include "core/key.h"

#include <QString>

#include <functional>

class QLineEdit;

// What the calculator displays have in common: their name for assistive
// technology, the entry limit, and the keys a window's Text1_KeyDown handles.
namespace displayfield {

// Names the field "Kijelző", keeps every Alt combination out of it, makes
// the keypad's decimal key type "." whatever the keyboard layout sends,
// copies the whole number on Ctrl+C when nothing is selected, and limits
// typing and pasting to `maxEntry` characters: a longer paste puts in what
// fits. Text set by code is never cut; after a longer one, typing is
// limited to its length until the code sets the next text.
void setUp(QLineEdit *field, int maxEntry);

// Routes Enter/Return and the keypad's operator keys to `keyDown`, keypad
// keys told by their modifier or their key symbol. The keypad keys are
// consumed, so their characters never reach the field.
void onKeyDown(QLineEdit *field, std::function<void(core::DisplayKey)> keyDown);

// Gives the field the focus with the caret after its last character.
void focusAtEnd(QLineEdit *field);

}  // namespace displayfield
