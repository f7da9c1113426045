#pragma once

class QWidget;

// Puts a top-level window, frame included, in the middle of its screen.
void centreOnScreen(QWidget *window);
