#pragma once

#include <QRect>
#include <QSize>

// Window layouts are given in twips; at 96 DPI one pixel is 15 twips. Qt's
// high-DPI scaling does the rest on denser screens.
namespace twips {

constexpr int toPixels(int twips) { return (twips + 7) / 15; }

constexpr QRect rect(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

constexpr QSize size(int width, int height) { return QSize(toPixels(width), toPixels(height)); }

}  // namespace twips
