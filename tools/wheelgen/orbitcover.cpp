#include "orbitcover.h"

#include "coversearch.h"
#include "subsets.h"

#include <algorithm>
#include <bit>
#include <optional>
#include <stdexcept>

namespace {
constexpr std::uint32_t none = Orbits::none;

// The rows no chosen column covers, each with its place in the list, so a row leaves it at once.
class UncoveredRows {
public:
    explicit UncoveredRows(std::size_t rows) : m_index(rows, -1)
    {
        for (std::uint32_t r = 0; r < rows; ++r)
            add(r);
    }

    const std::vector<std::uint32_t> &rows() const { return m_rows; }
    bool empty() const { return m_rows.empty(); }
    std::uint32_t random(Random &random) const
    {
        return m_rows[random.below(static_cast<std::uint32_t>(m_rows.size()))];
    }

    void add(std::uint32_t r)
    {
        m_index[r] = static_cast<std::int64_t>(m_rows.size());
        m_rows.push_back(r);
    }

    void remove(std::uint32_t r)
    {
        const auto at = static_cast<std::size_t>(m_index[r]);
        m_index[m_rows.back()] = static_cast<std::int64_t>(at);
        m_rows[at] = m_rows.back();
        m_rows.pop_back();
        m_index[r] = -1;
    }

private:
    std::vector<std::uint32_t> m_rows;
    std::vector<std::int64_t> m_index;
};

// Local search for `count` columns of a set cover, all of one cost, that cover every row. Per
// column it keeps a score: for a column outside the choice, the weight of the uncovered rows it
// covers; for a chosen one, minus the weight of the rows only it covers.
class RowWeighting {
public:
    RowWeighting(std::vector<std::vector<std::uint32_t>> rowsOf, std::size_t rows,
                 std::uint64_t seed)
        : m_rowsOf(std::move(rowsOf)),
          m_columnsOf(rows),
          m_random(seed),
          m_weight(rows, 1),
          m_count(rows, 0),
          m_uncovered(rows),
          m_score(m_rowsOf.size(), 0),
          m_chosen(m_rowsOf.size(), 0),
          m_allowed(m_rowsOf.size(), 1),
          m_moved(m_rowsOf.size(), 0)
    {
        for (std::uint32_t c = 0; c < m_rowsOf.size(); ++c) {
            for (const std::uint32_t r : m_rowsOf[c])
                m_columnsOf[r].push_back(c);
            m_score[c] = static_cast<std::int64_t>(m_rowsOf[c].size());
        }
    }

    // At most `count` columns covering every row, from a greedy cover lowered one column at a
    // time, each count searched by the weighted swaps; nothing when `steps` steps do not reach
    // `count` or some row has no column.
    std::optional<std::vector<std::uint32_t>> search(std::size_t count, std::uint64_t steps)
    {
        for (const std::vector<std::uint32_t> &columns : m_columnsOf)
            if (columns.empty())
                return std::nullopt;
        while (!m_uncovered.empty())
            add(bestFor(m_uncovered.random(m_random), false), 0);
        std::uint32_t lastAdded = none;
        for (std::uint64_t step = 1;; ++step) {
            while (m_uncovered.empty()) {
                if (m_chosenList.size() <= count)
                    return m_chosenList;
                remove(weakest(none), step);
            }
            if (step > steps || m_chosenList.size() <= 1)
                return std::nullopt;
            remove(weakest(lastAdded), step);
            lastAdded = bestFor(m_uncovered.random(m_random), true);
            add(lastAdded, step);
            for (const std::uint32_t r : m_uncovered.rows()) {
                ++m_weight[r];
                for (const std::uint32_t c : m_columnsOf[r])
                    ++m_score[c];
            }
        }
    }

private:
    // Whether column c goes before `best` (none or a column): the higher score, the longest
    // unmoved on ties.
    bool before(std::uint32_t c, std::uint32_t best) const
    {
        return best == none || m_score[c] > m_score[best] ||
               (m_score[c] == m_score[best] && m_moved[c] < m_moved[best]);
    }

    // The column covering row r with the highest score, the longest unmoved on ties; with
    // `checked`, only a column allowed back, or a random one when none is.
    std::uint32_t bestFor(std::uint32_t r, bool checked)
    {
        std::uint32_t best = none;
        for (const std::uint32_t c : m_columnsOf[r]) {
            if ((!checked || m_allowed[c]) && before(c, best))
                best = c;
        }
        if (best != none)
            return best;
        const auto &columns = m_columnsOf[r];
        return columns[m_random.below(static_cast<std::uint32_t>(columns.size()))];
    }

    // The chosen column other than `except` whose loss is smallest, the longest unmoved on ties.
    std::uint32_t weakest(std::uint32_t except) const
    {
        std::uint32_t best = none;
        for (const std::uint32_t c : m_chosenList) {
            if (c != except && before(c, best))
                best = c;
        }
        return best;
    }

