#include "coversearch.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cmath>
#include <cstdint>

namespace {

std::uint64_t rotl(std::uint64_t x, int k)
{
    return (x << k) | (x >> (64 - k));
}

// Moves weighed per step when a move must be made and unmade to be weighed.
constexpr std::size_t lotteryMovesWeighed = 12;

// Up to this many c-subsets per g-subset, weighing every move is cheap enough.
constexpr std::uint64_t cheapFlip = 100;

// Up to this many entries (a c-subset listed under each of its g-subsets) the lists are kept.
constexpr std::uint64_t drawListLimit = std::uint64_t{1} << 24;

// Steps for which a point taken out of a block stays out of it: this many and up to as many more.
constexpr std::uint32_t tabuTenure = 5;

}  // namespace

Random::Random(std::uint64_t seed)
{
    // splitmix64 spreads the seed over the state.
    for (std::uint64_t &s : m_s) {
        seed += 0x9e3779b97f4a7c15ULL;
        std::uint64_t z = seed;
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        s = z ^ (z >> 31);
    }
}

std::uint64_t Random::next()
{
    const std::uint64_t result = rotl(m_s[1] * 5, 7) * 9;
    const std::uint64_t t = m_s[1] << 17;
    m_s[2] ^= m_s[0];
    m_s[3] ^= m_s[1];
    m_s[1] ^= m_s[2];
    m_s[0] ^= m_s[3];
    m_s[2] ^= t;
    m_s[3] = rotl(m_s[3], 45);
    return result;
}

std::uint32_t Random::below(std::uint32_t bound)
{
    return static_cast<std::uint32_t>(((next() >> 32) * bound) >> 32);
}

double Random::unit()
{
    return static_cast<double>(next() >> 11) * 0x1.0p-53;
}

int Random::pointOf(Block set)
{
    for (auto skip = below(static_cast<std::uint32_t>(std::popcount(set))); skip > 0; --skip)
        set &= set - 1;
    return std::countr_zero(set);
}

CoverSearch::CoverSearch(const Requirement &requirement, std::uint64_t seed)
    : m_r(requirement), m_random(seed)
{
}

std::vector<Block> CoverSearch::randomBlocks(std::size_t count)
{
    std::vector<Block> blocks;
    for (std::size_t i = 0; i < count; ++i) {
        Block block = 0;
        while (std::popcount(block) < m_r.k)
            block |= Block{1} << m_random.below(static_cast<std::uint32_t>(m_r.v));
        blocks.push_back(block);
    }
    return blocks;
}

void CoverSearch::weighQuickly(bool quickly)
{
    m_quickly = quickly && m_r.c == m_r.g + 1;
    if (!m_quickly || !m_drawWithPoint.empty())
        return;
    const auto v = static_cast<std::uint32_t>(m_r.v);
    m_drawWithPoint.assign(binomial(m_r.v, m_r.g) * v, 0);
    forCombinations(allPoints(m_r.v), 0, m_r.g, [&](Block subset) {
        const std::uint32_t base = m_ranks.rank(subset) * v;
        for (const int z : pointsOf(allPoints(m_r.v) & ~subset))
            m_drawWithPoint[base + static_cast<std::uint32_t>(z)] =
                m_ranks.rank(subset | Block{1} << z);
    });
}

void CoverSearch::listDraws()
{
    const std::uint64_t perSubset = binomial(m_r.v - m_r.g, m_r.c - m_r.g);
    if (m_r.c == m_r.g || !m_drawsOfSubset.empty() ||
        binomial(m_r.v, m_r.g) * perSubset > drawListLimit)
        return;
    m_drawsPerSubset = static_cast<std::uint32_t>(perSubset);
    m_drawsOfSubset.resize(binomial(m_r.v, m_r.g) * perSubset);
    forCombinations(allPoints(m_r.v), 0, m_r.g, [&](Block subset) {
        std::uint32_t *listed = &m_drawsOfSubset[m_ranks.rank(subset) * perSubset];
        forCombinations(allPoints(m_r.v) & ~subset, subset, m_r.c - m_r.g,
                        [&](Block draw) { *listed++ = m_ranks.rank(draw); });
    });
    m_metChange.assign(binomial(m_r.v, m_r.c), 0);
}

