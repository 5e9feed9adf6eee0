#include "orbittabu.h"

#include "coversearch.h"

#include <algorithm>
#include <bit>
#include <limits>
#include <stdexcept>

namespace {

// One bit per orbit of c-subsets, or per candidate orbit of blocks.
using Bits = std::vector<std::uint64_t>;

template <typename F>
void forEachBit(const std::uint64_t *bits, std::size_t words, const F &f)
{
    for (std::size_t x = 0; x < words; ++x)
        for (std::uint64_t z = bits[x]; z != 0; z &= z - 1)
            f(x * 64 + static_cast<std::size_t>(std::countr_zero(z)));
}

}  // namespace

OrbitTabu::OrbitTabu(const Requirement &requirement, const PointGroup &group, std::uint64_t seed)
    : m_r(requirement), m_seed(seed), m_generators(group.generators())
{
    if (group.points() != requirement.v)
        throw std::invalid_argument("the group acts on another number of points");
}

Design OrbitTabu::search(const std::vector<OrbitCount> &orbits, std::uint64_t steps, int tenure)
{
    const SubsetRanks ranks;
    const Orbits blockOrbits = orbitsOf(m_r.v, m_r.k, m_generators, ranks);
    const Orbits subsetOrbits = orbitsOf(m_r.v, m_r.c, m_generators, ranks);
    const std::size_t m = subsetOrbits.first.size();
    const std::size_t words = (m + 63) / 64;
    m_bestUncovered = m;

    // The candidate orbits: those of the wanted sizes, each with the orbits of c-subsets it
    // meets. Its first block alone tells them: a block meets a c-subset exactly when each image
    // of the block meets the same image of the subset.
    std::vector<Block> candidates;
    std::vector<int> sizes;
    for (std::size_t o = 0; o < blockOrbits.first.size(); ++o) {
        for (const OrbitCount &want : orbits) {
            if (static_cast<int>(blockOrbits.size[o]) == want.size) {
                candidates.push_back(blockOrbits.first[o]);
                sizes.push_back(want.size);
                break;
            }
        }
    }
    const std::size_t n = candidates.size();
    Bits meets(n * words, 0);
    for (std::size_t j = 0; j < n; ++j) {
        forSubsetsMeeting(candidates[j], m_r, [&](Block subset) {
            const std::uint32_t o = subsetOrbits.label[ranks.rank(subset)];
            meets[j * words + o / 64] |= std::uint64_t{1} << (o % 64);
        });
    }

    Random random(m_seed);
    std::vector<std::size_t> held;
    std::vector<char> isHeld(n, 0);
    for (const OrbitCount &want : orbits) {
        std::vector<std::size_t> ofSize;
        for (std::size_t j = 0; j < n; ++j)
            if (sizes[j] == want.size)
                ofSize.push_back(j);
        if (ofSize.size() < static_cast<std::size_t>(want.count))
            return Design{m_r.v, m_r.k, {}};
        for (int t = 0; t < want.count; ++t) {
            std::size_t j;
            do
                j = ofSize[random.below(static_cast<std::uint32_t>(ofSize.size()))];
            while (isHeld[j]);
            isHeld[j] = 1;
            held.push_back(j);
        }
    }

    const std::size_t k = held.size();
    // Which candidates meet each orbit of c-subsets, one bit per candidate.
    const std::size_t candidateWords = (n + 63) / 64;
    Bits metBy(m * candidateWords, 0);
    for (std::size_t j = 0; j < n; ++j)
        forEachBit(&meets[j * words], words, [&](std::size_t o) {
            metBy[o * candidateWords + j / 64] |= std::uint64_t{1} << (j % 64);
        });
    // How many held orbits meet each orbit of c-subsets.
    std::vector<int> heldMeeting(m, 0);
    const auto hold = [&](std::size_t j, int change) {
        forEachBit(&meets[j * words], words, [&](std::size_t o) { heldMeeting[o] += change; });
    };
    for (const std::size_t j : held)
        hold(j, 1);

    std::vector<std::uint64_t> weight(m, 1);
    std::vector<std::uint64_t> tabuUntil(n, 0);
    // Weight of the unmet orbits each candidate would meet, and of those that only held orbit i
    // meets; a held orbit's exchange for candidate j leaves base(i) - unmetMet[j] - onlyMet[j].
    std::vector<std::uint64_t> unmetMet(n), onlyMet(n, 0);
    std::vector<std::size_t> touched;
    const auto addWeight = [&](std::size_t o, std::vector<std::uint64_t> &to, bool track) {
        forEachBit(&metBy[o * candidateWords], candidateWords, [&](std::size_t j) {
            if (track && to[j] == 0)
                touched.push_back(j);
            to[j] += weight[o];
        });
    };
    for (std::uint64_t step = 1; step <= steps; ++step) {
        std::uint64_t unmetWeight = 0;
        std::fill(unmetMet.begin(), unmetMet.end(), 0);
        for (std::size_t o = 0; o < m; ++o) {
            if (heldMeeting[o] == 0) {
                unmetWeight += weight[o];
                addWeight(o, unmetMet, false);
            }
        }

        std::uint64_t bestValue = std::numeric_limits<std::uint64_t>::max();
        std::size_t bestOut = 0, bestIn = 0;
        std::uint32_t ties = 0;
        for (std::size_t i = 0; i < k; ++i) {
            std::uint64_t base = unmetWeight;
            touched.clear();
            forEachBit(&meets[held[i] * words], words, [&](std::size_t o) {
                if (heldMeeting[o] == 1) {
                    base += weight[o];
                    addWeight(o, onlyMet, true);
                }
            });
            for (std::size_t j = 0; j < n; ++j) {
                if (isHeld[j] || tabuUntil[j] > step || sizes[j] != sizes[held[i]])
                    continue;
                const std::uint64_t value = base - unmetMet[j] - onlyMet[j];
                if (value < bestValue) {
                    bestValue = value;
                    bestOut = i;
                    bestIn = j;
                    ties = 1;
                } else if (value == bestValue && random.below(++ties) == 0) {
                    bestOut = i;
                    bestIn = j;
                }
            }
            for (const std::size_t j : touched)
                onlyMet[j] = 0;
        }
        if (bestValue == std::numeric_limits<std::uint64_t>::max())
            break;
        const std::size_t out = held[bestOut];
        hold(out, -1);
        hold(bestIn, 1);
        isHeld[out] = 0;
        isHeld[bestIn] = 1;
        held[bestOut] = bestIn;
        // A tenure below one would forbid nothing and leave the random part without a range.
        const auto forbidden = static_cast<std::uint32_t>(std::max(tenure, 1));
        tabuUntil[out] = step + forbidden + random.below(forbidden);

        std::size_t uncovered = 0;
        for (std::size_t o = 0; o < m; ++o) {
            if (heldMeeting[o] == 0) {
                ++uncovered;
                ++weight[o];
            }
        }
        m_bestUncovered = std::min(m_bestUncovered, uncovered);
        if (uncovered == 0) {
            std::vector<Block> blocks;
            for (const std::size_t j : held)
                blocks.push_back(candidates[j]);
            return orbitDesign(m_r.v, blocks, m_generators);
        }
    }
    return Design{m_r.v, m_r.k, {}};
}
