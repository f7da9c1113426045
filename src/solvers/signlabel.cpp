#include "solvers/signlabel.h"

#include "ui/twips.h"

#include <QPainter>
#include <QStyle>

SignLabel::SignLabel(const QString &name, QWidget *parent) : QPushButton(QStringLiteral("+"), parent)
{
    setObjectName(name);
    setFocusPolicy(Qt::NoFocus);
    setAutoDefault(false);
    setFlat(true);
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

void SignLabel::paintEvent(QPaintEvent *)
{
    // Only the sign, as a label draws it: no button face.
    QPainter painter(this);
    style()->drawItemText(&painter, rect(), Qt::AlignCenter, palette(), isEnabled(), text(), QPalette::WindowText);
}
