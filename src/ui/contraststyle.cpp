#include "ui/contraststyle.h"

#include "ui/colors.h"
#include "ui/deferredicon.h"
#include "ui/twips.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>

#include <cmath>

namespace {

// What shows around the widget: its parent's face, or the window colour.
QColor outsideOf(const QStyleOption *option, const QWidget *widget)
{
    const QWidget *parent = widget ? widget->parentWidget() : nullptr;
    return parent ? parent->palette().color(parent->backgroundRole()) : option->palette.window().color();
}

// The face a focus mark is drawn on: a key's own, or what the widget sits on.
QColor faceOf(const QStyleOption *option, const QWidget *widget)
{
    return option->palette.color(widget ? widget->backgroundRole() : QPalette::Window);
}

// Focus moved by the keyboard: the only focus Fusion marks.
bool keyFocus(const QStyleOption *option)
{
    return option->state & QStyle::State_HasFocus && option->state & QStyle::State_KeyboardFocusChange;
}

}  // namespace

ContrastStyle::ContrastStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void ContrastStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                  const QWidget *widget) const
{
    const QPalette &palette = option->palette;
    const bool focus = option->state & State_HasFocus;
    const QColor base = palette.base().color();
    // Whole pixels at every scale: a line on a pixel boundary keeps its colour.
    const QRectF box = QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5);
    switch (element) {
    case PE_FrameLineEdit: {
        const QColor outside = outsideOf(option, widget);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->setBrush(Qt::NoBrush);
        painter->setPen(QPen(focus ? colors::focusOn(outside, palette.highlight().color(), base)
                                   : colors::edgeOn(outside, base, palette.text().color()),
                             1));
        painter->drawRect(box);
        if (focus)  // a second line inside: the focused field stands out by its width too
            painter->drawRect(box.adjusted(1, 1, -1, -1));
        painter->restore();
        return;
    }
    case PE_IndicatorRadioButton:
    case PE_IndicatorCheckBox: {
        const bool radio = element == PE_IndicatorRadioButton;
        const QColor outside = faceOf(option, widget);
        // A locked option's mark is dimmed as its caption is, and as legible.
        const QColor ink = option->state & State_Enabled
                               ? palette.color(QPalette::Active, QPalette::Text)
                               : colors::dimmedOn(base, palette.color(QPalette::Disabled, QPalette::Text));
        const QColor edge = colors::edgeOn(outside, base, ink);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, true);
        painter->setPen(QPen(edge, 1));
        painter->setBrush(option->state & State_Sunken ? palette.button() : palette.base());
        const QRectF mark = box.adjusted(box.width() / 4, box.height() / 4, -box.width() / 4, -box.height() / 4);
        if (radio) {
            painter->drawEllipse(box);
            if (option->state & State_On) {
                painter->setPen(Qt::NoPen);
                painter->setBrush(ink);
                painter->drawEllipse(mark);
            }
        } else {
            painter->drawRoundedRect(box, 1.5, 1.5);
            painter->setPen(QPen(ink, std::max(1.5, box.width() / 7), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            if (option->state & State_On) {
                QPainterPath tick(QPointF(mark.left(), mark.center().y()));
                tick.lineTo(mark.left() + mark.width() * 0.4, mark.bottom());
                tick.lineTo(mark.right(), mark.top());
                painter->setBrush(Qt::NoBrush);
                painter->drawPath(tick);
            } else if (option->state & State_NoChange) {
                painter->drawLine(QPointF(mark.left(), mark.center().y()), QPointF(mark.right(), mark.center().y()));
            }
        }
        painter->restore();
        return;
    }
    case PE_PanelButtonCommand: {
        // A key: its own face (a described colour shows as given) inside an
        // edge at 3:1 against the window around it. Fusion's edge is a shade
        // of the window colour (2:1 in light palettes, invisible on black).
        const auto *key = qstyleoption_cast<const QStyleOptionButton *>(option);
        const bool pressed = option->state & State_Sunken;
        if (key && key->features & QStyleOptionButton::Flat && !pressed && !(option->state & State_On))
            break;
        const bool isDefault =
            key && key->features & QStyleOptionButton::DefaultButton && option->state & State_Enabled;
        const QColor outside = outsideOf(option, widget), ink = palette.color(QPalette::Active, QPalette::ButtonText);
        const QColor face = pressed ? colors::mix(palette.button().color(), ink, 0.12) : palette.button().color();
        // The default key and the focused one: the highlight, as Fusion marks them.
        const QColor edge = isDefault || keyFocus(option) ? colors::focusOn(outside, palette.highlight().color(), face)
                                                          : colors::edgeOn(outside, face, ink);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, true);
        painter->setPen(QPen(edge, 1));
        painter->setBrush(face);
        painter->drawRoundedRect(box, 2, 2);
        painter->restore();
        return;
    }
    case PE_FrameFocusRect:
        // As Fusion: shown once the keyboard has moved the focus.
        if (option->state & State_KeyboardFocusChange) {
            painter->save();
            painter->setRenderHint(QPainter::Antialiasing, false);
            painter->setBrush(Qt::NoBrush);
            painter->setPen(QPen(colors::focusOn(faceOf(option, widget), palette.highlight().color()), 1));
            painter->drawRect(box);
            painter->restore();
        }
        return;
    default: break;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void ContrastStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                                const QWidget *widget) const
{
    QProxyStyle::drawControl(element, option, painter, widget);
    // A key focused from the keyboard: besides its edge, a ring inside it,
    // seen against the key's own face (a flat key's: what is around it).
    const auto *key = qstyleoption_cast<const QStyleOptionButton *>(option);
    if (element != CE_PushButton || !key || !keyFocus(option))
        return;
    const QColor face =
        key->features & QStyleOptionButton::Flat ? outsideOf(option, widget) : option->palette.button().color();
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setBrush(Qt::NoBrush);
    painter->setPen(QPen(colors::focusOn(face, option->palette.highlight().color()), 1));
    painter->drawRect(QRectF(option->rect).adjusted(1.5, 1.5, -1.5, -1.5));
    painter->restore();
}

void ContrastStyle::drawItemText(QPainter *painter, const QRect &rect, int flags, const QPalette &palette, bool enabled,
                                 const QString &text, QPalette::ColorRole textRole) const
{
    if (enabled || textRole == QPalette::NoRole) {
        QProxyStyle::drawItemText(painter, rect, flags, palette, enabled, text, textRole);
        return;
    }
    const QPalette::ColorRole face = textRole == QPalette::ButtonText ? QPalette::Button
                                     : textRole == QPalette::Text     ? QPalette::Base
                                                                      : QPalette::Window;
    QPalette fitted = palette;
    fitted.setColor(palette.currentColorGroup(), textRole,
                    colors::dimmedOn(palette.color(face), palette.color(textRole)));
    QProxyStyle::drawItemText(painter, rect, flags, fitted, enabled, text, textRole);
}

int ContrastStyle::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    const int size = QProxyStyle::pixelMetric(metric, option, widget);
    switch (metric) {
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight: return int(std::lround(size * twips::textScale()));
    default: return size;
    }
}

QIcon ContrastStyle::standardIcon(StandardPixmap icon, const QStyleOption *option, const QWidget *widget) const
{
    if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton)
        return deferredStandardIcon(baseStyle(), icon);
    return QProxyStyle::standardIcon(icon, option, widget);
}
