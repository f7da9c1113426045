#include "ui/twips.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QScreen>
#include <QWidget>

#include <optional>

#include <cmath>

namespace twips {
namespace {
double scale = 1;
std::optional<QFont> designFont;  // set by followDesktopFont
}  // namespace

double desktopTextScale(const QFont &desktop)
{
    QFont reference = desktop;
    reference.setPointSizeF(kDesktopPointSize);
    // A raised font resolution (text scaling) enlarges every font alike.
    const QScreen *screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchY() : 96;
    return std::max(1.0, QFontMetricsF(desktop).height() / QFontMetricsF(reference).height() * dpi / 96);
}

void followDesktopFont()
{
    QFont font = QApplication::font();
    scale = desktopTextScale(font);
    font.setPointSizeF(kDesignPointSize * scale);
    designFont = font;
    QApplication::setFont(font);
}

void keepFont(QWidget *window)
{
    QFont font = designFont.value_or(QApplication::font());
    font.setResolveMask(QFont::AllPropertiesResolved);
    window->setFont(font);
}

double textScale() { return scale; }

int toPixels(int twips)
{
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
