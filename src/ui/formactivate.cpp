#include "ui/formactivate.h"

#include <QApplication>
#include <QPointer>

namespace activation {
namespace {

// The application's event filter sees an activation before the window does.
class Follower : public QObject {
public:
    QPointer<const QWidget> last;      // the last window that became active
    QPointer<const QWidget> arriving;  // set while a window arrives from another

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::ActivationChange && watched->isWidgetType()) {
            const auto *widget = static_cast<const QWidget *>(watched);
            if (widget->isWindow() && widget->isActiveWindow()) {
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

}  // namespace activation
