#pragma once

#include <cstdint>

class StandWindow;

// The driver's memory figures and the bounds it holds them to.
namespace memory {

// Resident memory and the heap in use (0 where the allocator does not say,
// as under the sanitizers), in KiB.
long residentKiB();
long heapKiB();

// Growth past the first 100 000 events a long plain run may show.
constexpr long kRunBoundKiB = 3 * 1024;
constexpr std::int64_t kRunBaseline = 100000;
// Growth 10 000 colour-scheme changes may show.
constexpr int kSchemeChanges = 10000;
constexpr long kSchemeBoundKiB = 1024;

// Double-clicks `stand` (visible) `changes` times, painting after each, and
// returns the resident growth over them in KiB, after a warm-up.
long schemeChangeCost(StandWindow &stand, int changes);

// Whether the figures mean anything: the sanitizers keep freed memory
// quarantined, so their runs only report.
bool judged();

// Resident memory over a run: sampled as the events go, judged against the
// level reached after the first kRunBaseline events.
class RunMemory {
public:
    void sample(std::int64_t events);
    bool judgeable() const { return baseline_ >= 0; }
    bool over() const;
    // One line with the figures and the verdict.
    void print() const;

private:
    long start_ = -1;
    long baseline_ = -1;
    long peak_ = -1;
    long last_ = -1;
    std::int64_t peakAt_ = 0;
    std::int64_t lastAt_ = 0;
};

}  // namespace memory
