#include "engine/guaranteechecker.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace {

constexpr int maxPool = 64;
constexpr int maxDraw = 6;

// binomials[n][k] = C(n, k) for n <= 64, k <= 6.
struct Binomials {
    std::uint64_t value[maxPool + 1][maxDraw + 1] = {};
    constexpr Binomials()
    {
        for (int n = 0; n <= maxPool; ++n) {
            value[n][0] = 1;
            for (int k = 1; k <= maxDraw; ++k)
                value[n][k] = n == 0 ? 0 : value[n - 1][k - 1] + value[n - 1][k];
        }
    }
};
constexpr Binomials binomials;

std::uint64_t choose(int n, int k)
{
    return binomials.value[n][k];
}

// Depth-first walk over the c-subsets of 0..v-1 in lexicographic order. A g-subset
// {a1 < ... < ag} has the colex rank C(a1,1) + ... + C(ag,g); the bitmap marks the ranks of
// every g-subset of every grid. A partial draw that already holds a marked g-subset is
// covered with all its extensions, so its branch is cut at once.
class DrawSearch {
public:
    DrawSearch(int v, int g, int c, const std::vector<std::uint64_t> &marked)
        : m_v(v), m_g(g), m_c(c), m_marked(marked)
    {
        m_ranks[0][0] = 0;
        m_sizes[0] = 1;
    }

    void run(GuaranteeResult &result)
    {
        m_result = &result;
        extend(0, 0);
    }

private:
    bool isMarked(std::uint64_t rank) const { return (m_marked[rank >> 6] >> (rank & 63)) & 1; }

    // Whether adding x (above every chosen element) completes a marked g-subset.
    bool completesMarked(int x) const
    {
        const std::uint64_t top = choose(x, m_g);
        const std::size_t count = m_sizes[static_cast<std::size_t>(m_g - 1)];
        const auto &ranks = m_ranks[static_cast<std::size_t>(m_g - 1)];
        for (std::size_t i = 0; i < count; ++i) {
            if (isMarked(ranks[i] + top))
                return true;
        }
        return false;
    }

    void extend(int depth, int from)
    {
        const int last = m_v - (m_c - depth);
        for (int x = from; x <= last; ++x) {
            m_chosen[static_cast<std::size_t>(depth)] = x;
            if (depth + 1 >= m_g && completesMarked(x))
                continue;
            if (depth + 1 == m_c) {
                recordFailing();
                continue;
            }
            // Partial ranks of the j-subsets that contain x, for every j below g.
            std::array<std::size_t, maxDraw> saved = m_sizes;
            for (int j = std::min(depth + 1, m_g - 1); j >= 1; --j) {
                const auto uj = static_cast<std::size_t>(j);
                const std::uint64_t add = choose(x, j);
                for (std::size_t i = 0; i < saved[uj - 1]; ++i)
                    m_ranks[uj][m_sizes[uj]++] = m_ranks[uj - 1][i] + add;
            }
            extend(depth + 1, x + 1);
            m_sizes = saved;
        }
    }

    void recordFailing()
    {
        if (m_result->failing++ == 0) {
            for (int i = 0; i < m_c; ++i) {
                const auto ui = static_cast<std::size_t>(i);
                m_result->firstFailing[ui] = static_cast<std::uint8_t>(m_chosen[ui] + 1);
            }
        }
    }

    int m_v;
    int m_g;
    int m_c;
    const std::vector<std::uint64_t> &m_marked;
    GuaranteeResult *m_result = nullptr;
    std::array<int, maxDraw> m_chosen{};
    // m_ranks[j]: partial colex ranks of the j-subsets of the chosen elements (at most C(5,2)).
    std::array<std::array<std::uint64_t, 16>, maxDraw> m_ranks{};
    std::array<std::size_t, maxDraw> m_sizes{};
};

// Sets the bit of every g-subset of the grid's distinct positions in 1..v.
void markGrid(const Grid &grid, int v, int g, std::vector<std::uint64_t> &marked)
{
    std::array<int, 6> points{};
    int n = 0;
    bool seen[maxPool] = {};
    for (const std::uint8_t p : grid) {
        if (p >= 1 && p <= v && !seen[p - 1]) {
            seen[p - 1] = true;
            ++n;
        }
    }
    for (int q = 0, i = 0; q < v; ++q) {
        if (seen[q])
            points[static_cast<std::size_t>(i++)] = q;
    }
    if (n < g)
        return;
    // Walk the g-subsets of the n points by index vectors.
    std::array<int, 6> idx{};
    for (int i = 0; i < g; ++i)
        idx[static_cast<std::size_t>(i)] = i;
    for (;;) {
        std::uint64_t rank = 0;
        for (int i = 0; i < g; ++i)
            rank +=
                choose(points[static_cast<std::size_t>(idx[static_cast<std::size_t>(i)])], i + 1);
        marked[rank >> 6] |= std::uint64_t{1} << (rank & 63);
        int i = g - 1;
        while (i >= 0 && idx[static_cast<std::size_t>(i)] == n - g + i)
            --i;
        if (i < 0)
            return;
        ++idx[static_cast<std::size_t>(i)];
        for (int j = i + 1; j < g; ++j)
            idx[static_cast<std::size_t>(j)] = idx[static_cast<std::size_t>(j - 1)] + 1;
    }
}

}  // namespace

GuaranteeResult checkGuarantee(int v, int g, int c, std::span<const Grid> grids)
{
    if (g < 1 || g > c || c > maxDraw || c > v || v > maxPool)
        throw std::invalid_argument("guarantee parameters out of range");
    std::vector<std::uint64_t> marked((choose(v, g) + 63) / 64, 0);
    for (const Grid &grid : grids)
        markGrid(grid, v, g, marked);
    GuaranteeResult result;
    result.draws = choose(v, c);
    DrawSearch(v, g, c, marked).run(result);
    return result;
}
