#pragma once

#include "core/panel.h"
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
    // What is typed in a coefficient field goes to `typed` first; a text it
    // takes (the rules' typed sign) never reaches the field. Shortcuts are
    // not typing.
    static void takeSignKeys(QLineEdit *field, std::function<bool(const QString &typed)> typed);
    // The solver's message boxes, each with the icon its rules give.
    void tell(const QList<core::Message> &messages);
    // Writes a result with the caret at its start: a narrow field then shows
    // the sign and the first digits, not the last ones.
    static void writeResult(QLineEdit *field, const QString &text);
    // A label in pixels; `pointSize` 0 keeps the dialog's font.
    static QLabel *makeLabel(QWidget *parent, const QString &caption, const QString &name, QRect geometry,
                             qreal pointSize = 0);
};
