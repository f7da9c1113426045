#include "shared/twips.h"

#include <QApplication>
#include <QFontMetricsF>

#include <cmath>

namespace twips {

double textScale()
{
    // Measured once per application font: windows are built on demand.
    static QFont measured;
    static double scale = 0;
    const QFont font = QApplication::font();
    if (scale == 0 || font != measured) {
        QFont reference = font;
        reference.setPointSizeF(kDefaultPointSize);
        scale = std::max(1.0, QFontMetricsF(font).height() / QFontMetricsF(reference).height());
        measured = font;
    }
    return scale;
}

int toPixels(int twips)
{
    const double scale = textScale();
    if (scale == 1.0)
        return (twips + 7) / 15;
    return int(std::lround(twips * scale / 15.0));
}

QRect rect(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

QSize size(int width, int height) { return QSize(toPixels(width), toPixels(height)); }

}  // namespace twips
