#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

// Ends a run that hangs: a thread of its own sees the event number stand
// still for longer than the limit, writes the event trail and aborts.
class Watchdog {
public:
    explicit Watchdog(int seconds);
    ~Watchdog();
    Watchdog(const Watchdog &) = delete;
    Watchdog &operator=(const Watchdog &) = delete;

    // The driver starts event `number`.
    void beat(std::int64_t number) { current_.store(number, std::memory_order_relaxed); }

private:
    void watch();

    const int seconds_;
    std::atomic<std::int64_t> current_{0};
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stopping_ = false;
    std::thread thread_;
};
