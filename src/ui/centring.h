#pragma once

class QWidget;

// Whether the platform, not the application, decides where windows go.
bool platformPlacesWindows();

// Puts a top-level window, frame included, in the middle of its screen;
// leaves it where it is on a platform that places windows itself.
void centreOnScreen(QWidget *window);
