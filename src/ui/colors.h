#pragma once

#include <QColor>

class QWidget;

// Colours written &HBBGGRR, or &H80000000 + index for a system colour.
namespace colors {

constexpr unsigned kButtonFace = 0x8000000F;
constexpr unsigned kInactiveTitleBar = 0x80000003;
constexpr unsigned kHighlightedText = 0x8000000E;
constexpr unsigned kDesktop = 0x80000001;
constexpr unsigned kAppWorkspace = 0x8000000C;
constexpr unsigned kWhite = 0xFFFFFF;
constexpr unsigned kGreen = 0x8000;
constexpr unsigned kRed = 0xFF;
constexpr unsigned kYellow = 0xFFFF;

QColor toColor(unsigned value);

// Background of a window, label or button; text colour of a label.
void setBackground(QWidget *widget, unsigned value);
void setForeground(QWidget *widget, unsigned value);

QColor background(const QWidget *widget);
QColor foreground(const QWidget *widget);

// `from` moved towards `to` by the fraction `t` (0 to 1), channel by channel.
QColor mix(const QColor &from, const QColor &to, double t);

// Contrast ratio of two colours (1 to 21), as accessibility guidelines measure it.
double contrast(const QColor &a, const QColor &b);

// The text colour for a face: `preferred` where it reaches 4.5:1, otherwise
// black or white, whichever contrasts more.
QColor readableOn(const QColor &face, const QColor &preferred = QColor());

// A disabled caption's colour on `face`: `current` where it reaches 4:1,
// else the readable colour moved towards the face as far as it does, so it
// still looks dimmed while its antialiased strokes keep 3:1 on the screen.
QColor dimmedOn(const QColor &face, const QColor &current);

// The outline of a key, field, radio button or check box: `ink` moved
// towards `outside` as far as it stays at 3:1 against both `outside` and
// `inside`; where no mix does, black or white, whichever stays at 3:1
// against `outside` and contrasts more with `inside`.
QColor edgeOn(const QColor &outside, const QColor &inside, const QColor &ink);

// The focus mark on `face`: `preferred` (the highlight) where it reaches 3:1,
// else the same hue made darker or lighter until it does; against `inside`
// as well where given (a mark two lines wide, the inner one on another face).
QColor focusOn(const QColor &face, const QColor &preferred, const QColor &inside = QColor());

// Gives the widget's text readable colours on its face: 4.5:1 while
// enabled; while disabled a dimmer colour of 4:1, whose antialiased strokes
// keep at least 3:1 on the screen.
void fitText(QWidget *widget);

// After a change of the desktop palette: the described colours of `root`
// and its children taken afresh, everything else from the new palette.
void followPalette(QWidget *root);

}  // namespace colors
