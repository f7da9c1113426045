#pragma once

#include "core/masodfrules.h"
#include "solvers/solverwindow.h"

// "Másodfokú egyenlet-megoldás": a*x^2 + b*x + c = 0 with unsigned whole
// coefficients and a sign label before each. Opened modally, one object per
// opening, so every opening starts from the design state.
class MasodfWindow : public SolverWindow {
    Q_OBJECT
public:
    explicit MasodfWindow(QWidget *parent = nullptr);

    std::array<SignLabel *, 3> Label2;  // signs of a, b, c
    std::array<QLineEdit *, 3> Text1;   // a, b, c
    std::array<QLabel *, 3> Label1;     // "x2", "x", "= 0"
    std::array<QLabel *, 2> Label3;     // "x1 =", "x2 ="
    std::array<QLineEdit *, 2> Text4;   // the roots

    void Form_Load();
    void Command1_Click() override;
    void Label2_Click(int index);

private:
    void buildControls();
    // What the user typed goes to the rules before they act; what they say
    // comes back.
    void collect();
    void apply();

    core::MasodfRules rules_;
};
