#include "ui/deferredicon.h"

#include <QIconEngine>
#include <QPointer>

namespace {

class DeferredIconEngine : public QIconEngine {
public:
    DeferredIconEngine(QStyle *style, QStyle::StandardPixmap which) : style_(style), which_(which) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return false; }
    QString key() const override { return QStringLiteral("deferred"); }
    QIconEngine *clone() const override { return new DeferredIconEngine(style_, which_); }

private:
    const QIcon &icon()
    {
        if (!made_ && style_)
            icon_ = style_->standardIcon(which_);
        made_ = true;
        return icon_;
    }

    QPointer<QStyle> style_;  // a style replaced meanwhile leaves the icon empty
    QStyle::StandardPixmap which_;
    QIcon icon_;
    bool made_ = false;
};

}  // namespace

QIcon deferredStandardIcon(QStyle *style, QStyle::StandardPixmap which)
{
    return QIcon(new DeferredIconEngine(style, which));
}
