#pragma once

#include "core/key.h"
#include "core/operation.h"
#include "core/panel.h"
#include "core/result.h"

#include <optional>

namespace core {

struct Module1;

// The rules of one calculator view, free of widgets: what its keys, the
// keys its display hands over and an edit of its display do to the shared
// state, and what the view must show then (panel()) and tell (messages).
// Writing the display runs its check at once, as a change of the field does.
class Calculator {
public:
    virtual ~Calculator() = default;
    Calculator(const Calculator &) = delete;
    Calculator &operator=(const Calculator &) = delete;

    const Panel &panel() const { return panel_; }
    // "M" in the memory indicator: the one register's state, whichever view
    // stored or cleared it.
    bool memoryLit() const;
    // The keys the view has, and how long a text its keys may build.
    const KeySet &keys() const { return keys_; }
    int maxEntry() const { return maxEntry_; }
    // The message boxes raised since the last call, in order.
    QList<Message> takeMessages();

    virtual void load() = 0;      // once, when the view is built
    virtual void activate() = 0;  // each time the view becomes the active window

    // A key of the view, clicked or by its shortcut; a locked key does nothing.
    void press(Key key);
    // Enter and the keypad's operators, whether or not the keys are locked.
    void displayKey(DisplayKey key);
    // The user changed the display's text.
    void edited(const QString &text);

protected:
    // `keys`: the keys the view has; `maxEntry`: what keys may fill the
    // display up to; `tapeLength`: the longest tape line kept after "=".
    Calculator(Module1 &state, KeySet keys, int maxEntry, int tapeLength);

    // Keys whose meaning differs between the views.
    virtual void memory(Key key);
    virtual void digit(int value);
    virtual void sign();
    virtual void operatorKey(Operation operation);
    virtual void clear();
    virtual void ownKey(Key) {}

    // "=", the same in every view; the hooks are what differs.
    void equals();
    // The display's value; nothing, after a message, when it cannot be read.
    virtual std::optional<exact::Number> readDisplay();
    virtual void beginEvaluation();
    virtual std::optional<Result> operate(Operation operation, const exact::Number &a, const exact::Number &b) const;
    virtual void conclude(Operation operation, const std::optional<Result> &result);
    virtual void showResult(Operation operation, const exact::Number &value);
    // MR: the register written into the display.
    virtual void showValue(double value);
    virtual void endEvaluation();

    // The error state: the message on the tape in the error colours, every
    // key but C locked. `x` is the argument the pole messages name.
    virtual void refuse(Refusal refusal, const exact::Number &x = {});
    // The display's text set by the rules: the check runs on it at once.
    void write(const QString &text);
    // Appended by a key, when the display stays within the entry limit.
    void append(const QString &text);
    // The check of every change of the display (Text1_Change).
    virtual void check();
    void checkDigits(int base);
    void tell(const QString &text, bool exclamation = false);
    // An operator: the display's value becomes szam1 and the operation pending.
    void operatorStep(Operation operation);
    // szam1, and the exact value "=" starts from.
    void setFirstOperand(const exact::Number &value);
    exact::Number firstOperand() const;
    // C: display and tape empty, tape colours normal, every key usable.
    void clearAll();
    void lockAllButClear();
    void setEnabled(Key key, bool enabled) { panel_.enabled.set(size_t(key), enabled); }
    void setEnabled(const KeySet &keys, bool enabled);

    Module1 &m;
    Panel panel_;
    const KeySet keys_;
    const int maxEntry_;

private:
    const int tapeLength_;
    QList<Message> messages_;
};

}  // namespace core
