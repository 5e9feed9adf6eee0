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

    // Searches for `orbits` orbits of `size` blocks each that meet the requirement, by
    // row-weighting local search at that count (after Gao, Weise and Li): a step drops the held
    // orbit that costs least and adds, for a random unmet orbit of c-subsets, the orbit meeting it
    // that gains most, where each unmet orbit of c-subsets gains weight at every step; an orbit
    // may only come back once an orbit sharing an orbit of c-subsets with it has moved. With one
    // size of orbit and a fixed count this reaches counts that `solve` does not. Meant for
    // coverings, where an orbit meets few orbits of c-subsets: a step touches every orbit that
    // shares one with the orbits it moves. Returns the design, or an empty design when `steps`
    // steps do not find one.
    Design solveAtCount(std::uint32_t size, std::size_t orbits, std::uint64_t steps,
                        std::uint64_t seed) const;

private:
    Requirement m_r;
    std::vector<std::vector<int>> m_generators;
    std::vector<Block> m_reps;                         // one block per orbit of blocks
    std::vector<std::uint32_t> m_weight;               // size of that orbit
    std::vector<std::vector<std::uint32_t>> m_covers;  // orbit of blocks -> orbits of c-subsets
    std::vector<std::vector<std::uint32_t>> m_coveredBy;
};
