#include "orbitanneal.h"

#include <bit>
#include <cmath>
#include <stdexcept>

OrbitAnnealing::OrbitAnnealing(const Requirement &requirement, const PointGroup &group,
                               std::uint64_t seed)
    : m_r(requirement), m_random(seed), m_generators(group.generators())
{
    if (group.points() != m_r.v || m_r.v > 64 || m_r.k != 6 || m_r.c > 6 || m_r.g > m_r.c)
        throw std::invalid_argument("group and requirement do not fit");
    m_elements = elementsOf(m_generators, m_r.v);
    Orbits orbits = orbitsOf(m_r.v, m_r.c, m_generators, m_ranks);
    m_label = std::move(orbits.label);
    m_first = std::move(orbits.first);
}

void OrbitAnnealing::add(Block block)
{
    forSubsetsMeeting(block, m_r, [&](Block subset) {
        const std::uint32_t orbit = m_label[m_ranks.rank(subset)];
        if (m_met[orbit]++ > 0)
            return;
        const auto at = static_cast<std::size_t>(m_uncoveredIndex[orbit]);
        m_uncovered[at] = m_uncovered.back();
        m_uncoveredIndex[m_uncovered[at]] = static_cast<std::int32_t>(at);
        m_uncovered.pop_back();
        m_uncoveredIndex[orbit] = -1;
    });
}

void OrbitAnnealing::remove(Block block)
{
    forSubsetsMeeting(block, m_r, [&](Block subset) {
        const std::uint32_t orbit = m_label[m_ranks.rank(subset)];
        if (--m_met[orbit] > 0)
            return;
        m_uncoveredIndex[orbit] = static_cast<std::int32_t>(m_uncovered.size());
        m_uncovered.push_back(orbit);
    });
}

Design OrbitAnnealing::anneal(std::size_t orbits, const Annealing &schedule, std::uint64_t steps)
{
    m_met.assign(m_first.size(), 0);
    m_uncovered.resize(m_first.size());
    m_uncoveredIndex.resize(m_first.size());
    for (std::uint32_t orbit = 0; orbit < m_first.size(); ++orbit) {
        m_uncovered[orbit] = orbit;
        m_uncoveredIndex[orbit] = static_cast<std::int32_t>(orbit);
    }
    std::vector<Block> held(orbits, 0);
    for (Block &block : held) {
        while (std::popcount(block) < m_r.k)
            block |= Block{1} << m_random.below(static_cast<std::uint32_t>(m_r.v));
        add(block);
    }

    struct Image {
        std::size_t block;
        std::size_t element;
    };
    std::vector<Image> closest;
    double temperature = schedule.start;
    for (std::uint64_t step = 0; step < steps && !m_uncovered.empty(); ++step) {
        if (step > 0 && step % schedule.stepsPerTemperature == 0)
            temperature *= schedule.cooling;
        const Block subset =
            m_first[m_uncovered[m_random.below(static_cast<std::uint32_t>(m_uncovered.size()))]];
        int most = -1;
        closest.clear();
        for (std::size_t b = 0; b < held.size(); ++b) {
            for (std::size_t e = 0; e < m_elements.size(); ++e) {
                const int shared = std::popcount(image(held[b], m_elements[e]) & subset);
                if (shared > most) {
                    most = shared;
                    closest.clear();
                }
                if (shared == most)
                    closest.push_back({b, e});
            }
        }
        const Image chosen = closest[m_random.below(static_cast<std::uint32_t>(closest.size()))];
        const std::vector<int> &element = m_elements[chosen.element];
        const Block moved = image(held[chosen.block], element);
        const int out = m_random.pointOf(moved & ~subset);
        const int in = m_random.pointOf(subset & ~moved);
        // Back through the inverse of the element: the held block whose image is the new one.
        Block replacement = 0;
        const Block target = (moved & ~(Block{1} << out)) | (Block{1} << in);
        for (int p = 0; p < m_r.v; ++p) {
            if ((target >> element[static_cast<std::size_t>(p)]) & 1)
                replacement |= Block{1} << p;
        }
        const auto before = static_cast<std::int64_t>(m_uncovered.size());
        remove(held[chosen.block]);
        add(replacement);
        const std::int64_t delta = static_cast<std::int64_t>(m_uncovered.size()) - before;
        if (delta <= 0 || m_random.unit() < std::exp(-static_cast<double>(delta) / temperature)) {
            held[chosen.block] = replacement;
        } else {
            remove(replacement);
            add(held[chosen.block]);
        }
    }
    if (!m_uncovered.empty())
        return {};
    return orbitDesign(m_r.v, held, m_generators);
}
