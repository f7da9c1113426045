#pragma once

#include <QMainWindow>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
struct Module1;

// The standard calculator, "Zorvexa - EGYSZERŰ". Controls and handlers keep
// the names the behaviour is described by; the handlers are public so the
// shell and the tests can drive them as events would.
class StandWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit StandWindow(Module1 &state, QWidget *parent = nullptr);

    QLabel *Label1;                         // tape
    QLineEdit *Text1;                       // display
    QLabel *Label2;                         // memory indicator
    std::array<QPushButton *, 3> Command1;  // M+, MR, MC
    std::array<QPushButton *, 10> Command2; // digits, index = digit
    QPushButton *Command3;                  // +/-
    QPushButton *Command4;                  // decimal point
    std::array<QPushButton *, 4> Command5;  // + - * /
    QPushButton *Command6;                  // C
    QPushButton *Command7;                  // =

    // Load and activation (standwindow.cpp).
    void Form_Load();
    void Form_Activate();

    // Number entry (standentry.cpp).
    void Command2_Click(int index);
    void Command3_Click();
    void Command4_Click();
    void Text1_Change();
    void Text1_KeyDown(int keyCode);

    // Operations, result, clear, memory, colours (standoperations.cpp).
    void Command5_Click(int index);
    void Command7_Click();
    void szamitas();
    void Command6_Click();
    void Command1_Click(int index);
    void Form_DblClick();

    bool colourful() const { return szines; }

protected:
    void changeEvent(QEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void buildControls();
    void operatorStep(const QString &sign);
    void lock(const QString &message);
    void setKeysEnabled(bool enabled);

    Module1 &m;
    bool szines = false;  // the colourful key scheme is on
};
