#pragma once

class QWidget;

// Pure decoration (the lines between the key groups, the about box's rules)
// is left out of what assistive technology sees: its parent reports every
// child but these.
namespace decoration {

// Call before the parent is first shown.
void hide(QWidget *widget);

}  // namespace decoration
