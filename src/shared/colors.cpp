#include "shared/colors.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace colors {

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
    QPalette palette = widget->palette();
    palette.setColor(widget->backgroundRole(), toColor(value));
    widget->setPalette(palette);
    if (widget->backgroundRole() == QPalette::Window)
        widget->setAutoFillBackground(true);
}

void setForeground(QWidget *widget, unsigned value)
{
    QPalette palette = widget->palette();
    palette.setColor(widget->foregroundRole(), toColor(value));
    widget->setPalette(palette);
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
