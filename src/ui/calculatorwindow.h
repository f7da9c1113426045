#pragma once

#include "core/calculator.h"
#include "ui/formactivate.h"
#include "ui/keypad.h"

#include <QMainWindow>
#include <QPushButton>

#include <array>
#include <memory>
#include <optional>
#include <vector>

class Announcer;
class QFrame;
class QLabel;
class QLineEdit;

// What the three calculator windows share: the display, the tape and the
// memory indicator, the keypad built from a table, and the wiring of every
// key to the view's rules, whose panel the controls then show.
class CalculatorWindow : public WithFormActivate<QMainWindow> {
    Q_OBJECT
public:
    QLineEdit *Text1 = nullptr;               // display
    QLabel *Label2 = nullptr;                 // memory indicator
    std::array<QPushButton *, 3> Command1{};  // M+, MR, MC
    std::vector<QPushButton *> Command2;      // digit keys, index = digit value
    QPushButton *Command3 = nullptr;          // +/-
    QPushButton *Command4 = nullptr;          // decimal point
    std::array<QPushButton *, 4> Command5{};  // + - * /
    QPushButton *Command6 = nullptr;          // C
    QPushButton *Command7 = nullptr;          // =
    std::array<QFrame *, 5> Line{};           // Line1 .. Line5, decoration

    core::Calculator &rules() { return *rules_; }
    const core::Calculator &rules() const { return *rules_; }
    // The key's button; null for a key the window does not have.
    QPushButton *button(core::Key key) const { return buttons_[size_t(key)]; }
    // The tape, under the window's own name for it; none in the informatics view.
    virtual QLabel *tape() const { return nullptr; }

    // Key tips on or off: every control whose table row has a tip.
    void showTips(bool on);

    // A key clicked: the rules act, the window shows what they say.
    virtual void keyClicked(core::Key key);

protected:
    // A new desktop palette: described colours again, the rest from it.
    bool event(QEvent *event) override;

    // `clientSize` in twips.
    CalculatorWindow(std::unique_ptr<core::Calculator> rules, int clientWidth, int clientHeight);

    // Building blocks of the window, placed in twips.
    QWidget *client() const { return client_; }
    void addDisplay(keypad::Place place);
    // The tape label; the window keeps it under its own name (tape()).
    QLabel *addTape(const char *name, keypad::Place place);
    void addIndicator(keypad::Place place);
    // Lines down the gaps between the key groups, `top` to the bottom row.
    void addLines(const std::array<int, 5> &lefts, int top);
    void addKeys(const keypad::Key *keys, int count);

    // The window became the active one: when the rules ran its Form_Activate,
    // it shows what they say and centres itself.
    void activated(core::Arrival from) override;
    // Makes the controls show the panel, tells its messages and puts the
    // keyboard where the rules say; after a key, tells a screen reader what
    // changed that it would not read out by itself.
    void apply();
    virtual void applyOwn(const core::Panel &) {}
    bool applying() const { return applying_; }

private:
    void displayEdited();
    void orderTabs();
    // A key, or a key the display hands to the rules: they rewrote the display.
    void rulesActed();

    std::unique_ptr<core::Calculator> rules_;
    QWidget *client_ = nullptr;
    std::array<QPushButton *, core::kKeyCount> buttons_{};
    // What the controls show already, so that a press redraws only what it changed.
    core::KeySet shownEnabled_ = core::KeySet().set();  // every button starts enabled
    std::optional<bool> shownAlarm_;
    std::optional<bool> shownMemory_;
    std::optional<bool> shownInverse_;
    Announcer *announcer_ = nullptr;
    bool telling_ = false;  // a key acted: what it changed is told, not only shown
    bool applying_ = false;
};
