#include "ui/colors.h"

#include <QApplication>
#include <QPalette>
#include <QPixmapCache>
#include <QVariant>
#include <QWidget>

#include <cmath>

namespace colors {
namespace {

// The described colours a widget was given, kept to apply them again on a
// new desktop palette.
const char *const kFaceProperty = "zorvexaFace";
const char *const kTextProperty = "zorvexaText";

constexpr double kReadable = 4.5;
// A disabled caption's colour: its strokes, antialiased, come out up to a
// fifth fainter on the screen, and must still reach 3:1 there.
constexpr double kDimmedReadable = 4.0;
constexpr double kVisibleEdge = 3.2;  // outlines and focus marks, a little above the 3:1 floor

double luminance(const QColor &c)
{
    const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

QColor classicInactiveTitleBar() { return QColor(0x80, 0x80, 0x80); }

// Whether `value` is the described colour the widget already shows for
// `role`: every setPalette makes a new palette instance, whatever the colours.
bool alreadyShown(const QWidget *widget, const char *property, QPalette::ColorRole role, unsigned value)
{
    const QVariant given = widget->property(property);
    return widget->testAttribute(Qt::WA_SetPalette) && given.isValid() && given.toUInt() == value &&
           widget->palette().color(role) == toColor(value);
}

void applyPalette(QWidget *widget, const QPalette &palette)
{
    // The Fusion style keys its pixmap cache by palette instance, and Qt 6.4
    // keeps the key of every entry it ever held: each colour change would
    // leave a few hundred bytes behind for good (7 KB per change of the
    // standard window's scheme). The pictures it saves are cheap to draw.
    static const bool uncached = [] {
        QPixmapCache::setCacheLimit(0);
        return true;
    }();
    (void)uncached;
    widget->setPalette(palette);
}

}  // namespace

QColor mix(const QColor &from, const QColor &to, double t)
{
    return QColor::fromRgbF(float(from.redF() + (to.redF() - from.redF()) * t),
                            float(from.greenF() + (to.greenF() - from.greenF()) * t),
                            float(from.blueF() + (to.blueF() - from.blueF()) * t));
}

QColor toColor(unsigned value)
{
    if (value & 0x80000000u) {
        // The classic desktop's values for the system colours named in the
        // layouts; the button face follows the style in use.
        switch (value) {
        case kButtonFace: return QApplication::palette().color(QPalette::Button);
        case kInactiveTitleBar: return classicInactiveTitleBar();
        // Described only on the inactive title bar: the palette's colour
        // where it is readable there.
        case kHighlightedText:
            return readableOn(classicInactiveTitleBar(), QApplication::palette().color(QPalette::HighlightedText));
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
    if (alreadyShown(widget, kFaceProperty, widget->backgroundRole(), value))
        return;
    widget->setProperty(kFaceProperty, value);
    QPalette palette = widget->palette();
    palette.setColor(widget->backgroundRole(), toColor(value));
    applyPalette(widget, palette);
    if (widget->backgroundRole() == QPalette::Window)
        widget->setAutoFillBackground(true);
    fitText(widget);
}

void setForeground(QWidget *widget, unsigned value)
{
    if (alreadyShown(widget, kTextProperty, widget->foregroundRole(), value))
        return;
    widget->setProperty(kTextProperty, value);
    QPalette palette = widget->palette();
    palette.setColor(widget->foregroundRole(), toColor(value));
    applyPalette(widget, palette);
}

QColor background(const QWidget *widget) { return widget->palette().color(widget->backgroundRole()); }

QColor foreground(const QWidget *widget) { return widget->palette().color(widget->foregroundRole()); }

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableOn(const QColor &face, const QColor &preferred)
{
    if (preferred.isValid() && contrast(preferred, face) >= kReadable)
        return preferred;
    const QColor black(Qt::black), white(Qt::white);
    return contrast(black, face) >= contrast(white, face) ? black : white;
}

QColor dimmedOn(const QColor &face, const QColor &current)
{
    if (contrast(current, face) >= kDimmedReadable)
        return current;
    const QColor text = readableOn(face);
    QColor best = text;
    for (int step = 1; step < 20; ++step) {
        const QColor mixed = mix(text, face, step / 20.0);
        if (contrast(mixed, face) < kDimmedReadable)
            break;
        best = mixed;
    }
    return best;
}

QColor edgeOn(const QColor &outside, const QColor &inside, const QColor &ink)
{
    const auto visible = [&](const QColor &c) { return std::min(contrast(c, outside), contrast(c, inside)); };
    for (int step = 9; step >= 0; --step) {
        const QColor mixed = mix(ink, outside, step / 10.0);
        if (visible(mixed) >= kVisibleEdge)
            return mixed;
    }
    // Against the outside first: that is where the control's shape shows.
    const QColor black(Qt::black), white(Qt::white);
    const QColor better = visible(black) >= visible(white) ? black : white;
    const QColor other = better == black ? white : black;
    return contrast(better, outside) >= kVisibleEdge || contrast(other, outside) < kVisibleEdge ? better : other;
}

QColor focusOn(const QColor &face, const QColor &preferred, const QColor &inside)
{
    const auto visible = [&](const QColor &c) {
        return std::min(contrast(c, face), inside.isValid() ? contrast(c, inside) : kVisibleEdge);
    };
    if (visible(preferred) >= kVisibleEdge)
        return preferred;
    // Away from the face: darker on a light face, lighter on a dark one.
    const bool darker = contrast(Qt::black, face) >= contrast(Qt::white, face);
    float h, s, l, a;
    preferred.getHslF(&h, &s, &l, &a);
    h = std::max(h, 0.0f);  // -1 for a grey
    for (int step = 1; step <= 20; ++step) {
        const float lightness = darker ? l * (1 - step / 20.0f) : l + (1 - l) * step / 20.0f;
        const QColor candidate = QColor::fromHslF(h, s, lightness);
        if (visible(candidate) >= kVisibleEdge)
            return candidate;
    }
    return readableOn(face);
}

void fitText(QWidget *widget)
{
    QPalette palette = widget->palette();
    const QPalette desktop = QApplication::palette(widget);
    const QPalette::ColorRole text = widget->foregroundRole(), face = widget->backgroundRole();
    // A colour already readable stays (a described one among them); next
    // comes the desktop's own text colour, then black or white.
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        const QColor current = palette.color(group, text), back = palette.color(group, face);
        const QColor fitted =
            contrast(current, back) >= kReadable ? current : readableOn(back, desktop.color(group, text));
        if (fitted != current)
            palette.setColor(group, text, fitted);
    }
    const QColor dimmed = dimmedOn(palette.color(QPalette::Disabled, face), palette.color(QPalette::Disabled, text));
    if (dimmed != palette.color(QPalette::Disabled, text))
        palette.setColor(QPalette::Disabled, text, dimmed);
    if (palette != widget->palette())
        applyPalette(widget, palette);
}

void followPalette(QWidget *root)
{
    // Parents come before their children, so each inherits the new palette.
    QList<QWidget *> widgets{root};
    widgets += root->findChildren<QWidget *>();
    for (QWidget *widget : std::as_const(widgets)) {
        const QVariant face = widget->property(kFaceProperty), text = widget->property(kTextProperty);
        widget->setPalette(QPalette());
        if (text.isValid())
            setForeground(widget, text.toUInt());
        if (face.isValid())
            setBackground(widget, face.toUInt());
        else
            fitText(widget);
    }
}

}  // namespace colors