    // The chosen column other than c that covers row r.
    std::uint32_t otherChosen(std::uint32_t r, std::uint32_t c) const
    {
        for (const std::uint32_t d : m_columnsOf[r])
            if (d != c && m_chosen[d])
                return d;
        return none;
    }

    void add(std::uint32_t c, std::uint64_t step)
    {
        m_chosen[c] = 1;
        m_chosenList.push_back(c);
        m_score[c] = -m_score[c];
        for (const std::uint32_t r : m_rowsOf[c]) {
            if (m_count[r] == 0) {
                for (const std::uint32_t d : m_columnsOf[r])
                    if (d != c)
                        m_score[d] -= static_cast<std::int64_t>(m_weight[r]);
                m_uncovered.remove(r);
            } else if (m_count[r] == 1) {
                m_score[otherChosen(r, c)] += static_cast<std::int64_t>(m_weight[r]);
            }
            ++m_count[r];
        }
        moved(c, step);
    }

    void remove(std::uint32_t c, std::uint64_t step)
    {
        m_chosen[c] = 0;
        m_chosenList.erase(std::find(m_chosenList.begin(), m_chosenList.end(), c));
        m_score[c] = -m_score[c];
        for (const std::uint32_t r : m_rowsOf[c]) {
            --m_count[r];
            if (m_count[r] == 0) {
                for (const std::uint32_t d : m_columnsOf[r])
                    if (d != c)
                        m_score[d] += static_cast<std::int64_t>(m_weight[r]);
                m_uncovered.add(r);
            } else if (m_count[r] == 1) {
                m_score[otherChosen(r, none)] -= static_cast<std::int64_t>(m_weight[r]);
            }
        }
        moved(c, step);
        m_allowed[c] = 0;
    }

    // Every column sharing a row with c may come back: its surroundings changed.
    void moved(std::uint32_t c, std::uint64_t step)
    {
        m_moved[c] = step;
        for (const std::uint32_t r : m_rowsOf[c])
            for (const std::uint32_t d : m_columnsOf[r])
                m_allowed[d] = 1;
    }

    std::vector<std::vector<std::uint32_t>> m_rowsOf;
    std::vector<std::vector<std::uint32_t>> m_columnsOf;
    Random m_random;
    std::vector<std::uint64_t> m_weight;
    std::vector<std::uint32_t> m_count;
    UncoveredRows m_uncovered;
    std::vector<std::int64_t> m_score;
    std::vector<char> m_chosen;
    std::vector<std::uint32_t> m_chosenList;
    std::vector<char> m_allowed;
    std::vector<std::uint64_t> m_moved;
};
}  // namespace

OrbitCover::OrbitCover(const Requirement &requirement, const PointGroup &group)
    : m_r(requirement), m_generators(group.generators())
{
    if (group.points() != m_r.v || m_r.v > 64 || m_r.k != 6 || m_r.c > 6 || m_r.g > m_r.c)
        throw std::invalid_argument("group and requirement do not fit");
    const SubsetRanks ranks;
    const Orbits subsets = orbitsOf(m_r.v, m_r.c, m_generators, ranks);
    const Orbits blocks = m_r.c == 6 ? subsets : orbitsOf(m_r.v, 6, m_generators, ranks);
    m_reps = blocks.first;
    m_weight = blocks.size;
    m_coveredBy.resize(subsets.first.size());
    m_covers.resize(m_reps.size());
    std::vector<std::uint32_t> stamp(subsets.first.size(), none);
    for (std::uint32_t column = 0; column < m_reps.size(); ++column) {
        const Block rep = m_reps[column];
        forSubsetsMeeting(rep, m_r, [&](Block draw) {
            const std::uint32_t orbit = subsets.label[ranks.rank(draw)];
            if (stamp[orbit] == column)
                return;
            stamp[orbit] = column;
            m_covers[column].push_back(orbit);
            m_coveredBy[orbit].push_back(column);
        });
    }
}

