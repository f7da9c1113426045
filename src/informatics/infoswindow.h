#pragma once

#include "informatics/radix.h"

#include <QMainWindow>

#include <array>
#include <optional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
struct Module1;

// The informatics calculator, "Zorvexa - INFORMATIKAI": four operations on a
// display written in a chosen base. The display's text is always in the base
// `alapkod` names, which follows the selected option; arithmetic is done in
// base ten. Controls and handlers keep the names the behaviour is described
// by and are public so the shell and the tests can drive them as events would.
class InfosWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit InfosWindow(Module1 &state, QWidget *parent = nullptr);

    // Typing limit of the display: the 53 binary digits of the largest value
    // that converts, a sign, and room to spare.
    static constexpr int kMaxEntry = 64;

    QLabel *Label1;                            // "A számrendszer alapszáma:"
    QGroupBox *Frame1;                         // holds the base options
    std::array<QRadioButton *, 10> Option1;    // bases 2..10, 16
    QLineEdit *Text1;                          // display
    QLabel *Label2;                            // memory indicator
    std::array<QPushButton *, 3> Command1;     // M+, MR, MC
    std::array<QPushButton *, 16> Command2;    // digits 0..9, A..F
    QPushButton *Command3;                     // +/-
    QPushButton *Command4;                     // point
    std::array<QPushButton *, 4> Command5;     // + - * /
    QPushButton *Command6;                     // C
    QPushButton *Command7;                     // =

    // Load, activation and the key states (infoswindow.cpp).
    void Form_Load();
    void Form_Activate();

    // Base options and conversion (infosbase.cpp).
    void Option1_Click(int index);

    // Number entry (infosentry.cpp).
    void Command2_Click(int index);
    void Command3_Click();
    void Command4_Click();
    void Text1_Change();

    // Operations, result, clear and memory (infosoperations.cpp).
    void Command5_Click(int index);
    void Command7_Click();
    void Command6_Click();
    void Command1_Click(int index);

protected:
    void changeEvent(QEvent *event) override;

private:
    enum class Outcome { Nothing, Result, DivisionByZero, NotRepresentable };

    void buildControls();
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

    Module1 &m;
};
