#pragma once

#include "design.h"

#include <cstdint>
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

private:
    std::uint64_t m_s[4];
};

// Simulated annealing over a fixed number of blocks, after Nurmela and Östergård: the cost is
// the number of c-subsets that meet no block in g points; a move exchanges one point of one
// block so that a chosen uncovered c-subset becomes covered. Per g-subset the annealer keeps how
// many blocks contain it and per c-subset how many of its g-subsets are contained in a block,
// so that a move touches only the counters it flips.
class Annealer {
public:
    Annealer(const Requirement &requirement, std::uint64_t seed);

    // Replaces the current blocks.
    void load(const std::vector<Block> &blocks);
    const std::vector<Block> &blocks() const { return m_blocks; }
    // c-subsets currently met by no block in g points.
    std::size_t cost() const { return m_uncovered.size(); }

    // Anneals until the cost is 0 or `moves` moves were tried; returns whether the cost is 0.
    bool anneal(std::uint64_t moves);

    // Removes the block whose loss uncovers the fewest c-subsets (the first such block).
    void dropWeakestBlock();

    // Starting from a design of cost 0, removes one block and anneals again, as long as the
    // count stays above `goal`, each level succeeds within `movesPerLevel` moves and all levels
    // together stay within `totalMoves`. The last design of cost 0 is kept.
    void reduce(std::size_t goal, std::uint64_t movesPerLevel, std::uint64_t totalMoves);

    // Moves tried since the annealer was made.
    std::uint64_t movesTried() const { return m_moves; }

private:
    void addBlock(Block block);
    void removeBlock(Block block);
    void addSubset(Block subset);
    void removeSubset(Block subset);
    void coverDraw(std::uint32_t draw);
    void uncoverDraw(std::uint32_t draw);
    std::uint32_t rankOf(Block set) const;
    Block unrankDraw(std::uint32_t rank) const;
    void moveBlock(std::size_t index, int out, int in);
    std::int64_t moveDelta(std::size_t index, int out, int in);

    Requirement m_r;
    Random m_random;
    std::uint64_t m_binomial[65][7] = {};
    std::vector<Block> m_blocks;
    std::uint64_t m_moves = 0;
    std::vector<std::uint64_t> m_tabuUntil;
    std::vector<std::uint32_t> m_weight;        // by colex rank of the c-subset
    std::int64_t m_weightedCost = 0;
    std::vector<std::uint16_t> m_blocksPerSubset;  // by colex rank of the g-subset
    std::vector<std::uint8_t> m_metSubsetsPerDraw; // by colex rank of the c-subset (c > g)
    std::vector<std::uint32_t> m_uncovered;
    std::vector<std::int32_t> m_uncoveredIndex;    // -1 when the draw is covered
};
