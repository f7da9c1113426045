#pragma once

#include "shared/calculatorwindow.h"

class QLabel;

// The standard calculator, "Zorvexa - EGYSZERŰ": the keys every calculator
// window has, a tape that is cleared on a refusal's display too, and a
// double click that switches the keys to a colourful scheme and back.
class StandWindow : public CalculatorWindow {
    Q_OBJECT
public:
    explicit StandWindow(Module1 &state);

    QLabel *Label1;  // tape

    void Form_Load();
    void Form_Activate() override;
    void Form_DblClick();

    bool colourful() const { return szines; }

protected:
    void refuse(Refusal refusal, double x = 0) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    bool szines = false;  // the colourful key scheme is on
};
