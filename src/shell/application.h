#pragma once

#include "shared/module1.h"

#include <memory>

class StandWindow;

// Owns the shared state and the windows; a window is built the first time it
// is named.
class Application {
public:
    Application();
    ~Application();
    Application(const Application &) = delete;
    Application &operator=(const Application &) = delete;

    Module1 &state() { return state_; }

    StandWindow &stand();

    // Start-up: show `stand`.
    void start();

private:
    Module1 state_;
    std::unique_ptr<StandWindow> stand_;
};
