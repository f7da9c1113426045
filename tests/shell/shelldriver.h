#pragma once

#include "shell/application.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <functional>

// Triggers the menu item `name` of a calculator window, as a click would.
inline bool triggerItem(QMainWindow &window, const QString &name)
{
    auto *action = window.findChild<QAction *>(name);
    if (!action)
        return false;
    action->trigger();
    return true;
}

// Runs `inspect` on the modal dialog once it is open, then lets `close`
// end it (by default: reject it).
inline void whenModalOpens(std::function<void(QWidget *)> inspect)
{
    QTimer::singleShot(0, [inspect] {
        QWidget *modal = QApplication::activeModalWidget();
        inspect(modal);
    });
}

inline bool isCentred(const QWidget &window)
{
    const QRect screen = window.screen()->geometry();
    const QPoint centre = window.frameGeometry().center();
    return qAbs(centre.x() - screen.center().x()) <= 1 && qAbs(centre.y() - screen.center().y()) <= 1;
}
