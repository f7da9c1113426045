#include "shell/menus.h"

#include "shell/quitkeys.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace {

QString suffixOf(View view)
{
    switch (view) {
    case View::Extend: return QStringLiteral("2");
    case View::Infos: return QStringLiteral("3");
    case View::Stand: break;
    }
    return QString();
}

// Captions carry "&" before the letter that Alt (or the open menu) takes.
QAction *addItem(QMenu *menu, const QString &caption, const QString &name)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

}  // namespace

void attachMenus(QMainWindow *window, View view, const MenuActions &actions)
{
    const QString suffix = suffixOf(view);
    QMenuBar *bar = window->menuBar();

    QMenu *nezet = bar->addMenu(QStringLiteral("&Nézet"));
    nezet->setObjectName(QStringLiteral("nezet") + suffix);
    const struct {
        View target;
        const char *caption;
        const char *name;
    } views[] = {
        {View::Stand, "&Egyszerű", "egysz"},
        {View::Extend, "&Bővített", "bovit"},
        {View::Infos, "&Informatikai", "info"},
    };
    for (const auto &item : views) {
        QAction *action = addItem(nezet, QString::fromUtf8(item.caption), QString::fromLatin1(item.name) + suffix);
        if (item.target == view) {
            // The window's own view: checked, and does nothing.
            action->setCheckable(true);
            action->setChecked(true);
            QObject::connect(action, &QAction::triggered, action, [action] { action->setChecked(true); });
        } else {
            const View target = item.target;
            QObject::connect(action, &QAction::triggered, window,
                             [switchView = actions.switchView, view, target] { switchView(view, target); });
        }
    }
    QAction *option = addItem(nezet, QStringLiteral("Beál&lítások"), QStringLiteral("option"));
    QObject::connect(option, &QAction::triggered, window, actions.options);

    QMenu *help = bar->addMenu(QStringLiteral("&Súgó"));
    help->setObjectName(QStringLiteral("help") + suffix);
    QAction *tart = addItem(help, QStringLiteral("&Tartalom"), QStringLiteral("tart") + suffix);
    tart->setShortcut(QKeySequence::HelpContents);
    QObject::connect(tart, &QAction::triggered, window, actions.helpContents);
    QAction *index = addItem(help, QStringLiteral("&Index"), QStringLiteral("index") + suffix);
    QAction *keres = addItem(help, QStringLiteral("&Keresés"), QStringLiteral("keres") + suffix);
    // Index and Keresés work in the standard window only; elsewhere they do nothing.
    if (view == View::Stand) {
        QObject::connect(index, &QAction::triggered, window, actions.helpContents);
        QObject::connect(keres, &QAction::triggered, window, actions.helpSearch);
    }
    QAction *nevjegy = addItem(help, QStringLiteral("&Névjegy"), QStringLiteral("nevjegy") + suffix);
    QObject::connect(nevjegy, &QAction::triggered, window, [about = actions.about, window] { about(window); });
    QAction *quit = addItem(help, QStringLiteral("Ki&lépés"), QStringLiteral("quit") + suffix);
    quit->setShortcuts(quitKeys());
    QObject::connect(quit, &QAction::triggered, window, actions.quit);
}
