#pragma once

#include <QString>

class QWidget;

// How the driver names what it did and what it found.
namespace describe {

// In quotes, control characters as \xNN, cut after `maxLength` characters.
QString quoted(const QString &text, int maxLength = 60);

// "window.control", as the controls are named.
QString nameOf(const QWidget *widget);

// The suffix the menu items of a calculator window are named with: none,
// "2" or "3".
QString menuSuffix(const QWidget *window);

}  // namespace describe
