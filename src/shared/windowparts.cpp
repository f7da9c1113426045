#include "shared/windowparts.h"

#include "shared/colors.h"
#include "shared/displayfield.h"

#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>

namespace windowparts {

QWidget *makeClientArea(QMainWindow *window, QSize size)
{
    auto *client = new QWidget(window);
    client->setFixedSize(size);
    window->setCentralWidget(client);
    window->layout()->setSizeConstraint(QLayout::SetFixedSize);
    return client;
}

QPushButton *makeKey(QWidget *parent, const QString &caption, const QString &name, QRect geometry)
{
    auto *key = new QPushButton(caption, parent);
    key->setObjectName(name);
    key->setGeometry(geometry);
    // Tab reaches it, a click does not take the focus from the display.
    key->setFocusPolicy(Qt::TabFocus);
    key->setAutoDefault(false);
    colors::fitText(key);
    return key;
}

QLineEdit *makeDisplay(QWidget *parent, QRect geometry, int maxEntry, std::function<void()> change,
                       std::function<void(int keyCode)> keyDown)
{
    auto *display = new QLineEdit(parent);
    display->setObjectName(QStringLiteral("Text1"));
    display->setGeometry(geometry);
    displayfield::setUp(display, maxEntry);
    QObject::connect(display, &QLineEdit::textChanged, display, [change = std::move(change)] { change(); });
    if (keyDown)
        displayfield::onKeyDown(display, std::move(keyDown));
    return display;
}

}  // namespace windowparts
