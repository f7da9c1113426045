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
        painter->setPen(QPen(focus ? colors::focusOn(outside, palette.highlight().color())
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
        const QColor ink =
            palette.color(option->state & State_Enabled ? QPalette::Active : QPalette::Disabled, QPalette::Text);
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
    // Fusion marks a focused key only by a blue outline, too faint on most
    // faces: a ring inside the edge, seen against the key's own face.
    const auto *key = qstyleoption_cast<const QStyleOptionButton *>(option);
    if (element != CE_PushButton || !key || !(option->state & State_HasFocus) ||
        !(option->state & State_KeyboardFocusChange))
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
