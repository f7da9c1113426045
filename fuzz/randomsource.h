#pragma once

#include <cstddef>
#include <cstdint>

// A small deterministic generator (splitmix64): the same seed gives the same
// events on every machine and library version, so a printed seed replays.
class RandomSource {
public:
    explicit RandomSource(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // 0 .. n - 1; n > 0. The bias of the modulo is irrelevant here.
    int below(int n) { return int(next() % std::uint64_t(n)); }

    // lo .. hi, both included.
    int between(int lo, int hi) { return lo + below(hi - lo + 1); }

    bool oneIn(int n) { return below(n) == 0; }

    // True with the probability percent / 100.
    bool percent(int percent) { return below(100) < percent; }

    template <typename Container>
    auto &pick(Container &items)
    {
        return items[std::size_t(below(int(items.size())))];
    }

private:
    std::uint64_t state_;
};
