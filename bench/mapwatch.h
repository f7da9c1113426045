#pragma once

struct xcb_connection_t;

// Watches the X server for top-level windows being mapped, to time a program
// from outside, without any code of ours inside it. Without a window manager
// (as under Xvfb) a program's top-level windows are children of the root.
class MapWatch {
public:
    MapWatch();
    ~MapWatch();
    MapWatch(const MapWatch &) = delete;
    MapWatch &operator=(const MapWatch &) = delete;

    bool connected() const { return connection_ != nullptr; }

    // Forgets the notifications received so far.
    void drain();

    // CLOCK_MONOTONIC in ns when the next top-level window was mapped (as we
    // received the notification), or -1 after `timeoutMs`.
    long long waitForMap(int timeoutMs);

private:
    xcb_connection_t *connection_ = nullptr;
};
