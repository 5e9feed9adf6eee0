#pragma once

#include "design.h"
#include "subsets.h"

#include <cstdint>
#include <functional>
#include <vector>

// Deterministic pseudo-random numbers (xoshiro256**), the same on every platform.
class Random {
public:
    explicit Random(std::uint64_t seed);
    std::uint64_t next();
    // Uniform in 0..bound-1; bound > 0.
    std::uint32_t below(std::uint32_t bound);
    // Uniform in [0, 1).
    double unit();
    // A uniformly chosen point of a non-empty set.
    int pointOf(Block set);

private:
    std::uint64_t m_s[4];
};

// Temperature of simulated annealing: it starts at `start` and is multiplied by `cooling` after
// every `stepsPerTemperature` steps.
struct Annealing {
    double start;
    double cooling;
    std::uint64_t stepsPerTemperature;
};

// Tabu search over a fixed number of blocks. The cost is the number of c-subsets that meet no
// block in g points. A step takes a random uncovered c-subset and makes the best of the moves
// that cover it, even when it costs more, each move exchanging one point of one block (the
// neighbourhood of Nurmela and Östergård); a point taken out of a block may not return to it
// for a few steps, so the search does not fall back into the minimum it just left. Per g-subset
// the search keeps how many blocks contain it and per c-subset how many of its g-subsets are
// contained in a block, so a move touches only the counters it flips. Everything is
// deterministic for a given seed.
class CoverSearch {
public:
    CoverSearch(const Requirement &requirement, std::uint64_t seed);

    // Only the c-subsets marked in `required`, by colex rank, must be covered and the others
    // count as covered. Takes effect at the next load.
    void requireOnly(std::vector<bool> required) { m_required = std::move(required); }

    // Replaces the current blocks.
    void load(const std::vector<Block> &blocks);
    const std::vector<Block> &blocks() const { return m_blocks; }
    const Requirement &requirement() const { return m_r; }
    // c-subsets currently met by no block in g points.
    std::size_t uncovered() const { return m_uncovered.size(); }
    // Steps made since the search was created.
    std::uint64_t stepsMade() const { return m_steps; }

    // Weighs at most `moves` of a step's moves, a random sample; 0 restores the default: every
    // move, or 12 for lotteries where a move touches many c-subsets.
    void weighAtMost(std::size_t moves) { m_movesWeighed = moves; }

    // Where a draw has one point more than the subsets it must meet (c = g + 1), weighs a move
    // by counting the draws it flips instead of making and unmaking it: several times faster.
    // The list of uncovered draws then keeps its order while moves are weighed, so the search
    // takes another path than with the default weighing for the same seed; other requirements
    // keep the default weighing.
    void weighQuickly(bool quickly);

    // Change of the number of uncovered c-subsets if point `out` of block `index` became `in`.
    std::int64_t moveDelta(std::size_t index, int out, int in);

    // `count` random blocks of k points.
    std::vector<Block> randomBlocks(std::size_t count);

    // Moves points that no block holds into blocks, one at a time, where the move uncovers
    // nothing; returns whether every point is then in some block.
    bool useEveryPoint();

    // Searches until every c-subset is covered or `steps` steps were made; returns whether
    // every c-subset is covered.
    bool search(std::uint64_t steps);

    // Simulated annealing at the same fixed count (after Nurmela and Östergård): a step takes a
    // random uncovered c-subset and a random block closest to it, and puts one of the subset's
    // points into the block in place of one of the block's other points. A move that uncovers
    // d more c-subsets is kept with probability e^(-d/T): where every move costs a little, the
    // search still crosses to other designs, which the tabu search, always making the best move,
    // does not. Stops when every c-subset is covered or after `steps` steps; returns whether
    // every c-subset is covered.
    bool anneal(const Annealing &schedule, std::uint64_t steps);

    // From a design that covers everything: removes the block whose loss uncovers the fewest
    // c-subsets and searches again, while the count is above `goal`, each count is reached
    // within `stepsPerLevel` steps and all levels together stay within `totalSteps`.
    // Keeps the last design that covers everything. `reached` is told every lower count reached.
    void reduce(std::size_t goal, std::uint64_t stepsPerLevel, std::uint64_t totalSteps,
                const std::function<void(const std::vector<Block> &)> &reached = {});

    // From a design that covers everything: takes out two random blocks, puts in one random
    // block and searches for at most `steps` steps. Keeps the design one block smaller when that
    // covers everything, else returns to the design it started from; returns which it kept. The
    // search repairs a nearby design where lowering by the weakest block stalls.
    bool tradeTwoForOne(std::uint64_t steps);

private:
    void addBlock(Block block);
    void removeBlock(Block block);
    void addSubset(Block subset);
    void removeSubset(Block subset);
    void coverDraw(std::uint32_t draw);
    void uncoverDraw(std::uint32_t draw);
    void moveBlock(std::size_t index, int out, int in);
    std::int64_t quickLotteryDelta(std::size_t index, int out, int in);
    std::int64_t listedLotteryDelta(std::size_t index, int out, int in);
    void listDraws();
    template <typename F> void forDrawsHolding(Block subset, std::uint32_t rank, const F &f);
    void dropWeakestBlock();
    // Fills m_closest with the indexes of the blocks sharing the most points with `draw`.
    void closestTo(Block draw);
    bool required(std::uint32_t rank) const { return m_required.empty() || m_required[rank]; }

    Requirement m_r;
    Random m_random;
    SubsetRanks m_ranks;
    std::vector<Block> m_blocks;
    std::uint64_t m_steps = 0;
    std::size_t m_movesWeighed = 0;
    bool m_quickly = false;
    // For quick weighing: by g-subset rank * v + point outside it, the rank of the draw made of
    // the two.
    std::vector<std::uint32_t> m_drawWithPoint;
    // Where they fit in memory, the ranks of the c-subsets that hold each g-subset (c > g), by
    // g-subset rank * drawsPerSubset, in the order forCombinations makes them: listed once, so
    // a change of a g-subset does not enumerate and rank them again.
    std::vector<std::uint32_t> m_drawsOfSubset;
    std::uint32_t m_drawsPerSubset = 0;
    // For weighing a move from the lists: per draw, the change of its count of met subsets.
    std::vector<std::int8_t> m_metChange;
    std::vector<std::uint32_t> m_changed;
    std::vector<std::size_t> m_closest;
    std::vector<std::uint16_t> m_blocksPerSubset;   // by colex rank of the g-subset
    std::vector<std::uint8_t> m_metSubsetsPerDraw;  // by colex rank of the c-subset (c > g)
    std::vector<bool> m_required;                   // by colex rank of the c-subset; empty: all
    std::vector<std::uint64_t> m_tabuUntil;         // by block * 64 + point: step it may return
    std::vector<std::uint32_t> m_uncovered;
    std::vector<std::int32_t> m_uncoveredIndex;  // -1 when the c-subset is covered
};
