#include "watchdog.h"

#include "eventlog.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

Watchdog::Watchdog(int seconds) : seconds_(seconds), thread_([this] { watch(); }) {}

Watchdog::~Watchdog()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

void Watchdog::watch()
{
    std::int64_t seen = current_.load();
    int still = 0;
    std::unique_lock<std::mutex> lock(mutex_);
    while (!wake_.wait_for(lock, std::chrono::seconds(1), [this] { return stopping_; })) {
        const std::int64_t now = current_.load(std::memory_order_relaxed);
        still = now == seen ? still + 1 : 0;
        seen = now;
        if (still < seconds_)
            continue;
        // The main thread is stuck; its last record is the event that hangs.
        std::fprintf(stderr, "\nzorvexa-eventdriver: event %lld has not ended after %d s\n",
                     static_cast<long long>(now), seconds_);
        eventlog::report("hang");
        std::fflush(stdout);
        std::_Exit(1);
    }
}
