#pragma once

#include "design.h"

#include <bit>
#include <cstdint>

// Every point of 0..v-1 (v <= 64).
Block allPoints(int v);

// Calls f(base | chosen) for every `count`-subset `chosen` of `pool`.
template <typename F>
void forCombinations(Block pool, Block base, int count, const F &f)
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
