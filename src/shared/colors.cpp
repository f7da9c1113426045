#include "shared/colors.h"

#include <QApplication>
#include <QHash>
#include <QPalette>
#include <QPixmapCache>
#include <QWidget>

namespace colors {
namespace {

// The colours this module gave a widget, kept on the widget itself so they
// go with it.
const char *const kForegroundProperty = "colors.foreground";
const char *const kBackgroundProperty = "colors.background";

// One palette per kind of widget and pair of colours, built once.
const QPalette &paletteFor(const QWidget *widget, const QColor &foreground, const QColor &background)
{
    static QHash<QString, QPalette> built;
    const QString key = QStringLiteral("%1 %2 %3 %4 %5")
                            .arg(QLatin1String(widget->metaObject()->className()))
                            .arg(int(widget->foregroundRole()))
                            .arg(int(widget->backgroundRole()))
                            .arg(foreground.isValid() ? foreground.name(QColor::HexArgb) : QString(),
                                 background.isValid() ? background.name(QColor::HexArgb) : QString());
    auto found = built.constFind(key);
    if (found == built.constEnd()) {
        QPalette palette;  // no role set: the rest comes from the widget's own surroundings
        if (foreground.isValid())
            palette.setColor(widget->foregroundRole(), foreground);
        if (background.isValid())
            palette.setColor(widget->backgroundRole(), background);
        found = built.insert(key, palette);
    }
    return *found;
}

void apply(QWidget *widget, const char *property, const QColor &colour)
{
    // Unchanged colours are not applied again: every setPalette makes a new
    // palette instance, whatever the colours.
    if (widget->property(property).value<QColor>() == colour && widget->testAttribute(Qt::WA_SetPalette))
        return;
    // The Fusion style keys its pixmap cache by palette instance, and Qt 6.4
    // keeps the key of every entry it ever held: each colour change would
    // leave a few hundred bytes behind for good. The pictures it saves are
    // cheap to draw again.
    static const bool uncached = [] {
        QPixmapCache::setCacheLimit(0);
        return true;
    }();
    (void)uncached;
    widget->setProperty(property, colour);
    widget->setPalette(paletteFor(widget, widget->property(kForegroundProperty).value<QColor>(),
                                  widget->property(kBackgroundProperty).value<QColor>()));
}

}  // namespace

QColor toColor(unsigned value)
{
    if (value & 0x80000000u) {
        // The classic desktop's values for the system colours named in the
        // layouts; the button face follows the style in use.
        switch (value) {
        case kButtonFace: return QApplication::palette().color(QPalette::Button);
        case kInactiveTitleBar: return QColor(0x80, 0x80, 0x80);
        case kHighlightedText: return QColor(0xFF, 0xFF, 0xFF);
        case kDesktop: return QColor(0x3A, 0x6E, 0xA5);
        case kAppWorkspace: return QColor(0xAB, 0xAB, 0xAB);
        default: return QApplication::palette().color(QPalette::Window);
        }
    }
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

void setBackground(QWidget *widget, unsigned value)
{
    // Only the role the widget paints its own face with, so a window's
    // colour does not spread to its keys.
    apply(widget, kBackgroundProperty, toColor(value));
    if (widget->backgroundRole() == QPalette::Window && !widget->autoFillBackground())
        widget->setAutoFillBackground(true);
}

void setForeground(QWidget *widget, unsigned value)
{
    apply(widget, kForegroundProperty, toColor(value));
}

QColor background(const QWidget *widget)
{
    return widget->palette().color(widget->backgroundRole());
}

QColor foreground(const QWidget *widget)
{
    return widget->palette().color(widget->foregroundRole());
}

}  // namespace colors
