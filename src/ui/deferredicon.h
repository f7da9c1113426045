#pragma once

#include <QIcon>
#include <QStyle>

// One of a style's own icons, made the first time it is drawn. Qt reads its
// pictures with a reader that loads every image plugin (and the SVG library)
// to ask which reads PNG; the menu bar's overflow button, shown only when the
// menus do not fit, would put that on every start.
QIcon deferredStandardIcon(QStyle *style, QStyle::StandardPixmap which);
