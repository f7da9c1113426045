#pragma once

#include "core/standrules.h"
#include "ui/calculatorwindow.h"

class QLabel;

// The standard calculator, "Zorvexa - EGYSZERŰ": the keys every calculator
// window has, and a double click that switches the keys to a colourful
// scheme and back.
class StandWindow : public CalculatorWindow {
    Q_OBJECT
public:
    explicit StandWindow(core::Module1 &state);

    QLabel *Label1;  // tape

    QLabel *tape() const override { return Label1; }
    void Form_DblClick();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void applyOwn(const core::Panel &panel) override;

private:
    core::StandRules &stand() { return static_cast<core::StandRules &>(rules()); }
    bool shownColourful_ = false;
};
