#pragma once

#include <QRect>
#include <QSize>

// Window layouts are given in twips; at 96 DPI one pixel is 15 twips. Qt's
// high-DPI scaling does the rest on denser screens. A desktop font larger
// than the default one scales the layout with it, so no caption is clipped.
namespace twips {

// The default font's size, which the layouts were drawn for.
constexpr double kDefaultPointSize = 9;

// How much larger the application font is than the default one (at least 1).
double textScale();

int toPixels(int twips);
QRect rect(int left, int top, int width, int height);
QSize size(int width, int height);

}  // namespace twips
