#include "annealer.h"

#include <cstdlib>
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

// The n-th (0-based) point of a block.
int nthPoint(Block block, std::uint32_t n)
{
    for (; n > 0; --n)
        block &= block - 1;
    return std::countr_zero(block);
}

Block allPoints(int v)
{
    return v == 64 ? ~Block{0} : (Block{1} << v) - 1;
}

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

std::uint64_t tabuTenure = std::uint64_t(atoi(getenv("TT")));
double startTemperature = atof(getenv("T0"));
double endTemperature = atof(getenv("T1"));

} // namespace

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

Annealer::Annealer(const Requirement &requirement, std::uint64_t seed)
    : m_r(requirement), m_random(seed)
{
    for (int n = 0; n <= 64; ++n) {
        for (int r = 0; r <= 6; ++r)
            m_binomial[n][r] = binomial(n, r);
    }
}

void Annealer::load(const std::vector<Block> &blocks)
{
    const std::uint64_t subsets = binomial(m_r.v, m_r.g);
    const std::uint64_t draws = binomial(m_r.v, m_r.c);
    m_blocksPerSubset.assign(subsets, 0);
    if (m_r.c > m_r.g)
        m_metSubsetsPerDraw.assign(draws, 0);
    m_uncovered.resize(draws);
    m_uncoveredIndex.resize(draws);
    m_weight.assign(draws, 1);
    m_weightedCost = draws;
    for (std::uint32_t d = 0; d < draws; ++d) {
        m_uncovered[d] = d;
        m_uncoveredIndex[d] = static_cast<std::int32_t>(d);
    }
    m_blocks.clear();
    for (const Block block : blocks) {
        addBlock(block);
        m_blocks.push_back(block);
    }
}

std::uint32_t Annealer::rankOf(Block set) const
{
    std::uint64_t rank = 0;
    for (int i = 1; set != 0; ++i) {
        rank += m_binomial[std::countr_zero(set)][i];
        set &= set - 1;
    }
    return static_cast<std::uint32_t>(rank);
}

Block Annealer::unrankDraw(std::uint32_t rank) const
{
    Block draw = 0;
    int p = m_r.v - 1;
    for (int i = m_r.c; i >= 1; --i) {
        while (m_binomial[p][i] > rank)
            --p;
        rank -= static_cast<std::uint32_t>(m_binomial[p][i]);
        draw |= Block{1} << p;
        --p;
    }
    return draw;
}

void Annealer::coverDraw(std::uint32_t draw)
{
    const std::int32_t at = m_uncoveredIndex[draw];
    const std::uint32_t last = m_uncovered.back();
    m_uncovered[static_cast<std::size_t>(at)] = last;
    m_uncoveredIndex[last] = at;
    m_uncovered.pop_back();
    m_uncoveredIndex[draw] = -1;
    m_weightedCost -= m_weight[draw];
}

void Annealer::uncoverDraw(std::uint32_t draw)
{
    m_uncoveredIndex[draw] = static_cast<std::int32_t>(m_uncovered.size());
    m_uncovered.push_back(draw);
    m_weightedCost += m_weight[draw];
}

void Annealer::addSubset(Block subset)
{
    const std::uint32_t rank = rankOf(subset);
    if (m_blocksPerSubset[rank]++ != 0)
        return;
    if (m_r.c == m_r.g) {
        coverDraw(rank);
        return;
    }
    forCombinations(allPoints(m_r.v) & ~subset, subset, m_r.c - m_r.g, [this](Block draw) {
        const std::uint32_t d = rankOf(draw);
        if (m_metSubsetsPerDraw[d]++ == 0)
            coverDraw(d);
    });
}

void Annealer::removeSubset(Block subset)
{
    const std::uint32_t rank = rankOf(subset);
    if (--m_blocksPerSubset[rank] != 0)
        return;
    if (m_r.c == m_r.g) {
        uncoverDraw(rank);
        return;
    }
    forCombinations(allPoints(m_r.v) & ~subset, subset, m_r.c - m_r.g, [this](Block draw) {
        const std::uint32_t d = rankOf(draw);
        if (--m_metSubsetsPerDraw[d] == 0)
            uncoverDraw(d);
    });
}

void Annealer::addBlock(Block block)
{
    forCombinations(block, 0, m_r.g, [this](Block s) { addSubset(s); });
}

void Annealer::removeBlock(Block block)
{
    forCombinations(block, 0, m_r.g, [this](Block s) { removeSubset(s); });
}

