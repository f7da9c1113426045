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
    QPointer<const QWidget> last;      // the last of our windows that became active
    QPointer<const QWidget> arriving;  // set while a window arrives from another of ours
    bool outsideSince = false;         // an outside window was active since `last`
    bool fromOutside = false;          // the window that became active last came back from one

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::ActivationChange && watched->isWidgetType()) {
            const auto *widget = static_cast<const QWidget *>(watched);
            if (widget->isWindow() && widget->isActiveWindow()) {
                if (isOutside(widget)) {
                    outsideSince = true;
                } else {
                    arriving = widget != last ? widget : nullptr;
                    fromOutside = outsideSince;
                    outsideSince = false;
                    last = widget;
                }
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

core::Arrival arrival(const QWidget *window)
{
    if (!follower)
        return core::Arrival::FromElsewhere;
    if (follower->arriving == window) {
        follower->arriving = nullptr;  // one arrival per activation
        return core::Arrival::FromOurWindow;
    }
    return follower->fromOutside ? core::Arrival::FromHelp : core::Arrival::FromElsewhere;
}

void setOutside(QWidget *window) { window->setProperty(kOutside, true); }

}  // namespace activation
