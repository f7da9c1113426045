#pragma once

#include "core/arrival.h"
#include "core/exact.h"
#include "core/key.h"
#include "core/operation.h"
#include "core/panel.h"
#include "core/result.h"

namespace core {

struct Module1;

// The rules of one calculator view, free of widgets. The window hands over
// what the user does (a key, a key typed in the display, an edit of the
// display, an activation) and shows the panel() and the messages that follow.
// Each view writes out its own key meanings (act) and its own "="; this
// class holds what the views share: the display and its check, the entry
// limit, the tape's alarm, the memory register and the key lock.
class Calculator {
public:
    virtual ~Calculator() = default;
    Calculator(const Calculator &) = delete;
    Calculator &operator=(const Calculator &) = delete;

    // What the view shows; the memory indicator follows the one register,
    // whichever view stored or cleared it.
    Panel panel() const;
    // The message boxes raised since the last call, in order.
    QList<Message> takeMessages();
    // The keys the view has.
    const KeySet &keys() const { return keys_; }
    // Whether Enter and the keypad's operators in the display act (Text1_KeyDown).
    bool takesDisplayKeys() const { return takesDisplayKeys_; }

    // A key of the view, clicked or by its shortcut; a locked key does nothing.
    void press(Key key);
    // Enter or a keypad operator in the display, whether or not the keys are locked.
    void displayKey(DisplayKey key);
    // The user edited the display: `text` is the field's new text, `caret`
    // the caret after the edit. Typing stops at the entry limit, a paste
    // puts in what fits, without the blanks and line break around it; then
    // the check runs (Text1_Change).
    void edited(const QString &text, int caret);
    void edited(const QString &text) { edited(text, int(text.size())); }
    // The window became the active one. True when that ran its Form_Activate.
    bool activated(Arrival from);

protected:
    // Form_Load: `keys` the view has, `maxEntry` what typing and keys may
    // fill the display up to.
    Calculator(Module1 &state, KeySet keys, int maxEntry, bool takesDisplayKeys);

    virtual void act(Key key) = 0;    // a usable key
    virtual void formActivate() = 0;  // the view's part of becoming active
    virtual void check();             // Text1_Change: the check in base ten

    // The one way to write the display: the check runs on the new text at
    // once, as a change of the field does.
    void setDisplay(const QString &text);
    // Appended by a key while the display stays within the entry limit.
    void append(const QString &text);
    // A digit key: its digit appended, and the sign key usable again.
    void appendDigit(Key key);
    // The check's verdict on the display in `base`: a forbidden character or
    // a second point is told and empties the display.
    void checkDigits(int base);
    void tell(const QString &text, bool exclamation = false);
    bool hasMessages() const { return !messages_.isEmpty(); }

    // The keys stand and extend share: the digits, the point, the sign, the
    // four operators and the memory keys. False for any other key.
    bool sharedKey(Key key);
    // An operator key (stand, extend, the keypad): the display's value
    // becomes szam1, the operation pending, the tape its line, the display empty.
    void pend(Operation operation);
    // szam1, and the exact value "=" starts from: the decimals shown, as long
    // as szam1 still holds what the display showed.
    void setFirstOperand(const exact::Number &value);
    exact::Number firstOperand() const;
    // The end of "=" and of a function key: the toggle reset, the tape line
    // closed, and emptied when longer than `tapeLength`.
    void closeTapeLine(int tapeLength);

    // The refusal on the tape in the error colours, every key but C locked.
    // `x` is the argument the pole messages name.
    void refuseOnTape(Refusal refusal, const exact::Number &x = {});
    // C: display and tape empty, tape colours normal, every key usable.
    void clearAll();
    void lockAllButClear();
    void setEnabled(Key key, bool enabled) { panel_.enabled.set(size_t(key), enabled); }
    void setEnabled(const KeySet &keys, bool enabled);

    // M+ (the register replaced, not added to) and MC.
    void storeMemory(const exact::Number &value);
    void clearMemory();

    const QString &display() const { return panel_.display; }
    int maxEntry() const { return maxEntry_; }

    Module1 &m;
    Panel panel_;

private:
    const KeySet keys_;
    const int maxEntry_;
    const bool takesDisplayKeys_;
    int entryLimit_;  // the longest text an edit may make: the display set by the rules may be longer
    QList<Message> messages_;
};

}  // namespace core
