#pragma once

#include "core/linearrules.h"
#include "solvers/solverwindow.h"

namespace core {
struct Module1;
}

// "Egyenletrendszer-megoldás": a1*x + b1*y = c1, a2*x + b2*y = c2 with a
// sign label before each coefficient. Opened modally, one object per opening,
// so every opening starts from the design state. Arrays are indexed as the
// controls are numbered: Text1[1]..Text1[8], Label1[1]..Label1[6]; element 0
// is unused.
class LinearWindow : public SolverWindow {
    Q_OBJECT
public:
    explicit LinearWindow(core::Module1 &state, QWidget *parent = nullptr);

    // Frame1 is index 3 of its control array.
    std::array<QLabel *, 2> Label3;     // "I.", "II."
    std::array<SignLabel *, 7> Label1;  // signs of Text1[1]..Text1[6]
    std::array<QLineEdit *, 9> Text1;   // 1 a1, 2 b1, 3 a2, 4 b2, 5 c1, 6 c2, 7 x, 8 y
    std::array<QLabel *, 2> Label2;     // "="
    std::array<QLabel *, 2> Label4;     // "x =", "y ="

    void Form_Load();
    void Command1_Click() override;
    void Label1_Click(int index);

private:
    void buildControls();
    // What the user typed goes to the rules before they act; what they say
    // comes back.
    void collect();
    void apply();

    core::LinearRules rules_;
};
