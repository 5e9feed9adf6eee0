#pragma once

#include "coversearch.h"
#include "design.h"
#include "pointgroup.h"
#include "subsets.h"

#include <cstdint>
#include <vector>

// Simulated annealing over designs that a point group maps onto themselves: the design is a
// fixed number of orbits of blocks, each held by one of its blocks. One block of an orbit meets a
// c-subset in g points exactly when the orbit meets every c-subset of that subset's orbit, so the
// cost is the number of orbits of c-subsets that no held block meets. A step takes a random
// uncovered orbit and, among all images of the held blocks, one closest to the orbit's first
// c-subset, and puts one of the subset's points into that image in place of another (the move of
// the annealing over single blocks); the held block changes with its image. With far fewer
// choices than single blocks, and each design keeping the symmetry, it reaches counts where the
// annealing over single blocks stalls.
class OrbitAnnealing {
public:
    OrbitAnnealing(const Requirement &requirement, const PointGroup &group, std::uint64_t seed);

    std::size_t subsetOrbits() const { return m_first.size(); }

    // Anneals `orbits` orbits of random blocks until every c-subset is met or after `steps`
    // steps; returns the design, every block of the orbits once, or an empty design when some
    // c-subset is left unmet.
    Design anneal(std::size_t orbits, const Annealing &schedule, std::uint64_t steps);
    // Orbits of c-subsets that the last annealing left unmet.
    std::size_t uncoveredOrbits() const { return m_uncovered.size(); }

private:
    void add(Block block);
    void remove(Block block);

    Requirement m_r;
    Random m_random;
    SubsetRanks m_ranks;
    std::vector<std::vector<int>> m_generators;
    std::vector<std::vector<int>> m_elements;
    std::vector<std::uint32_t> m_label;  // by colex rank of the c-subset: its orbit
    std::vector<Block> m_first;          // by orbit: its first c-subset
    std::vector<std::uint32_t> m_met;    // by orbit: pairs of held block and subset met
    std::vector<std::uint32_t> m_uncovered;
    std::vector<std::int32_t> m_uncoveredIndex;  // -1 when the orbit is met
};