template <typename F>
void CoverSearch::forDrawsHolding(Block subset, std::uint32_t rank, const F &f)
{
    if (!m_drawsOfSubset.empty()) {
        const std::uint32_t *listed = &m_drawsOfSubset[std::size_t{rank} * m_drawsPerSubset];
        for (std::uint32_t i = 0; i < m_drawsPerSubset; ++i)
            f(listed[i]);
        return;
    }
    forCombinations(allPoints(m_r.v) & ~subset, subset, m_r.c - m_r.g,
                    [&](Block draw) { f(m_ranks.rank(draw)); });
}

void CoverSearch::load(const std::vector<Block> &blocks)
{
    listDraws();
    const std::uint64_t draws = binomial(m_r.v, m_r.c);
    m_blocksPerSubset.assign(binomial(m_r.v, m_r.g), 0);
    if (m_r.c > m_r.g)
        m_metSubsetsPerDraw.assign(draws, 0);
    m_uncovered.clear();
    m_uncoveredIndex.assign(draws, -1);
    for (std::uint32_t d = 0; d < draws; ++d) {
        if (required(d))
            uncoverDraw(d);
    }
    m_blocks.clear();
    for (const Block block : blocks) {
        addBlock(block);
        m_blocks.push_back(block);
    }
}

void CoverSearch::coverDraw(std::uint32_t draw)
{
    const std::int32_t at = m_uncoveredIndex[draw];
    const std::uint32_t last = m_uncovered.back();
    m_uncovered[static_cast<std::size_t>(at)] = last;
    m_uncoveredIndex[last] = at;
    m_uncovered.pop_back();
    m_uncoveredIndex[draw] = -1;
}

void CoverSearch::uncoverDraw(std::uint32_t draw)
{
    m_uncoveredIndex[draw] = static_cast<std::int32_t>(m_uncovered.size());
    m_uncovered.push_back(draw);
}

void CoverSearch::addSubset(Block subset)
{
    const std::uint32_t rank = m_ranks.rank(subset);
    if (m_blocksPerSubset[rank]++ != 0)
        return;
    if (m_r.c == m_r.g) {
        if (required(rank))
            coverDraw(rank);
        return;
    }
    forDrawsHolding(subset, rank, [this](std::uint32_t d) {
        if (m_metSubsetsPerDraw[d]++ == 0 && required(d))
            coverDraw(d);
    });
}

void CoverSearch::removeSubset(Block subset)
{
    const std::uint32_t rank = m_ranks.rank(subset);
    if (--m_blocksPerSubset[rank] != 0)
        return;
    if (m_r.c == m_r.g) {
        if (required(rank))
            uncoverDraw(rank);
        return;
    }
    forDrawsHolding(subset, rank, [this](std::uint32_t d) {
        if (--m_metSubsetsPerDraw[d] == 0 && required(d))
            uncoverDraw(d);
    });
}

void CoverSearch::addBlock(Block block)
{
    forCombinations(block, 0, m_r.g, [this](Block s) { addSubset(s); });
}

void CoverSearch::removeBlock(Block block)
{
    forCombinations(block, 0, m_r.g, [this](Block s) { removeSubset(s); });
}

void CoverSearch::moveBlock(std::size_t index, int out, int in)
{
    const Block old = m_blocks[index];
    const Block inBit = Block{1} << in;
    const Block outBit = Block{1} << out;
    const Block moved = (old & ~outBit) | inBit;
    // Gains first, so that draws held by both the old and the new block never flicker.
    forCombinations(moved & ~inBit, inBit, m_r.g - 1, [this](Block s) { addSubset(s); });
    forCombinations(old & ~outBit, outBit, m_r.g - 1, [this](Block s) { removeSubset(s); });
    m_blocks[index] = moved;
}

