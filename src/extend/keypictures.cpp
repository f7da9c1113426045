#include "extend/keypictures.h"

#include "ui/twips.h"

#include <QFont>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QWidget>

#include <cmath>
#include <functional>

namespace keypictures {
namespace {

// The side the pictures are drawn for, in pixels at the design font; they
// grow with the text as the captions beside them do.
constexpr double kSide = 18;

QFont letterFont(const QWidget *key, int pixelSize)
{
    QFont font = key->font();
    font.setPixelSize(pixelSize);
    font.setItalic(true);
    font.setStyleHint(QFont::Serif);
    return font;
}

using Drawing = std::function<void(QPainter &, const QWidget *key)>;

// Drawn whenever the key is painted, at the size and screen scale asked for
// and in the key's text colours of the moment: those of an enabled or a
// locked key, also after the desktop palette has changed.
class Picture : public QIconEngine {
public:
    Picture(const QWidget *key, Drawing drawing) : key_(key), drawing_(std::move(drawing)) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State) override
    {
        if (!key_)
            return;
        const QColor ink = key_->palette().color(mode == QIcon::Disabled ? QPalette::Disabled : QPalette::Active,
                                                 QPalette::ButtonText);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setRenderHint(QPainter::TextAntialiasing);
        painter->translate(rect.topLeft());
        painter->scale(rect.width() / kSide, rect.height() / kSide);
        painter->setPen(QPen(ink, 1.2));
        drawing_(*painter, key_);
        painter->restore();
    }

    // The base class leaves the pixmap uninitialised around the drawing.
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, pixmap.rect(), mode, state);
        return pixmap;
    }

    QIconEngine *clone() const override { return new Picture(*this); }

private:
    QPointer<const QWidget> key_;
    Drawing drawing_;
};

}  // namespace

QSize size()
{
    const int side = int(std::lround(kSide * twips::textScale()));
    return QSize(side, side);
}

QIcon power(const QWidget *key)
{
    return QIcon(new Picture(key, [](QPainter &p, const QWidget *k) {
        p.setFont(letterFont(k, 14));
        p.drawText(QRectF(0, 4, 11, 14), Qt::AlignCenter, QStringLiteral("x"));
        p.setFont(letterFont(k, 10));
        p.drawText(QRectF(9, 0, 9, 10), Qt::AlignCenter, QStringLiteral("n"));
    }));
}

QIcon root(const QWidget *key)
{
    return QIcon(new Picture(key, [](QPainter &p, const QWidget *k) {
        p.setFont(letterFont(k, 9));
        p.drawText(QRectF(0, 1, 7, 9), Qt::AlignCenter, QStringLiteral("n"));
        QPainterPath sign;
        sign.moveTo(1.5, 11.5);
        sign.lineTo(3.5, 10.5);
        sign.lineTo(6.5, 16.5);
        sign.lineTo(9.5, 2.5);
        sign.lineTo(17.5, 2.5);
        p.drawPath(sign);
        p.setFont(letterFont(k, 12));
        p.drawText(QRectF(9, 4, 9, 13), Qt::AlignCenter, QStringLiteral("x"));
    }));
}

}  // namespace keypictures
