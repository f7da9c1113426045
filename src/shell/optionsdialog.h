#pragma once

#include "ui/formactivate.h"

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QPushButton;

// "Beállítások": the tips on or off. Modeless; OK hides it, keeps its state
// and says what was chosen; closing it from the frame discards it.
class OptionsDialog : public WithFormActivate<QDialog> {
    Q_OBJECT
public:
    OptionsDialog();

    QGroupBox *Frame1;
    QCheckBox *Check1;  // tips
    QCheckBox *Check2;  // sound effects: read by nothing
    QPushButton *Command1;

    void Form_Activate() override;
    void Command1_Click();

signals:
    // OK: the tips on (true) or off.
    void tipsChosen(bool on);
};
