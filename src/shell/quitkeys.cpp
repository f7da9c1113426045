#include "shell/quitkeys.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include <utility>

QList<QKeySequence> quitKeys()
{
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::Quit);
    keys.removeAll(QKeySequence(Qt::CTRL | Qt::Key_Q));
    keys.prepend(QKeySequence(Qt::CTRL | Qt::Key_Q));
    return keys;
}

QuitKeys::QuitKeys(std::function<void()> quit, QObject *parent) : QObject(parent), quit_(std::move(quit))
{
    QCoreApplication::instance()->installEventFilter(this);
}

bool QuitKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress &&
        keys_.contains(QKeySequence(static_cast<QKeyEvent *>(event)->keyCombination()))) {
        quit_();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
