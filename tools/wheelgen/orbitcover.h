#pragma once

#include "design.h"
#include "pointgroup.h"

#include <cstdint>
#include <vector>

// A design that the group maps onto itself, found by choosing whole orbits of blocks: the
// c-subsets fall into far fewer orbits than there are c-subsets, so the choice is a small set
// cover (which orbits of blocks meet a representative of every orbit of c-subsets in g points),
// solved by local search with element weights. Each orbit of blocks counts its size.
class OrbitCover {
public:
    OrbitCover(const Requirement &requirement, const PointGroup &group);

    // Orbits of blocks and of c-subsets.
    std::size_t blockOrbits() const { return m_reps.size(); }
    std::size_t subsetOrbits() const { return m_coveredBy.size(); }

    // Searches for at most `steps` steps, stopping once the blocks number `goal` or fewer;
    // returns the smallest design found that meets the requirement (empty if none).
    Design solve(std::size_t goal, std::uint64_t steps, std::uint64_t seed);

private:
    Requirement m_r;
    std::vector<std::vector<int>> m_generators;
    std::vector<Block> m_reps;                         // one block per orbit of blocks
    std::vector<std::uint32_t> m_weight;               // size of that orbit
    std::vector<std::vector<std::uint32_t>> m_covers;  // orbit of blocks -> orbits of c-subsets
    std::vector<std::vector<std::uint32_t>> m_coveredBy;
};
