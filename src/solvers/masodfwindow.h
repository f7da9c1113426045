#pragma once

#include "solvers/solverwindow.h"

// "Másodfokú egyenlet-megoldás": a*x^2 + b*x + c = 0 with unsigned whole
// coefficients and a sign label before each. Opened modally, one object per
// opening, so every opening starts from the design state. It keeps its state
// in its own fields and shares none.
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
    void warn(const QString &message);
    void hv1();    // every coefficient given
    void hv2();    // every coefficient only digits
    void hv3();    // read, solve, handle the cases without two roots
    void torol();  // clear for a new equation

    double a = 0;
    double b = 0;
    double c = 0;
    double x1 = 0;
    double x2 = 0;
    int hibajel = 0;  // 1: a check failed or there are no two roots to show
};
