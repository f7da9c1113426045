#pragma once

#include <variant>

// A calculator keypad is declared as a table, one row per key; the window
// builds and connects the keys from it in one loop (calculatorwindow.h).
namespace keypad {

// Left, top, width and height in twips.
struct Place {
    int left, top, width, height;
};

// Most keys are 375 twips square.
constexpr Place square(int left, int top) { return {left, top, 375, 375}; }

// The click handler: an indexed one receives the key's index.
template <class Window>
using Click = std::variant<void (Window::*)(), void (Window::*)(int)>;

template <class Window>
struct Key {
    const char *name;     // control name; with an index, of a control array
    int index;            // index in that array, -1 for a single key
    const char *caption;  // UTF-8
    // The key's own shortcut (QKeySequence portable text): keys that type
    // nothing into a display, so typed characters keep their meaning.
    const char *shortcut;
    Place place;
    Click<Window> click;
    const char *tip = "";  // shown while key tips are on; "" for none
};

}  // namespace keypad
