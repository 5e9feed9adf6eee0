#pragma once

#include "design.h"

#include <algorithm>
#include <bit>
#include <cstdint>

// Every point of 0..v-1 (v <= 64).
Block allPoints(int v);

// Calls f(base | chosen) for every `count`-subset `chosen` of `pool`.
template <typename F> void forCombinations(Block pool, Block base, int count, const F &f)
{
    if (count == 0) {
        f(base);
        return;
    }
    while (std::popcount(pool) >= count) {
        const Block lowest = pool & (~pool + 1);
        pool &= pool - 1;
        forCombinations(pool, base | lowest, count - 1, f);
    }
}

// Calls f(subset) for every `r.c`-subset of the points 0..r.v-1 that shares at least `r.g` points
// with `block`, by the number shared, then as forCombinations makes them.
template <typename F> void forSubsetsMeeting(Block block, const Requirement &r, const F &f)
{
    for (int met = r.g; met <= std::min(std::popcount(block), r.c); ++met) {
        forCombinations(block, 0, met, [&](Block in) {
            forCombinations(allPoints(r.v) & ~block, in, r.c - met, f);
        });
    }
}

// Colex ranks of sets of up to 6 points among at most 64: the sets of one size, in increasing
// order of their masks, are ranked 0, 1, 2, ...
class SubsetRanks {
public:
    SubsetRanks();
    std::uint32_t rank(Block set) const;
    // The set of `size` points with this rank.
    Block unrank(std::uint32_t rank, int size) const;

private:
    std::uint64_t m_binomial[65][7] = {};
};
