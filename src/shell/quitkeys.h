#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>

#include <functional>

// The keys that end the application: Ctrl+Q on every desktop, besides
// whatever the desktop binds to Quit.
QList<QKeySequence> quitKeys();

// Ends the application on a quit key pressed in any of its windows. The
// calculator windows take it as their Kilépés item's shortcut; the settings
// dialog, the solvers, the about box and the help have no such item, so the
// key reaches the application, which watches every key press for it.
class QuitKeys : public QObject {
public:
    QuitKeys(std::function<void()> quit, QObject *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void()> quit_;
    const QList<QKeySequence> keys_ = quitKeys();
};
