#include "ui/centring.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

bool platformPlacesWindows()
{
    // Wayland compositors place windows themselves and ignore move().
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void centreOnScreen(QWidget *window)
{
    if (platformPlacesWindows())
        return;
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QRect frame = window->frameGeometry();
    window->move(area.x() + (area.width() - frame.width()) / 2, area.y() + (area.height() - frame.height()) / 2);
}