std::int64_t CoverSearch::moveDelta(std::size_t index, int out, int in)
{
    const Block old = m_blocks[index];
    const Block inBit = Block{1} << in;
    const Block outBit = Block{1} << out;
    if (m_r.c == m_r.g) {
        // A g-subset with the new point is gained when no block holds it; one with the old
        // point is lost when this block alone holds it.
        std::int64_t delta = 0;
        const Block moved = (old & ~outBit) | inBit;
        forCombinations(moved & ~inBit, inBit, m_r.g - 1, [&](Block s) {
            const std::uint32_t r = m_ranks.rank(s);
            if (m_blocksPerSubset[r] == 0 && required(r))
                --delta;
        });
        forCombinations(old & ~outBit, outBit, m_r.g - 1, [&](Block s) {
            const std::uint32_t r = m_ranks.rank(s);
            if (m_blocksPerSubset[r] == 1 && required(r))
                ++delta;
        });
        return delta;
    }
    if (m_quickly)
        return quickLotteryDelta(index, out, in);
    const auto before = static_cast<std::int64_t>(m_uncovered.size());
    moveBlock(index, out, in);
    const std::int64_t delta = static_cast<std::int64_t>(m_uncovered.size()) - before;
    moveBlock(index, in, out);
    return delta;
}

std::int64_t CoverSearch::quickLotteryDelta(std::size_t index, int out, int in)
{
    // The move loses the g-subsets {out} + S and gains {in} + S, S among the block's other
    // points. A draw made of a lost subset and a point z outside the block and other than `in`
    // holds no other lost or gained subset, so it becomes uncovered when that subset, held by
    // this block alone, was the only one it met. Likewise a draw made of a gained subset and
    // such a z is covered by the move when it met none. Every other draw holding a lost or a
    // gained subset keeps a subset of the block, with or without the move.
    const Block old = m_blocks[index];
    const Block inBit = Block{1} << in;
    const Block outBit = Block{1} << out;
    const Block outside = allPoints(m_r.v) & ~(old | inBit);
    // Draws whose count of met subsets is `met` among those made of `subset` and one point z.
    const auto drawsMeeting = [&](std::uint32_t subset, std::uint8_t met) {
        const std::uint32_t *withPoint =
            &m_drawWithPoint[subset * static_cast<std::uint32_t>(m_r.v)];
        std::int64_t found = 0;
        for (Block z = outside; z != 0; z &= z - 1) {
            const std::uint32_t d = withPoint[std::countr_zero(z)];
            found += m_metSubsetsPerDraw[d] == met && required(d);
        }
        return found;
    };
    std::int64_t delta = 0;
    forCombinations(old & ~outBit, 0, m_r.g - 1, [&](Block s) {
        const std::uint32_t lost = m_ranks.rank(s | outBit);
        if (m_blocksPerSubset[lost] == 1)
            delta += drawsMeeting(lost, 1);
        const std::uint32_t gained = m_ranks.rank(s | inBit);
        if (m_blocksPerSubset[gained] == 0)
            delta -= drawsMeeting(gained, 0);
    });
    return delta;
}

