#pragma once

#include "shared/formactivate.h"

#include <QDialog>

class Application;
class QCheckBox;
class QGroupBox;
class QPushButton;

// "Beállítások": the tips on or off. Modeless; OK hides it and keeps its
// state, closing it from the frame discards it.
class OptionsDialog : public WithFormActivate<QDialog> {
    Q_OBJECT
public:
    explicit OptionsDialog(Application &app);

    QGroupBox *Frame1;
    QCheckBox *Check1;  // tips
    QCheckBox *Check2;  // sound effects: read by nothing
    QPushButton *Command1;

    void Form_Activate() override;
    void Command1_Click();

private:
    Application &app_;
};
