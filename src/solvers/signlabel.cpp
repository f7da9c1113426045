#include "solvers/signlabel.h"

#include "ui/twips.h"

#include <QMouseEvent>

SignLabel::SignLabel(const QString &name, QWidget *parent) : QLabel(QStringLiteral("+"), parent)
{
    setObjectName(name);
    setAlignment(Qt::AlignCenter);
    QFont big = font();
    big.setPointSizeF(12 * twips::textScale());  // grows with the layout
    setFont(big);
}

void SignLabel::setMinus(bool minus)
{
    const QString sign = minus ? QStringLiteral("-") : QStringLiteral("+");
    if (text() != sign)
        setText(sign);
}

void SignLabel::mousePressEvent(QMouseEvent *event)
{
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void SignLabel::mouseReleaseEvent(QMouseEvent *event)
{
    // A click is a press and release of the left button over the label.
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click)
        emit clicked();
}
