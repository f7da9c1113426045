#pragma once

#include <QRect>
#include <QSize>

class QFont;
class QWidget;

// Window layouts are given in twips; at 96 DPI one pixel is 15 twips. Qt's
// high-DPI scaling does the rest on denser screens. Layouts are drawn for an
// 8-point font on a desktop whose font is 9 points at 96 DPI; a larger
// desktop font or text scaling grows the font and the layout alike, so no
// caption is clipped.
namespace twips {

constexpr double kDesignPointSize = 8;
constexpr double kDesktopPointSize = 9;

// How much larger `desktop` reads than the default desktop font (at least 1).
double desktopTextScale(const QFont &desktop);

// Takes the scale from the application's (the desktop's) font and sets the
// application font to the design size times that scale.
void followDesktopFont();

// The scale layouts are converted with; 1 until followDesktopFont().
double textScale();

// Gives a window laid out in twips the font its layout was scaled for, for
// good: a desktop theme may set the application font again once the event
// loop runs (qt6ct does), and the fixed layout would then clip its captions.
void keepFont(QWidget *window);

int toPixels(int twips);
QRect rect(int left, int top, int width, int height);
QSize size(int width, int height);

}  // namespace twips
