#include "shell/menus.h"

#include "shell/application.h"

#include <QAction>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace {

QString suffixOf(View view)
{
    switch (view) {
    case View::Extended: return QStringLiteral("2");
    case View::Informatics: return QStringLiteral("3");
    case View::Standard: break;
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

void attachMenus(Application &app, QMainWindow *window, View view)
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
        {View::Standard, "&Egyszerű", "egysz"},
        {View::Extended, "&Bővített", "bovit"},
        {View::Informatics, "&Informatikai", "info"},
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
            QObject::connect(action, &QAction::triggered, &app, [&app, view, target] { app.switchView(view, target); });
        }
    }
    QAction *option = addItem(nezet, QStringLiteral("Beál&lítások"), QStringLiteral("option"));
    QObject::connect(option, &QAction::triggered, &app, [&app] { app.showOptions(); });

    QMenu *help = bar->addMenu(QStringLiteral("&Súgó"));
    help->setObjectName(QStringLiteral("help") + suffix);
    QAction *tart = addItem(help, QStringLiteral("&Tartalom"), QStringLiteral("tart") + suffix);
    tart->setShortcut(QKeySequence::HelpContents);
    QObject::connect(tart, &QAction::triggered, &app, [&app] { app.showHelpContents(); });
    QAction *index = addItem(help, QStringLiteral("&Index"), QStringLiteral("index") + suffix);
    QAction *keres = addItem(help, QStringLiteral("&Keresés"), QStringLiteral("keres") + suffix);
    // Index and Keresés work in the standard window only; elsewhere they do nothing.
    if (view == View::Standard) {
        QObject::connect(index, &QAction::triggered, &app, [&app] { app.showHelpContents(); });
        QObject::connect(keres, &QAction::triggered, &app, [&app] { app.showHelpSearch(); });
    }
    QAction *nevjegy = addItem(help, QStringLiteral("&Névjegy"), QStringLiteral("nevjegy") + suffix);
    QObject::connect(nevjegy, &QAction::triggered, &app, [&app, window] { app.showAbout(window); });
    QAction *quit = addItem(help, QStringLiteral("Ki&lépés"), QStringLiteral("quit") + suffix);
    QObject::connect(quit, &QAction::triggered, &app, [&app] { app.quit(); });
}
