#pragma once

#include "shell/view.h"

class Application;
class QMainWindow;

// The Nézet and Súgó menus of a calculator window. Items are named after the
// window: no suffix in `stand`, "2" in `extend`, "3" in `infos` ("bovit2",
// "tart3"); the settings item is "option" everywhere.
void attachMenus(Application &app, QMainWindow *window, View view);