std::int64_t CoverSearch::listedLotteryDelta(std::size_t index, int out, int in)
{
    // The move loses the g-subsets with `out` that this block alone holds and gains those with
    // `in` that no block holds; a draw flips when its count of met subsets goes to or from 0.
    const Block old = m_blocks[index];
    const Block inBit = Block{1} << in;
    const Block outBit = Block{1} << out;
    const auto note = [this](std::uint32_t subset, std::int8_t change) {
        const std::uint32_t *listed = &m_drawsOfSubset[std::size_t{subset} * m_drawsPerSubset];
        for (std::uint32_t i = 0; i < m_drawsPerSubset; ++i) {
            const std::uint32_t d = listed[i];
            if (m_metChange[d] == 0)
                m_changed.push_back(d);
            m_metChange[d] = static_cast<std::int8_t>(m_metChange[d] + change);
        }
    };
    m_changed.clear();
    forCombinations(old & ~outBit, outBit, m_r.g - 1, [&](Block s) {
        const std::uint32_t r = m_ranks.rank(s);
        if (m_blocksPerSubset[r] == 1)
            note(r, -1);
    });
    forCombinations(old & ~outBit, inBit, m_r.g - 1, [&](Block s) {
        const std::uint32_t r = m_ranks.rank(s);
        if (m_blocksPerSubset[r] == 0)
            note(r, 1);
    });
    // A draw listed twice (its change back at 0 and then moved again) is counted once.
    std::int64_t delta = 0;
    for (const std::uint32_t d : m_changed) {
        if (m_metChange[d] == INT8_MIN)
            continue;
        const int met = m_metSubsetsPerDraw[d];
        if (required(d))
            delta += (met > 0) - (met + m_metChange[d] > 0);
        m_metChange[d] = INT8_MIN;
    }
    for (const std::uint32_t d : m_changed)
        m_metChange[d] = 0;
    return delta;
}

void CoverSearch::closestTo(Block draw)
{
    int closest = 0;
    m_closest.clear();
    for (std::size_t i = 0; i < m_blocks.size(); ++i) {
        const int common = std::popcount(m_blocks[i] & draw);
        if (common < closest)
            continue;
        if (common > closest)
            m_closest.clear();
        closest = common;
        m_closest.push_back(i);
    }
}

bool CoverSearch::search(std::uint64_t steps)
{
    struct Move {
        std::size_t index;
        int out;
        int in;
    };
    std::vector<Move> moves;
    std::vector<Move> bestMoves;
    if (m_blocks.empty())
        return m_uncovered.empty();
    m_tabuUntil.assign(m_blocks.size() * 64, 0);
    for (std::uint64_t step = 0; step < steps && !m_uncovered.empty(); ++step) {
        ++m_steps;
        const Block draw = m_ranks.unrank(
            m_uncovered[m_random.below(static_cast<std::uint32_t>(m_uncovered.size()))], m_r.c);
        // The blocks closest to the draw (g-1 common points at best) get one of its points.
        closestTo(draw);
        moves.clear();
        for (const std::size_t i : m_closest) {
            const Block block = m_blocks[i];
            for (const int out : pointsOf(block & ~draw)) {
                for (const int in : pointsOf(draw & ~block))
                    moves.push_back({i, out, in});
            }
        }
        // A lottery move is weighed by making and unmaking it: when that touches many c-subsets
        // only a sample is weighed.
        std::size_t weighed = moves.size();
        const std::size_t sample =
            m_movesWeighed > 0 ? m_movesWeighed
            : m_r.c > m_r.g && binomial(m_r.v - m_r.g, m_r.c - m_r.g) > cheapFlip
                ? lotteryMovesWeighed
                : SIZE_MAX;
        if (weighed > sample) {
            for (std::size_t j = 0; j < sample; ++j) {
                const std::size_t pick =
                    j + m_random.below(static_cast<std::uint32_t>(moves.size() - j));
                std::swap(moves[j], moves[pick]);
            }
            weighed = sample;
        }
        bestMoves.clear();
        std::int64_t bestDelta = INT64_MAX;
        for (std::size_t j = 0; j < weighed; ++j) {
            if (m_tabuUntil[moves[j].index * 64 + static_cast<std::size_t>(moves[j].in)] > m_steps)
                continue;
            const std::int64_t delta = moveDelta(moves[j].index, moves[j].out, moves[j].in);
            if (delta < bestDelta) {
                bestDelta = delta;
                bestMoves.clear();
            }
            if (delta == bestDelta)
                bestMoves.push_back(moves[j]);
        }
        if (bestMoves.empty())
            continue;
        const Move chosen = bestMoves[m_random.below(static_cast<std::uint32_t>(bestMoves.size()))];
        moveBlock(chosen.index, chosen.out, chosen.in);
        // The point taken out may not come back into this block for a few steps.
        m_tabuUntil[chosen.index * 64 + static_cast<std::size_t>(chosen.out)] =
            m_steps + tabuTenure + m_random.below(tabuTenure);
    }
    return m_uncovered.empty();
}

