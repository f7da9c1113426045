#pragma once

#include "informatics/radix.h"
#include "shared/calculatorwindow.h"

#include <array>
#include <optional>

class QGroupBox;
class QLabel;
class QRadioButton;

// The informatics calculator, "Zorvexa - INFORMATIKAI": four operations on a
// display written in a chosen base. The display's text is always in the base
// `alapkod` names, which follows the selected option; arithmetic is done in
// base ten. No tape; a division by zero shows its message in the display.
class InfosWindow : public CalculatorWindow {
    Q_OBJECT
public:
    explicit InfosWindow(Module1 &state);

    // Typing limit of the display: the 53 binary digits of the largest value
    // that converts, a sign, and room to spare.
    static constexpr int kMaxEntry = 64;

    QLabel *Label1;                          // "A számrendszer alapszáma:"
    QGroupBox *Frame1;                       // holds the base options
    std::array<QRadioButton *, 10> Option1;  // bases 2..10, 16

    // Load and activation (infoswindow.cpp).
    void Form_Load();
    void Form_Activate() override;

    // Base options and conversion (infosbase.cpp).
    void Option1_Click(int index);

    // Keys that read and write the display in its base (infosoperations.cpp).
    void Command3_Click() override;
    void Command5_Click(int index) override;
    void Command6_Click() override;
    void Command7_Click() override;
    void Text1_Change() override;

protected:
    // The memory keys read and write the display in its base.
    std::optional<double> displayValue() override { return tizesbe(); }
    void showValue(double value) override { atv2(value); }

private:
    enum class Outcome { Nothing, Result, DivisionByZero, NotRepresentable };

    void addBaseOptions();
    int checkedOption() const;
    void setDigitKeys(int optionIndex);
    void setOptionsEnabled(bool enabled);
    void setWorkingKeysEnabled(bool enabled);

    // The base change of the display from `alapkod` to option `kod`.
    radix::Status atvalt(int kod);
    // The display's value, read in the base it is written in; a refusal is
    // shown and gives nothing.
    std::optional<double> tizesbe();
    // Writes `value` in the selected base; shows the refusal and leaves the
    // display alone when it cannot be written.
    bool atv2(double value, bool leadingZero = false);
    void showUnwritable();
    Outcome szamolas();
};
