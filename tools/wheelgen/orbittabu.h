#pragma once

#include "design.h"
#include "pointgroup.h"
#include "subsets.h"

#include <cstdint>
#include <vector>

// How many orbits of blocks of one size a design takes.
struct OrbitCount {
    int size;
    int count;
};

// Tabu search over designs made of whole orbits of a point group: it holds a fixed number of
// orbits of each size and exchanges one held orbit for another of the same size, the exchange
// that leaves the least weight of orbits of c-subsets unmet. Each unmet orbit gains weight at
// every step, so the search leaves the states it keeps returning to. Where the annealing over
// orbits stalls a few orbits short, this finishes.
class OrbitTabu {
public:
    OrbitTabu(const Requirement &requirement, const PointGroup &group, std::uint64_t seed);

    // Searches until every c-subset is met or for at most `steps` steps; returns the best state
    // it reached, every block of its held orbits (the first such state, so a longer search from
    // the same seed finds the same or a better one), or an empty design when the group has too
    // few orbits of a wanted size.
    Design search(const std::vector<OrbitCount> &orbits, std::uint64_t steps, int tenure);
    // Orbits of c-subsets that the best state of the last search leaves unmet.
    std::size_t uncoveredOrbits() const { return m_bestUncovered; }

private:
    Requirement m_r;
    std::uint64_t m_seed;
    std::vector<std::vector<int>> m_generators;
    std::size_t m_bestUncovered = 0;
};
