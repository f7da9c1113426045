#pragma once

#include <QPushButton>

// The "+"/"-" in front of a coefficient. It looks like a label but is a
// button, so assistive technology offers it with a press action; it takes
// no focus, which keeps Tab going from field to field. Its window shows it
// with the hand cursor and lets the fields set it from the keyboard.
class SignLabel : public QPushButton {
    Q_OBJECT
public:
    SignLabel(const QString &name, QWidget *parent);

    bool isMinus() const { return text() == QStringLiteral("-"); }
    void setMinus(bool minus);

protected:
    void paintEvent(QPaintEvent *event) override;
};
