#pragma once

#include "core/extendrules.h"
#include "ui/calculatorwindow.h"

#include <array>

class QLabel;

// The scientific calculator, "Zorvexa - BŐVÍTETT": besides the common keys,
// function keys (Command8), the constants Pi and e (Command9), Inv
// (Command10) and the keys of the two equation solvers (Command11, 12).
class ExtendWindow : public CalculatorWindow {
    Q_OBJECT
public:
    explicit ExtendWindow(core::Module1 &state);

    QLabel *Label3;                            // tape
    std::array<QPushButton *, 13> Command8{};  // function keys
    std::array<QPushButton *, 2> Command9{};   // Pi, e
    QPushButton *Command10 = nullptr;          // Inv
    QPushButton *Command11 = nullptr;          // x1,x2: quadratic solver
    QPushButton *Command12 = nullptr;          // x,y,z: linear solver

    QLabel *tape() const override { return Label3; }
    void keyClicked(core::Key key) override;

protected:
    void applyOwn(const core::Panel &panel) override;

private:
    // The solvers, modal; a fresh dialog per opening.
    void Command11_Click();
    void Command12_Click();

    core::Module1 &m;
    std::optional<bool> shownInverse_;
};
