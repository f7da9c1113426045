#include "extend/keypictures.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QWidget>

#include <functional>

namespace keypictures {
namespace {

constexpr int kSide = 18;

QFont letterFont(const QWidget *key, int pixelSize)
{
    QFont font = key->font();
    font.setPixelSize(pixelSize);
    font.setItalic(true);
    font.setStyleHint(QFont::Serif);
    return font;
}

// One picture at 1x and 2x, so it stays sharp on dense screens, in the text
// colours of an enabled and of a locked key.
QIcon drawn(const QWidget *key, const std::function<void(QPainter &)> &paint)
{
    QIcon icon;
    for (const auto mode : {QIcon::Normal, QIcon::Disabled}) {
        const QColor ink =
            key->palette().color(mode == QIcon::Normal ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText);
        for (const qreal ratio : {1.0, 2.0}) {
            QPixmap pixmap(QSize(kSide, kSide) * ratio);
            pixmap.setDevicePixelRatio(ratio);
            pixmap.fill(Qt::transparent);
            QPainter painter(&pixmap);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setRenderHint(QPainter::TextAntialiasing);
            painter.setPen(QPen(ink, 1.2));
            paint(painter);
            painter.end();
            icon.addPixmap(pixmap, mode);
        }
    }
    return icon;
}

}  // namespace

QSize size() { return QSize(kSide, kSide); }

QIcon power(const QWidget *key)
{
    return drawn(key, [key](QPainter &p) {
        p.setFont(letterFont(key, 14));
        p.drawText(QRectF(0, 4, 11, 14), Qt::AlignCenter, QStringLiteral("x"));
        p.setFont(letterFont(key, 10));
        p.drawText(QRectF(9, 0, 9, 10), Qt::AlignCenter, QStringLiteral("n"));
    });
}

QIcon root(const QWidget *key)
{
    return drawn(key, [key](QPainter &p) {
        p.setFont(letterFont(key, 9));
        p.drawText(QRectF(0, 1, 7, 9), Qt::AlignCenter, QStringLiteral("n"));
        QPainterPath sign;
        sign.moveTo(1.5, 11.5);
        sign.lineTo(3.5, 10.5);
        sign.lineTo(6.5, 16.5);
        sign.lineTo(9.5, 2.5);
        sign.lineTo(17.5, 2.5);
        p.drawPath(sign);
        p.setFont(letterFont(key, 12));
        p.drawText(QRectF(9, 4, 9, 13), Qt::AlignCenter, QStringLiteral("x"));
    });
}

}  // namespace keypictures
