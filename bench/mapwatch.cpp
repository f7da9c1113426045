#include "mapwatch.h"

#include "launch.h"

#include <cstdio>
#include <cstdlib>

#include <poll.h>
#include <unistd.h>
#include <xcb/xcb.h>

MapWatch::MapWatch()
{
    int screenNumber = 0;
    xcb_connection_t *connection = nullptr;
    // A server that resets when its last client leaves refuses connections for a moment.
    for (int attempt = 0;; ++attempt) {
        connection = xcb_connect(nullptr, &screenNumber);
        const int error = xcb_connection_has_error(connection);
        if (!error)
            break;
        xcb_disconnect(connection);
        if (attempt == 4) {
            std::fprintf(stderr, "MapWatch: cannot connect to the X server (xcb error %d)\n", error);
            return;
        }
        usleep(200000);
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber && screens.rem; ++i)
        xcb_screen_next(&screens);
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, screens.data->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);
    connection_ = connection;
}

MapWatch::~MapWatch()
{
    if (connection_)
        xcb_disconnect(connection_);
}

void MapWatch::drain()
{
    while (xcb_generic_event_t *event = xcb_poll_for_event(connection_))
        std::free(event);
}

long long MapWatch::waitForMap(int timeoutMs)
{
    const long long deadline = launch::monotonicNs() + static_cast<long long>(timeoutMs) * 1000000LL;
    for (;;) {
        while (xcb_generic_event_t *event = xcb_poll_for_event(connection_)) {
            const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY &&
                                !reinterpret_cast<xcb_map_notify_event_t *>(event)->override_redirect;
            std::free(event);
            if (mapped)
                return launch::monotonicNs();
        }
        const long long left = (deadline - launch::monotonicNs()) / 1000000LL;
        if (left <= 0 || xcb_connection_has_error(connection_))
            return -1;
        pollfd fd{xcb_get_file_descriptor(connection_), POLLIN, 0};
        poll(&fd, 1, static_cast<int>(left));
    }
}
