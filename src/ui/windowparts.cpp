#include "ui/windowparts.h"

#include "ui/colors.h"
#include "ui/displayfield.h"

#include <QEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>

namespace windowparts {
namespace {

// A key's shortcut clicks it at once. QAbstractButton would move the focus to
// the key and click 100 ms later, so keys typed meanwhile would go to the key
// or be undone by it (a fast "Esc 7" would clear the 7).
class ImmediateShortcut : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Shortcut)
            return false;
        static_cast<QPushButton *>(watched)->click();
        return true;
    }
};

}  // namespace

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
    key->installEventFilter(new ImmediateShortcut(key));
    return key;
}

QLineEdit *makeDisplay(QWidget *parent, QRect geometry, std::function<void()> change,
                       std::function<void(core::DisplayKey)> keyDown)
{
    auto *display = new QLineEdit(parent);
    display->setObjectName(QStringLiteral("Text1"));
    display->setGeometry(geometry);
    displayfield::setUp(display);
    QObject::connect(display, &QLineEdit::textChanged, display, [change = std::move(change)] { change(); });
    if (keyDown)
        displayfield::onKeyDown(display, std::move(keyDown));
    return display;
}

}  // namespace windowparts
