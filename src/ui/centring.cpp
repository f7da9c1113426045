#include "ui/centring.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {

// How long a window waits at most for its window manager's frame; without a
// window manager no frame ever comes.
constexpr int kSettleMs = 3000;
// The time a window manager is given to carry out a move before the window
// is looked at again.
constexpr int kAnswerMs = 100;

bool isBuilt(const QMargins &frame)
{
    // While the window manager is still building the frame, the walk up the
    // window tree can measure a frame narrower than the window.
    return frame.left() >= 0 && frame.top() >= 0 && frame.right() >= 0 && frame.bottom() >= 0;
}

// Centres a window and keeps it centred until its frame is known: the window
// manager frames a window only after it is mapped, and an activation often
// comes first, so the first centring leaves the frame out (or measures one
// being built).
class Centring : public QObject {
public:
    explicit Centring(QWidget *window) : QObject(window), window_(window)
    {
        setObjectName(QStringLiteral("centring"));
        settle_.setSingleShot(true);
        recheck_.setSingleShot(true);
        connect(&settle_, &QTimer::timeout, this, &Centring::stop);
        connect(&recheck_, &QTimer::timeout, this, &Centring::place);
        window->installEventFilter(this);
        sinceMove_.start();
    }

    void request()
    {
        watchHandle();
        settle_.start(kSettleMs);
        place();
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (!settle_.isActive())
            return false;
        switch (event->type()) {
        case QEvent::Show: watchHandle(); [[fallthrough]];
        case QEvent::Expose:
        case QEvent::Move:
        case QEvent::Resize:
            // After the event is through: the window's geometry is updated then.
            recheck_.start(0);
            break;
        default: break;
        }
        return false;
    }

private:
    // Expose reaches only the native window, not the widget.
    void watchHandle()
    {
        QWindow *handle = window_->windowHandle();
        if (handle && handle != handle_) {
            if (handle_)
                handle_->removeEventFilter(this);
            handle_ = handle;
            handle_->installEventFilter(this);
        }
    }

    void place()
    {
        QScreen *screen = window_->screen() ? window_->screen() : QGuiApplication::primaryScreen();
        if (!screen || !settle_.isActive())
            return;
        // Looked at again until it is centred in its frame: not every step
        // of the window manager's framing reaches the window as an event.
        recheck_.start(kAnswerMs);
        const QMargins frame = handle_ ? handle_->frameMargins() : QMargins();
        if (!isBuilt(frame))
            return;
        const QRect area = screen->geometry();
        const QSize outer = window_->size().grownBy(frame);
        const QPoint inner(area.x() + (area.width() - outer.width()) / 2 + frame.left(),
                           area.y() + (area.height() - outer.height()) / 2 + frame.top());
        const QRect geometry = window_->geometry();
        if (geometry.topLeft() != inner) {
            // move() places the frame by the frame the widget last heard of;
            // the difference to its inner position cancels that out.
            window_->move(inner - (geometry.topLeft() - window_->pos()));
            sinceMove_.restart();
        } else if (handle_ && handle_->isExposed() && !frame.isNull() && sinceMove_.elapsed() >= kAnswerMs) {
            stop();  // framed, centred, the last move answered: a later move is the user's
        }
    }

    void stop()
    {
        settle_.stop();
        recheck_.stop();
    }

    QWidget *window_;
    QPointer<QWindow> handle_;
    QTimer settle_;
    QTimer recheck_;
    QElapsedTimer sinceMove_;
};

}  // namespace

bool platformPlacesWindows()
{
    // Wayland compositors place windows themselves and ignore move().
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void centreOnScreen(QWidget *window)
{
    if (platformPlacesWindows())
        return;
    auto *centring =
        dynamic_cast<Centring *>(window->findChild<QObject *>(QStringLiteral("centring"), Qt::FindDirectChildrenOnly));
    if (!centring)
        centring = new Centring(window);
    centring->request();
}