Design OrbitCover::solve(std::size_t goal, std::uint64_t steps, std::uint64_t seed)
{
    Random random(seed);
    const std::size_t columns = m_reps.size();
    const std::size_t elements = m_coveredBy.size();
    std::vector<std::uint32_t> coverCount(elements, 0);
    std::vector<std::uint64_t> elementWeight(elements, 1);
    UncoveredRows uncovered(elements);
    std::vector<char> chosen(columns, 0);
    std::vector<std::uint32_t> solution;
    std::vector<std::uint64_t> lastMoved(columns, 0);
    std::size_t total = 0;

    const auto add = [&](std::uint32_t column, std::uint64_t step) {
        chosen[column] = 1;
        solution.push_back(column);
        total += m_weight[column];
        lastMoved[column] = step;
        for (const std::uint32_t e : m_covers[column]) {
            if (coverCount[e]++ == 0)
                uncovered.remove(e);
        }
    };
    const auto remove = [&](std::uint32_t column, std::uint64_t step) {
        chosen[column] = 0;
        solution.erase(std::find(solution.begin(), solution.end(), column));
        total -= m_weight[column];
        lastMoved[column] = step;
        for (const std::uint32_t e : m_covers[column]) {
            if (--coverCount[e] == 0)
                uncovered.add(e);
        }
    };
    // Weighted elements of the column covered `count` times now, per grid of the column: with 1
    // what removing a chosen column loses, with 0 what adding a column gains.
    const auto weighed = [&](std::uint32_t column, std::uint32_t count) {
        std::uint64_t sum = 0;
        for (const std::uint32_t e : m_covers[column]) {
            if (coverCount[e] == count)
                sum += elementWeight[e];
        }
        return static_cast<double>(sum) / m_weight[column];
    };
    const auto loss = [&](std::uint32_t column) { return weighed(column, 1); };
    const auto gain = [&](std::uint32_t column) { return weighed(column, 0); };
    // Removes the chosen column with the smallest loss, the least recently moved on ties.
    const auto removeWeakest = [&](std::uint64_t step) {
        std::uint32_t weakest = none;
        double weakestLoss = 0;
        for (const std::uint32_t column : solution) {
            const double l = loss(column);
            if (weakest == none || l < weakestLoss ||
                (l == weakestLoss && lastMoved[column] < lastMoved[weakest])) {
                weakest = column;
                weakestLoss = l;
            }
        }
        if (weakest != none)
            remove(weakest, step);
    };

    // Start: cover each element, in random order, by the column that covers most.
    while (!uncovered.empty()) {
        const std::uint32_t e = uncovered.random(random);
        std::uint32_t best = none;
        double bestGain = -1;
        for (const std::uint32_t column : m_coveredBy[e]) {
            const double g = gain(column);
            if (g > bestGain) {
                best = column;
                bestGain = g;
            }
        }
        add(best, 0);
    }
    for (bool dropped = true; dropped;) {
        dropped = false;
        for (const std::uint32_t column : std::vector<std::uint32_t>(solution)) {
            if (loss(column) == 0) {
                remove(column, 0);
                dropped = true;
            }
        }
    }
    std::vector<std::uint32_t> best = solution;
    std::size_t bestTotal = total;

    constexpr std::uint64_t tenure = 2;
    for (std::uint64_t step = 1; step <= steps && bestTotal > goal; ++step) {
        if (uncovered.empty()) {
            if (total < bestTotal) {
                best = solution;
                bestTotal = total;
            }
            removeWeakest(step);
            continue;
        }
        removeWeakest(step);
        const std::uint32_t e = uncovered.random(random);
        std::uint32_t pick = none;
        double pickGain = -1;
        for (const std::uint32_t column : m_coveredBy[e]) {
            if (chosen[column] || lastMoved[column] + tenure > step)
                continue;
            const double g = gain(column);
            if (g > pickGain || (g == pickGain && lastMoved[column] < lastMoved[pick])) {
                pick = column;
                pickGain = g;
            }
        }
        if (pick == none)
            pick = m_coveredBy[e][random.below(static_cast<std::uint32_t>(m_coveredBy[e].size()))];
        while (!solution.empty() && total + m_weight[pick] >= bestTotal)
            removeWeakest(step);
        if (!chosen[pick])
            add(pick, step);
        for (const std::uint32_t u : uncovered.rows())
            ++elementWeight[u];
        if (uncovered.empty() && total < bestTotal) {
            best = solution;
            bestTotal = total;
        }
    }

    std::vector<Block> reps;
    for (const std::uint32_t column : best)
        reps.push_back(m_reps[column]);
    return orbitDesign(m_r.v, reps, m_generators);
}

Design OrbitCover::solveAtCount(std::uint32_t size, std::size_t orbits, std::uint64_t steps,
                                std::uint64_t seed) const
{
    std::vector<std::uint32_t> columns;
    std::vector<std::vector<std::uint32_t>> rowsOf;
    for (std::uint32_t column = 0; column < m_reps.size(); ++column) {
        if (m_weight[column] == size) {
            columns.push_back(column);
            rowsOf.push_back(m_covers[column]);
        }
    }
    RowWeighting search(std::move(rowsOf), m_coveredBy.size(), seed);
    const auto chosen = search.search(orbits, steps);
    if (!chosen)
        return Design{m_r.v, m_r.k, {}};
    std::vector<Block> reps;
    for (const std::uint32_t c : *chosen)
        reps.push_back(m_reps[columns[c]]);
    return orbitDesign(m_r.v, reps, m_generators);
}
