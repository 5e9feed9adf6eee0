#include "orbittabu.h"

#include "coversearch.h"

#include <algorithm>
#include <bit>
#include <limits>
#include <optional>
#include <stdexcept>

namespace {

// One bit per orbit of c-subsets, or per candidate orbit of blocks.
using Bits = std::vector<std::uint64_t>;

template <typename F> void forEachBit(const std::uint64_t *bits, std::size_t words, const F &f)
{
    for (std::size_t x = 0; x < words; ++x)
        for (std::uint64_t z = bits[x]; z != 0; z &= z - 1)
            f(x * 64 + static_cast<std::size_t>(std::countr_zero(z)));
}

// The orbits of blocks of the wanted sizes, each with the orbits of c-subsets it meets.
struct Candidates {
    std::vector<Block> first;
    std::vector<int> sizes;
    std::size_t orbits = 0;  // of c-subsets
    std::size_t words = 0;   // per candidate in `meets`
    Bits meets;

    std::size_t count() const { return first.size(); }
    const std::uint64_t *met(std::size_t j) const { return &meets[j * words]; }
};

Candidates candidatesOf(const Requirement &r, const std::vector<std::vector<int>> &generators,
                        const std::vector<OrbitCount> &wanted)
{
    const SubsetRanks ranks;
    const Orbits blockOrbits = orbitsOf(r.v, r.k, generators, ranks);
    const Orbits subsetOrbits = orbitsOf(r.v, r.c, generators, ranks);
    Candidates candidates;
    candidates.orbits = subsetOrbits.first.size();
    candidates.words = (candidates.orbits + 63) / 64;
    for (std::size_t o = 0; o < blockOrbits.first.size(); ++o) {
        for (const OrbitCount &want : wanted) {
            if (static_cast<int>(blockOrbits.size[o]) == want.size) {
                candidates.first.push_back(blockOrbits.first[o]);
                candidates.sizes.push_back(want.size);
                break;
            }
        }
    }
    // A candidate's first block alone tells the orbits it meets: a block meets a c-subset
    // exactly when each image of the block meets the same image of the subset.
    candidates.meets.assign(candidates.count() * candidates.words, 0);
    for (std::size_t j = 0; j < candidates.count(); ++j) {
        forSubsetsMeeting(candidates.first[j], r, [&](Block subset) {
            const std::uint32_t o = subsetOrbits.label[ranks.rank(subset)];
            candidates.meets[j * candidates.words + o / 64] |= std::uint64_t{1} << (o % 64);
        });
    }
    return candidates;
}

// `count` distinct random candidates of each wanted size; nothing when there are too few.
std::optional<std::vector<std::size_t>>
randomHeld(const Candidates &candidates, const std::vector<OrbitCount> &wanted, Random &random)
{
    std::vector<std::size_t> held;
    std::vector<char> isHeld(candidates.count(), 0);
    for (const OrbitCount &want : wanted) {
        std::vector<std::size_t> ofSize;
        for (std::size_t j = 0; j < candidates.count(); ++j)
            if (candidates.sizes[j] == want.size)
                ofSize.push_back(j);
        if (ofSize.size() < static_cast<std::size_t>(want.count))
            return std::nullopt;
        for (int t = 0; t < want.count; ++t) {
            std::size_t j;
            do
                j = ofSize[random.below(static_cast<std::uint32_t>(ofSize.size()))];
            while (isHeld[j]);
            isHeld[j] = 1;
            held.push_back(j);
        }
    }
    return held;
}

// The held orbits, how many of them meet each orbit of c-subsets, and the weights: everything a
// step needs to weigh every exchange of a held orbit for a candidate of the same size.
class TabuState {
public:
    TabuState(const Candidates &candidates, std::vector<std::size_t> held)
        : m_c(candidates),
          m_held(std::move(held)),
          m_isHeld(candidates.count(), 0),
          m_candidateWords((candidates.count() + 63) / 64),
          m_metBy(candidates.orbits * m_candidateWords, 0),
          m_heldMeeting(candidates.orbits, 0),
          m_weight(candidates.orbits, 1),
          m_unmetMet(candidates.count()),
          m_onlyMet(candidates.count(), 0)
    {
        for (std::size_t j = 0; j < m_c.count(); ++j)
            forEachBit(m_c.met(j), m_c.words, [&](std::size_t o) {
                m_metBy[o * m_candidateWords + j / 64] |= std::uint64_t{1} << (j % 64);
            });
        for (const std::size_t j : m_held) {
            m_isHeld[j] = 1;
            hold(j, 1);
        }
    }

    const std::vector<std::size_t> &held() const { return m_held; }

