#pragma once

class QLabel;
class QLineEdit;
struct Module1;

// M+ (index 0) stores the display's value, replacing the register, and lights
// the "M"; MR (1) writes the register into the display; MC (2) clears both.
// The caret ends after the display's last character.
void pressMemoryKey(Module1 &state, QLineEdit *display, QLabel *indicator, int index);
