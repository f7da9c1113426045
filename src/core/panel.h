#pragma once

#include "core/key.h"

#include <QList>
#include <QString>

#include <optional>

namespace core {

// A message box the window must show: its text, and whether it bears the
// exclamation icon. Every box is titled "Zorvexa" and has one OK button.
struct Message {
    QString text;
    bool exclamation = false;
    bool operator==(const Message &other) const { return text == other.text && exclamation == other.exclamation; }
};

// Where the keyboard goes after an action.
enum class Focus {
    Stay,          // where it is (a key pressed with Space keeps it)
    Display,       // to the display, the caret where it stands
    DisplayAtEnd,  // to the display, the caret after its last character
};

// What a calculator window shows; the window makes its controls say it.
struct Panel {
    QString display;
    int caret = 0;  // where the caret goes when the rules rewrote the display
    QString tape;
    bool tapeAlarm = false;     // a refusal stands on the tape, in the error colours; only C is usable
    bool divisionLock = false;  // informatics: a division by zero; its message stands in the display
    bool memoryLit = false;     // "M" in the indicator: the one register holds a stored value
    KeySet enabled;             // the usable keys
    bool inverseLit = false;    // the Inv key's colour (scientific view)
    bool colourful = false;     // the colourful key scheme (standard view)
    // The informatics view's base options: the selected one, by index
    // (0-8 are the bases 2-10, 9 is base 16), and whether they are usable.
    int baseOption = 8;
    bool baseOptionsEnabled = true;
    Focus focus = Focus::Stay;  // after the last action
};

// A "-" or "+" typed in a solver's coefficient field: whether it makes the
// sign "-"; nothing for any other text.
inline std::optional<bool> typedSign(const QString &typed)
{
    if (typed == QLatin1String("-") || typed == QLatin1String("+"))
        return typed == QLatin1String("-");
    return std::nullopt;
}

}  // namespace core
