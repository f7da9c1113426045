#pragma once

#include "shell/view.h"

#include <functional>

class QMainWindow;

// What the menu items ask for; the shell answers.
struct MenuActions {
    std::function<void(View from, View to)> switchView;
    std::function<void()> options;
    std::function<void()> helpContents;
    std::function<void()> helpSearch;
    std::function<void(QMainWindow *owner)> about;
    std::function<void()> quit;
};

// The Nézet and Súgó menus of a calculator window. Items are named after the
// window: no suffix in `stand`, "2" in `extend`, "3" in `infos` ("bovit2",
// "tart3"); the settings item is "option" everywhere.
void attachMenus(QMainWindow *window, View view, const MenuActions &actions);
