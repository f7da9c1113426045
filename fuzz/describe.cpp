#include "describe.h"

#include "informatics/infoswindow.h"
#include "scientific/extendwindow.h"

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

QString menuSuffix(const QWidget *window)
{
    if (qobject_cast<const ExtendWindow *>(window))
        return QStringLiteral("2");
    if (qobject_cast<const InfosWindow *>(window))
        return QStringLiteral("3");
    return QString();
}

}  // namespace describe
