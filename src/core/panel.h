#pragma once

#include "core/key.h"

#include <QList>
#include <QString>

namespace core {

// A message box the window must show: its text, and whether it bears the
// exclamation icon. Every box is titled "Zorvexa" and has one OK button.
struct Message {
    QString text;
    bool exclamation = false;
    bool operator==(const Message &other) const { return text == other.text && exclamation == other.exclamation; }
};

// What a calculator window shows; the window makes its controls say it.
struct Panel {
    QString display;
    QString tape;
    bool tapeAlarm = false;   // a refusal stands on the tape, in the error colours
    KeySet enabled;           // the usable keys
    bool inverseLit = false;  // the Inv key's colour (scientific view)
    bool colourful = false;   // the colourful key scheme (standard view)
    // The informatics view's base options: the selected one, by index
    // (0-8 are the bases 2-10, 9 is base 16), and whether they are usable.
    int baseOption = 8;
    bool baseOptionsEnabled = true;
};

}  // namespace core
