#include "ui/formactivate.h"

#include <QApplication>
#include <QPointer>
#include <QVariant>

namespace activation {
namespace {

const char *const kOutside = "zorvexaOutside";

bool isOutside(const QWidget *window)
{
    for (const QWidget *w = window; w; w = w->parentWidget())
        if (w->property(kOutside).toBool())
            return true;
    return false;
}

// The application's event filter sees an activation before the window does.
class Follower : public QObject {
public:
    QPointer<const QWidget> last;      // the last window that became active
    QPointer<const QWidget> arriving;  // set while a window arrives from another

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::ActivationChange && watched->isWidgetType()) {
            const auto *widget = static_cast<const QWidget *>(watched);
            if (widget->isWindow() && widget->isActiveWindow() && !isOutside(widget)) {
                arriving = widget != last ? widget : nullptr;
                last = widget;
            }
        }
        return false;
    }
};

QPointer<Follower> follower;

}  // namespace

bool follow()
{
    if (!follower && qApp) {
        follower = new Follower;
        follower->setParent(qApp);
        qApp->installEventFilter(follower);
    }
    return follower != nullptr;
}

bool isReturn(const QWidget *window)
{
    if (!follower || follower->arriving != window)
        return false;
    follower->arriving = nullptr;  // one Form_Activate per arrival
    return true;
}

void setOutside(QWidget *window) { window->setProperty(kOutside, true); }

}  // namespace activation
