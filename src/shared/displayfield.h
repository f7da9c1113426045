#pragma once

#include <QString>

#include <functional>

class QLineEdit;

// What the calculator displays have in common: their name for assistive
// technology, the entry limit, and the keys a window's Text1_KeyDown handles.
namespace displayfield {

// Typed text and key entry stop at this length, which keeps every number a
// display can hold well inside the range of a double.
constexpr int kMaxEntry = 30;

// The key codes Text1_KeyDown receives.
enum KeyCode { kEnter = 13, kMultiply = 106, kAdd = 107, kSubtract = 109, kDivide = 111 };

// Operator sign of a keypad key code, "" for Enter.
QString signOf(int keyCode);

// Names the field "Kijelző", keeps every Alt combination out of it, and
// limits typing and pasting to `maxEntry` characters. Text set by code is never cut; after a longer one, typing is
// limited to its length until the code sets the next text.
void setUp(QLineEdit *field, int maxEntry = kMaxEntry);

// Appends `text` by code, as a key does, when the result stays within the
// entry limit; returns whether it did.
bool append(QLineEdit *field, const QString &text);

// Routes Enter/Return and the keypad's operator keys to `keyDown`, keypad
// keys told by their modifier or their key symbol. The keypad keys are
// consumed, so their characters never reach the field; the keypad's decimal
// key types "." whatever the keyboard layout sends.
void onKeyDown(QLineEdit *field, std::function<void(int keyCode)> keyDown);

// Gives the field the focus with the caret after its last character.
void focusAtEnd(QLineEdit *field);

}  // namespace displayfield
