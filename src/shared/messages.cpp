#include "shared/messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

namespace messages {
namespace {
Handler &currentHandler()
{
    static Handler handler;
    return handler;
}
}  // namespace

void show(const QString &text, Icon icon, QWidget *owner)
{
    if (const Handler &handler = currentHandler()) {
        handler(text, icon);
        return;
    }
    if (!owner)
        owner = QApplication::activeWindow();
    QPointer<QWidget> guardedOwner(owner);
    QMessageBox box(icon == Icon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
                    QStringLiteral("Zorvexa"), text, QMessageBox::Ok, owner);
    box.exec();
    // No platform hands activation back after a modal box closes.
    if (guardedOwner)
        guardedOwner->window()->activateWindow();
}

Handler setHandler(Handler handler)
{
    Handler previous = std::move(currentHandler());
    currentHandler() = std::move(handler);
    return previous;
}

}  // namespace messages
