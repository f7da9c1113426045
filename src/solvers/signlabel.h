#pragma once

#include <QLabel>

// The "+"/"-" label in front of a coefficient: a label that reports clicks,
// shown with the hand cursor by its window.
class SignLabel : public QLabel {
    Q_OBJECT
public:
    SignLabel(const QString &name, QWidget *parent);

    bool isMinus() const { return text() == QStringLiteral("-"); }
    void setMinus(bool minus);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool pressed_ = false;
};
