#include "ui/messages.h"

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

Observer &currentObserver()
{
    static Observer observer;
    return observer;
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
    QMessageBox box(icon == Icon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon, QStringLiteral("Zorvexa"),
                    text, QMessageBox::Ok, owner);
    if (const Observer &observer = currentObserver())
        observer(text, icon, owner);
    box.exec();
    // No platform hands activation back after a modal box closes, and the
    // request alone is dropped where the closed box still holds the focus.
    if (guardedOwner) {
        guardedOwner->window()->activateWindow();
        QApplication::setActiveWindow(guardedOwner->window());
    }
}

Handler setHandler(Handler handler)
{
    Handler previous = std::move(currentHandler());
    currentHandler() = std::move(handler);
    return previous;
}

Observer setObserver(Observer observer)
{
    Observer previous = std::move(currentObserver());
    currentObserver() = std::move(observer);
    return previous;
}

}  // namespace messages
