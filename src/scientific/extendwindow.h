#pragma once

#include "scientific/functions.h"

#include <QMainWindow>

#include <array>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
struct Module1;

// The scientific calculator, "Zorvexa - BŐVÍTETT". Controls and handlers keep
// the names the behaviour is described by; the handlers are public so the
// shell and the tests can drive them as events would.
class ExtendWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit ExtendWindow(Module1 &state, QWidget *parent = nullptr);

    QLabel *Label3;                          // tape
    QLineEdit *Text1;                        // display
    QLabel *Label2;                          // memory indicator
    std::array<QPushButton *, 3> Command1;   // M+, MR, MC
    std::array<QPushButton *, 10> Command2;  // digits, index = digit
    QPushButton *Command3;                   // +/-
    QPushButton *Command4;                   // decimal point
    std::array<QPushButton *, 4> Command5;   // + - * /
    QPushButton *Command6;                   // C
    QPushButton *Command7;                   // =
    std::array<QPushButton *, 13> Command8;  // function keys
    std::array<QPushButton *, 2> Command9;   // Pi, e
    QPushButton *Command10;                  // Inv
    QPushButton *Command11;                  // x1,x2: quadratic solver
    QPushButton *Command12;                  // x,y,z: linear solver
    std::array<QFrame *, 5> Line;            // Line1 .. Line5, decoration

    // Load, activation, solver keys (extendwindow.cpp).
    void Form_Load();
    void Form_Activate();
    void Form_GotFocus();
    void Command11_Click();
    void Command12_Click();

    // Number entry and memory (extendentry.cpp).
    void Command1_Click(int index);
    void Command2_Click(int index);
    void Command3_Click();
    void Command4_Click();
    void Text1_Change();
    void Text1_KeyDown(int keyCode);

    // Operators, "=", clear and the key lock (extendoperations.cpp).
    void Command5_Click(int index);
    void Command6_Click();
    void Command7_Click();
    void szamit1();
    void torles();
    void letiltas();

    // Function keys (extendfunctions.cpp).
    void Command8_Click(int index);

    // Inv and the constants (extendinverse.cpp).
    void Command10_Click();
    void Command9_Click(int index);

protected:
    void changeEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    void buildControls();
    void operatorStep(const QString &sign);
    void setKeysEnabled(bool enabled);
    void setTapeNormal();
    // The error state: the message on the tape in the error colours, keys locked.
    void refuse(scientific::Refusal refusal, double x = 0);
    void pendingKey(const QString &tag);
    void immediateKey(int index);

    Module1 &m;
};
