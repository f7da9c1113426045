#pragma once

#include "core/key.h"

// A calculator keypad is declared as a table, one row per key: where the key
// stands and what it shows. What it does comes from its core::Key.
namespace keypad {

// Left, top, width and height in twips.
struct Place {
    int left, top, width, height;
};

// Most keys are 375 twips square.
constexpr Place square(int left, int top) { return {left, top, 375, 375}; }

struct Key {
    core::Key key;
    const char *name;     // control name; with an index, of a control array
    int index;            // index in that array, -1 for a single key
    const char *caption;  // UTF-8; "" for a picture key
    // The key's own shortcut (QKeySequence portable text): keys that type
    // nothing into a display, so typed characters keep their meaning.
    const char *shortcut;
    Place place;
    const char *tip = "";  // shown while key tips are on; "" for none
};

}  // namespace keypad