bool CoverSearch::anneal(const Annealing &schedule, std::uint64_t steps)
{
    double temperature = schedule.start;
    for (std::uint64_t step = 0; step < steps && !m_uncovered.empty(); ++step) {
        ++m_steps;
        if (step > 0 && step % schedule.stepsPerTemperature == 0)
            temperature *= schedule.cooling;
        const Block draw = m_ranks.unrank(
            m_uncovered[m_random.below(static_cast<std::uint32_t>(m_uncovered.size()))], m_r.c);
        closestTo(draw);
        const std::size_t index =
            m_closest[m_random.below(static_cast<std::uint32_t>(m_closest.size()))];
        const int out = m_random.pointOf(m_blocks[index] & ~draw);
        const int in = m_random.pointOf(draw & ~m_blocks[index]);
        // The tabu search keeps weighing a lottery move by making and unmaking it: that reorders
        // the uncovered draws, and the paths of its stored tables depend on the order.
        const bool listed = m_r.c > m_r.g && !m_quickly && !m_drawsOfSubset.empty();
        const std::int64_t delta =
            listed ? listedLotteryDelta(index, out, in) : moveDelta(index, out, in);
        if (delta <= 0 || m_random.unit() < std::exp(-static_cast<double>(delta) / temperature))
            moveBlock(index, out, in);
    }
    return m_uncovered.empty();
}

bool CoverSearch::useEveryPoint()
{
    Block used = 0;
    for (const Block block : m_blocks)
        used |= block;
    for (const int p : pointsOf(allPoints(m_r.v) & ~used)) {
        bool placed = false;
        for (std::size_t i = 0; i < m_blocks.size() && !placed; ++i) {
            for (const int out : pointsOf(m_blocks[i])) {
                // A point held by this block alone must stay.
                Block others = 0;
                for (std::size_t j = 0; j < m_blocks.size(); ++j)
                    others |= j == i ? 0 : m_blocks[j];
                if (!(others & (Block{1} << out)))
                    continue;
                if (moveDelta(i, out, p) <= 0) {
                    moveBlock(i, out, p);
                    placed = true;
                    break;
                }
            }
        }
        if (!placed)
            return false;
    }
    return true;
}

void CoverSearch::dropWeakestBlock()
{
    std::size_t weakest = 0;
    std::size_t weakestLoss = SIZE_MAX;
    for (std::size_t i = 0; i < m_blocks.size(); ++i) {
        removeBlock(m_blocks[i]);
        if (m_uncovered.size() < weakestLoss) {
            weakestLoss = m_uncovered.size();
            weakest = i;
        }
        addBlock(m_blocks[i]);
    }
    removeBlock(m_blocks[weakest]);
    m_blocks.erase(m_blocks.begin() + static_cast<std::ptrdiff_t>(weakest));
}

void CoverSearch::reduce(std::size_t goal, std::uint64_t stepsPerLevel, std::uint64_t totalSteps,
                         const std::function<void(const std::vector<Block> &)> &reached)
{
    std::vector<Block> best = m_blocks;
    const std::uint64_t end = m_steps + totalSteps;
    while (m_blocks.size() > goal && m_steps < end) {
        dropWeakestBlock();
        if (!search(std::min(stepsPerLevel, end - m_steps))) {
            load(best);
            return;
        }
        best = m_blocks;
        if (reached)
            reached(m_blocks);
    }
}

bool CoverSearch::tradeTwoForOne(std::uint64_t steps)
{
    const std::vector<Block> before = m_blocks;
    if (before.size() < 2)
        return false;
    std::vector<Block> blocks = before;
    for (int i = 0; i < 2; ++i)
        blocks.erase(blocks.begin() + m_random.below(static_cast<std::uint32_t>(blocks.size())));
    blocks.push_back(randomBlocks(1).front());
    load(blocks);
    if (search(steps))
        return true;
    load(before);
    return false;
}
