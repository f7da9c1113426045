#include "describe.h"

#include <QWidget>

namespace describe {

QString quoted(const QString &text, int maxLength)
{
    QString shown;
    for (const QChar c : text.left(maxLength)) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            shown += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    if (text.size() > maxLength)
        shown += QStringLiteral("...(%1 chars)").arg(text.size());
    return QLatin1Char('"') + shown + QLatin1Char('"');
}

QString nameOf(const QWidget *widget)
{
    return widget->window()->objectName() + QLatin1Char('.') + widget->objectName();
}

}  // namespace describe
