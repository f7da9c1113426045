#pragma once

#include "core/key.h"

#include <QRect>
#include <QSize>
#include <QString>

#include <functional>

class QLineEdit;
class QMainWindow;
class QPushButton;
class QWidget;

// The parts the three calculator windows are built of.
namespace windowparts {

// The window's fixed client area (the menu bar comes on top of it).
QWidget *makeClientArea(QMainWindow *window, QSize size);

// A key: focused by Tab only, so after a click the display keeps the
// keyboard; its disabled caption stays legible on its face.
QPushButton *makeKey(QWidget *parent, const QString &caption, const QString &name, QRect geometry);

// The display `Text1`: its change handler runs on every change, typed or set
// by code; Enter and the keypad operators go to `keyDown` (displayfield.h).
QLineEdit *makeDisplay(QWidget *parent, QRect geometry, std::function<void()> change,
                       std::function<void(core::DisplayKey)> keyDown);

}  // namespace windowparts
