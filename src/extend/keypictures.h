#pragma once

#include <QIcon>

class QWidget;

// The pictures of the power and root keys, drawn in the key's text colour.
namespace keypictures {

QIcon power(const QWidget *key);  // x to the n-th: "xⁿ"
QIcon root(const QWidget *key);   // n-th root of x: "ⁿ√x"

// The size the pictures are drawn at, in device-independent pixels.
QSize size();

}  // namespace keypictures
