#pragma once

#include "ui/formactivate.h"

#include <QDialog>

#include <array>
#include <functional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class SignLabel;

// What the two equation solvers share: a modal dialog of fixed size, centred
// whenever it becomes active, a frame of coefficients, the "Számítás" /
// "Újra" key and a frame of results.
class SolverWindow : public WithFormActivate<QDialog> {
    Q_OBJECT
public:
    QGroupBox *Frame1 = nullptr;      // "Add meg az együtthatókat:"
    QPushButton *Command1 = nullptr;  // "Számítás" / "Újra"
    QGroupBox *Frame2 = nullptr;      // "Az eredmények:"

    void Form_Activate() override;
    virtual void Command1_Click() = 0;

protected:
    // Sizes and places in twips.
    SolverWindow(QWidget *parent, const QString &name, const QString &title, QSize size);
    void addCoefficientFrame(const QString &name, QRect place);
    void addResultFrame(QRect place);
    // Not a default button: Enter in a field does not press it.
    void addSolveKey(QRect place);
    // "-" or "+" typed in a coefficient field sets the sign in front of it
    // (`setSign(minus)`); the field itself takes no sign character.
    static void takeSignKeys(QLineEdit *field, std::function<void(bool minus)> setSign);
    // Writes a result with the caret at its start: a narrow field then shows
    // the sign and the first digits, not the last ones.
    static void writeResult(QLineEdit *field, const QString &text);
    // A label in pixels; `pointSize` 0 keeps the dialog's font.
    static QLabel *makeLabel(QWidget *parent, const QString &caption, const QString &name, QRect geometry,
                             qreal pointSize = 0);
};