void Annealer::moveBlock(std::size_t index, int out, int in)
{
    const Block old = m_blocks[index];
    const Block moved = (old & ~(Block{1} << out)) | (Block{1} << in);
    const Block inBit = Block{1} << in;
    const Block outBit = Block{1} << out;
    forCombinations(moved & ~inBit, inBit, m_r.g - 1, [this](Block s) { addSubset(s); });
    forCombinations(old & ~outBit, outBit, m_r.g - 1, [this](Block s) { removeSubset(s); });
    m_blocks[index] = moved;
}

std::int64_t Annealer::moveDelta(std::size_t index, int out, int in)
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
            const std::uint32_t r = rankOf(s);
            if (m_blocksPerSubset[r] == 0)
                delta -= m_weight[r];
        });
        forCombinations(old & ~outBit, outBit, m_r.g - 1, [&](Block s) {
            const std::uint32_t r = rankOf(s);
            if (m_blocksPerSubset[r] == 1)
                delta += m_weight[r];
        });
        return delta;
    }
    const std::int64_t before = m_weightedCost;
    moveBlock(index, out, in);
    const std::int64_t delta = m_weightedCost - before;
    moveBlock(index, in, out);
    return delta;
}

bool Annealer::anneal(std::uint64_t moves)
{
    struct Move {
        std::uint32_t index;
        int out;
        int in;
    };
    std::vector<Move> bestMoves;
    if (m_tabuUntil.size() != m_blocks.size() * 64)
        m_tabuUntil.assign(m_blocks.size() * 64, 0);
    for (std::uint64_t move = 0; move < moves; ++move) {
        if (m_uncovered.empty())
            return true;
        ++m_moves;
        const Block draw =
            unrankDraw(m_uncovered[m_random.below(static_cast<std::uint32_t>(m_uncovered.size()))]);
        // Blocks one point short of meeting the draw in g points; else the closest ones.
        int most = -1;
        for (const Block block : m_blocks)
            most = std::max(most, std::popcount(block & draw));
        bestMoves.clear();
        std::int64_t bestDelta = INT64_MAX;
        for (std::size_t i = 0; i < m_blocks.size(); ++i) {
            const Block block = m_blocks[i];
            if (std::popcount(block & draw) != most)
                continue;
            for (const int out : pointsOf(block & ~draw)) {
                for (const int in : pointsOf(draw & ~block)) {
                    const std::int64_t delta = moveDelta(i, out, in);
                    const bool tabu = m_tabuUntil[i * 64 + static_cast<std::size_t>(in)] > m_moves;
                    if (tabu)
                        continue;
                    if (delta < bestDelta) {
                        bestDelta = delta;
                        bestMoves.clear();
                    }
                    if (delta == bestDelta)
                        bestMoves.push_back({static_cast<std::uint32_t>(i), out, in});
                }
            }
        }
        if (bestMoves.empty())
            continue;
        const Move chosen = bestMoves[m_random.below(static_cast<std::uint32_t>(bestMoves.size()))];
        moveBlock(chosen.index, chosen.out, chosen.in);
        m_tabuUntil[chosen.index * 64 + static_cast<std::size_t>(chosen.out)] =
            m_moves + tabuTenure + m_random.below(tabuTenure);
        if (bestDelta >= 0) {
            // A local minimum: draws that stay uncovered weigh more from now on.
            for (const std::uint32_t d : m_uncovered)
                ++m_weight[d];
            m_weightedCost += static_cast<std::int64_t>(m_uncovered.size());
        }
    }
    return m_uncovered.empty();
}

void Annealer::dropWeakestBlock()
{
    std::size_t weakest = 0;
    std::size_t weakestCost = SIZE_MAX;
    for (std::size_t i = 0; i < m_blocks.size(); ++i) {
        removeBlock(m_blocks[i]);
        if (m_uncovered.size() < weakestCost) {
            weakestCost = m_uncovered.size();
            weakest = i;
        }
        addBlock(m_blocks[i]);
    }
    removeBlock(m_blocks[weakest]);
    m_blocks.erase(m_blocks.begin() + static_cast<std::ptrdiff_t>(weakest));
}

void Annealer::reduce(std::size_t goal, std::uint64_t movesPerLevel, std::uint64_t totalMoves)
{
    std::vector<Block> best = m_blocks;
    const std::uint64_t end = m_moves + totalMoves;
    while (m_blocks.size() > goal && m_moves < end) {
        dropWeakestBlock();
        if (!anneal(std::min(movesPerLevel, end - m_moves))) {
            load(best);
            return;
        }
        best = m_blocks;
    }
}