    // The exchange (index into the held orbits, candidate) that leaves the least weight unmet
    // among the candidates not forbidden at `step`, ties broken at random; none when every
    // candidate is held or forbidden.
    std::optional<std::pair<std::size_t, std::size_t>>
    bestExchange(std::uint64_t step, const std::vector<std::uint64_t> &tabuUntil, Random &random)
    {
        std::uint64_t unmetWeight = 0;
        std::fill(m_unmetMet.begin(), m_unmetMet.end(), 0);
        for (std::size_t o = 0; o < m_c.orbits; ++o) {
            if (m_heldMeeting[o] == 0) {
                unmetWeight += m_weight[o];
                addWeight(o, m_unmetMet, false);
            }
        }
        // Exchanging held orbit i for candidate j leaves base(i) - unmetMet[j] - onlyMet[j],
        // where onlyMet[j] weighs the orbits that i alone meets and j meets too.
        std::uint64_t bestValue = std::numeric_limits<std::uint64_t>::max();
        std::pair<std::size_t, std::size_t> best;
        std::uint32_t ties = 0;
        for (std::size_t i = 0; i < m_held.size(); ++i) {
            std::uint64_t base = unmetWeight;
            m_touched.clear();
            forEachBit(m_c.met(m_held[i]), m_c.words, [&](std::size_t o) {
                if (m_heldMeeting[o] == 1) {
                    base += m_weight[o];
                    addWeight(o, m_onlyMet, true);
                }
            });
            for (std::size_t j = 0; j < m_c.count(); ++j) {
                if (m_isHeld[j] || tabuUntil[j] > step || m_c.sizes[j] != m_c.sizes[m_held[i]])
                    continue;
                const std::uint64_t value = base - m_unmetMet[j] - m_onlyMet[j];
                if (value < bestValue) {
                    bestValue = value;
                    best = {i, j};
                    ties = 1;
                } else if (value == bestValue && random.below(++ties) == 0) {
                    best = {i, j};
                }
            }
            for (const std::size_t j : m_touched)
                m_onlyMet[j] = 0;
        }
        if (ties == 0)
            return std::nullopt;
        return best;
    }

    void exchange(std::size_t i, std::size_t in)
    {
        const std::size_t out = m_held[i];
        hold(out, -1);
        hold(in, 1);
        m_isHeld[out] = 0;
        m_isHeld[in] = 1;
        m_held[i] = in;
    }

    std::size_t unmet() const
    {
        return static_cast<std::size_t>(std::count(m_heldMeeting.begin(), m_heldMeeting.end(), 0));
    }

    // Each unmet orbit of c-subsets weighs one more.
    void weighUnmet()
    {
        for (std::size_t o = 0; o < m_c.orbits; ++o)
            if (m_heldMeeting[o] == 0)
                ++m_weight[o];
    }

private:
    void hold(std::size_t j, int change)
    {
        forEachBit(m_c.met(j), m_c.words, [&](std::size_t o) { m_heldMeeting[o] += change; });
    }

    // Adds the weight of orbit o to every candidate meeting it; `track` lists the candidates
    // that had nothing, so only they are cleared afterwards.
    void addWeight(std::size_t o, std::vector<std::uint64_t> &to, bool track)
    {
        forEachBit(&m_metBy[o * m_candidateWords], m_candidateWords, [&](std::size_t j) {
            if (track && to[j] == 0)
                m_touched.push_back(j);
            to[j] += m_weight[o];
        });
    }

    const Candidates &m_c;
    std::vector<std::size_t> m_held;
    std::vector<char> m_isHeld;
    std::size_t m_candidateWords;
    Bits m_metBy;  // per orbit of c-subsets, the candidates meeting it
    std::vector<int> m_heldMeeting;
    std::vector<std::uint64_t> m_weight;
    std::vector<std::uint64_t> m_unmetMet;
    std::vector<std::uint64_t> m_onlyMet;
    std::vector<std::size_t> m_touched;
};

}  // namespace

OrbitTabu::OrbitTabu(const Requirement &requirement, const PointGroup &group, std::uint64_t seed)
    : m_r(requirement), m_seed(seed), m_generators(group.generators())
{
    if (group.points() != requirement.v)
        throw std::invalid_argument("the group acts on another number of points");
}

Design OrbitTabu::search(const std::vector<OrbitCount> &orbits, std::uint64_t steps, int tenure)
{
    const Candidates candidates = candidatesOf(m_r, m_generators, orbits);
    m_bestUncovered = candidates.orbits;
    Random random(m_seed);
    const auto start = randomHeld(candidates, orbits, random);
    if (!start)
        return Design{m_r.v, m_r.k, {}};

    TabuState state(candidates, *start);
    std::vector<std::size_t> best = state.held();
    m_bestUncovered = state.unmet();
    std::vector<std::uint64_t> tabuUntil(candidates.count(), 0);
    // A tenure below one would forbid nothing and leave the random part without a range.
    const auto forbidden = static_cast<std::uint32_t>(std::max(tenure, 1));
    for (std::uint64_t step = 1; step <= steps && m_bestUncovered > 0; ++step) {
        const auto exchange = state.bestExchange(step, tabuUntil, random);
        if (!exchange)
            break;
        tabuUntil[state.held()[exchange->first]] = step + forbidden + random.below(forbidden);
        state.exchange(exchange->first, exchange->second);
        state.weighUnmet();
        const std::size_t uncovered = state.unmet();
        if (uncovered < m_bestUncovered) {
            m_bestUncovered = uncovered;
            best = state.held();
        }
    }
    std::vector<Block> blocks;
    for (const std::size_t j : best)
        blocks.push_back(candidates.first[j]);
    return orbitDesign(m_r.v, blocks, m_generators);
}
