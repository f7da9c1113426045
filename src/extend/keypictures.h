#pragma once

#include <QIcon>

class QWidget;

// The pictures of the power and root keys, drawn in the key's text colour.
namespace keypictures {

QIcon power(const QWidget *key);  // x to the n-th: "xⁿ"
QIcon root(const QWidget *key);   // n-th root of x: "ⁿ√x"

// The size to show them at, in device-independent pixels: larger with a
// larger desktop font, as the captions are.
QSize size();

}  // namespace keypictures
