#pragma once

#include "core/infosrules.h"
#include "ui/calculatorwindow.h"

#include <array>

class QGroupBox;
class QLabel;
class QRadioButton;

// The informatics calculator, "Zorvexa - INFORMATIKAI": four operations on a
// display written in a chosen base, picked with the base options. No tape.
class InfosWindow : public CalculatorWindow {
    Q_OBJECT
public:
    explicit InfosWindow(core::Module1 &state);

    QLabel *Label1;                          // "A számrendszer alapszáma:"
    QGroupBox *Frame1;                       // holds the base options
    std::array<QRadioButton *, 10> Option1;  // bases 2..10, 16

    void Option1_Click(int index);

protected:
    void applyOwn(const core::Panel &panel) override;

private:
    void addBaseOptions();
    core::InfosRules &infos() { return static_cast<core::InfosRules &>(rules()); }
};
