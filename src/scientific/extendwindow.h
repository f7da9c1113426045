#pragma once

#include "shared/calculatorwindow.h"

#include <array>

class QLabel;

// The scientific calculator, "Zorvexa - BŐVÍTETT": besides the common keys,
// function keys (Command8), the constants Pi and e (Command9), Inv
// (Command10) and the keys of the two equation solvers (Command11, 12).
class ExtendWindow : public CalculatorWindow {
    Q_OBJECT
public:
    explicit ExtendWindow(Module1 &state);

    QLabel *Label3;                            // tape
    std::array<QPushButton *, 13> Command8{};  // function keys
    std::array<QPushButton *, 2> Command9{};   // Pi, e
    QPushButton *Command10 = nullptr;          // Inv
    QPushButton *Command11 = nullptr;          // x1,x2: quadratic solver
    QPushButton *Command12 = nullptr;          // x,y,z: linear solver

    // Load, activation, entry, C, Inv, constants, solvers (extendwindow.cpp).
    void Form_Load();
    void Form_Activate() override;
    void Command2_Click(int index) override;
    void Command6_Click() override;
    void Command9_Click(int index);
    void Command10_Click();
    void Command11_Click();
    void Command12_Click();

    // Function keys (extendfunctions.cpp).
    void Command8_Click(int index);

protected:
    std::optional<Result> operate(const QString &sign, double a, double b) const override;
    bool writesLeadingZero(const QString &sign) const override;

private:
    void addFunctionKeys();
    static bool hasInverse(int index);
    void torles();
};
