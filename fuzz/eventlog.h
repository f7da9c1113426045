#pragma once

#include <QString>

#include <cstdint>

// The recent events, kept so a failure or a crash can tell what led to it.
// Each entry is copied into a fixed buffer: the crash report reads them from
// a signal handler or the sanitizer's death callback, where nothing may be
// allocated.
namespace eventlog {

void setSeed(std::uint64_t seed);

// Starts event `number`; `what` says what the driver does.
void record(std::int64_t number, const QString &what);

std::int64_t lastNumber();

// Writes the seed, the last event number and the recent events to stderr.
void report(const char *headline);

// Reports before the process dies: fatal signals, and the sanitizers' own
// reports when built with them.
void installCrashReport();

}  // namespace eventlog
