#pragma once

class Application;

// Sets the key tips of the three calculator windows, or removes them, window
// by window: `stand`, then `extend`, then `infos`; a window not loaded yet is
// loaded hidden.
void applyTips(Application &app, bool on);
