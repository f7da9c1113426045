#pragma once

#include "shared/formactivate.h"
#include "shared/keypad.h"
#include "shared/result.h"

#include <QHash>
#include <QMainWindow>
#include <QPushButton>

#include <array>
#include <optional>
#include <vector>

class QFrame;
class QLabel;
class QLineEdit;
struct Module1;

// What the three calculator windows share: the shared state, the display,
// the tape and the memory indicator, the keypad built from a table, and the
// keys that behave alike (memory, digits, point, sign, operators, C and "=").
// A window overrides what its own behaviour makes different.
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

    // M+ stores the display's value, MR writes the register back, MC clears it.
    virtual void Command1_Click(int index);
    virtual void Command2_Click(int index);
    virtual void Command3_Click();
    void Command4_Click();
    virtual void Command5_Click(int index);
    virtual void Command6_Click();
    virtual void Command7_Click();
    virtual void Text1_Change();
    // Enter and the keypad's operators, whether or not the keys are locked.
    void Text1_KeyDown(int keyCode);

    // Key tips on or off: every control whose table row has a tip.
    void showTips(bool on);

protected:
    // A new desktop palette: described colours again, the rest from it.
    bool event(QEvent *event) override;

    // `clientSize` in twips; `tapeLength` is the longest tape line kept.
    CalculatorWindow(Module1 &state, int clientWidth, int clientHeight, int tapeLength = 0);

    // Building blocks of the window, placed in twips.
    QWidget *client() const { return client_; }
    void addDisplay(keypad::Place place, int maxEntry, bool keyDown);
    QLabel *addTape(const char *name, keypad::Place place);
    void addIndicator(keypad::Place place);
    // Lines down the gaps between the key groups, `top` to the bottom row.
    void addLines(const std::array<int, 5> &lefts, int top);
    template <class Window>
    void addKeys(const keypad::Key<Window> *keys, int count);
    QPushButton *key(const QString &name, int index = -1) const;

    // The display's value, and a value written into it, as the memory keys
    // read and write them; nothing when the display cannot be read.
    virtual std::optional<double> displayValue();
    virtual void showValue(double value);

    // "=": the pending operation on szam1 and the display (szamitas, szamit1).
    void evaluate();
    virtual std::optional<Result> operate(const QString &sign, double a, double b) const;
    virtual bool writesLeadingZero(const QString &sign) const;

    // An operator: the display's value becomes szam1 and the sign pending.
    void operatorStep(const QString &sign);
    // The error state: the message on the tape in the error colours, every
    // key but "C" locked.
    virtual void refuse(Refusal refusal, double x = 0);
    void setKeysEnabled(bool enabled);
    void setTapeNormal();
    // C: empty display and tape, unlocked keys.
    void clearAll();

    Module1 &m;
    QLabel *tape_ = nullptr;

private:
    QPushButton *addKey(const char *name, int index, const char *caption, const char *shortcut, keypad::Place place,
                        const char *tip);
    void bindKeys();
    void orderTabs();

    QWidget *client_ = nullptr;
    int tapeLength_ = 0;
    QHash<QString, QPushButton *> keys_;  // by control name
};

template <class Window>
void CalculatorWindow::addKeys(const keypad::Key<Window> *keys, int count)
{
    auto *self = static_cast<Window *>(this);
    for (const keypad::Key<Window> *row = keys; row != keys + count; ++row) {
        QPushButton *button = addKey(row->name, row->index, row->caption, row->shortcut, row->place, row->tip);
        if (const auto *plain = std::get_if<void (Window::*)()>(&row->click))
            connect(button, &QPushButton::clicked, self, [self, handler = *plain] { (self->*handler)(); });
        else
            connect(button, &QPushButton::clicked, self,
                    [self, handler = std::get<1>(row->click), index = row->index] { (self->*handler)(index); });
    }
    bindKeys();
}
