#pragma once

#include "core/key.h"

#include <QString>

#include <functional>

class QLineEdit;

// What the calculator displays have in common: their name for assistive
// technology and the keys a window's Text1_KeyDown handles.
namespace displayfield {

// Names the field "Kijelző", keeps every Alt combination out of it, makes
// the keypad's decimal key type "." whatever the keyboard layout sends, and
// copies the whole number on Ctrl+C when nothing is selected. What an edit
// may put in (the entry limit, a paste) is the rules' to say.
void setUp(QLineEdit *field);

// Routes Enter/Return and the keypad's operator keys to `keyDown`, keypad
// keys told by their modifier or their key symbol. The keypad keys are
// consumed, so their characters never reach the field.
void onKeyDown(QLineEdit *field, std::function<void(core::DisplayKey)> keyDown);

// Gives the field the focus with the caret after its last character.
void focusAtEnd(QLineEdit *field);

}  // namespace displayfield
