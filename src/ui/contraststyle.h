#pragma once

#include <QProxyStyle>

// Fusion, whose keys, outlines of fields, radio buttons and check boxes and
// focus marks are drawn from the palette at 3:1 against what surrounds them:
// Fusion's own shades of the window colour all but vanish in dark palettes
// (1.15:1 for a field's frame) and on black, and stay under 3:1 in light
// ones. Keys show their face colour as given, unshaded.
class ContrastStyle : public QProxyStyle {
    Q_OBJECT
public:
    ContrastStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    // A disabled caption at 3:1 as drawn, whatever disabled colour the desktop
    // palette gives: the widgets without a colour of their own use it as is.
    void drawItemText(QPainter *painter, const QRect &rect, int flags, const QPalette &palette, bool enabled,
                      const QString &text, QPalette::ColorRole textRole = QPalette::NoRole) const override;
    // Radio buttons and check boxes grow with the text, as the layouts do.
    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
    // The menu bar's overflow arrows are made when first drawn (ui/deferredicon.h).
    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};
