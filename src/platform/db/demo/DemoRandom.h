#pragma once
// A small deterministic random source for the demo data and the benchmark ledger:
// SplitMix64, the same sequence for the same seed on every platform and compiler
// (the standard library's distributions are not portable, so none is used).
#include <cstdint>
#include <vector>

namespace ksiega::db::demo {

class DemoRandom {
public:
    explicit DemoRandom(uint64_t seed) : m_state(seed) {}

    uint64_t next() {
        uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // A whole number in [lo, hi], both included.
    int64_t between(int64_t lo, int64_t hi) { return lo + int64_t(next() % uint64_t(hi - lo + 1)); }
    // True in `perMille` cases out of a thousand.
    bool chance(int perMille) { return int(next() % 1000) < perMille; }
    template <typename T> const T& pick(const std::vector<T>& items) { return items[size_t(next() % items.size())]; }

    // The value a fresh source seeded with `seed` and advanced `index` times would give
    // next: lets a generator derive row `index` without walking all rows before it.
    static uint64_t at(uint64_t seed, uint64_t index) { return DemoRandom(seed + index * 0x9E3779B97F4A7C15ULL).next(); }

private:
    uint64_t m_state;
};

} // namespace ksiega::db::demo
