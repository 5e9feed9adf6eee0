#include "subsets.h"

Block allPoints(int v)
{
    return v == 64 ? ~Block{0} : (Block{1} << v) - 1;
}

SubsetRanks::SubsetRanks()
{
    for (int n = 0; n <= 64; ++n) {
        for (int r = 0; r <= 6; ++r)
            m_binomial[n][r] = binomial(n, r);
    }
}

std::uint32_t SubsetRanks::rank(Block set) const
{
    std::uint64_t rank = 0;
    for (int i = 1; set != 0; ++i) {
        rank += m_binomial[std::countr_zero(set)][i];
        set &= set - 1;
    }
    return static_cast<std::uint32_t>(rank);
}

Block SubsetRanks::unrank(std::uint32_t rank, int size) const
{
    Block set = 0;
    int p = 63;
    for (int i = size; i >= 1; --i) {
        while (m_binomial[p][i] > rank)
            --p;
        rank -= static_cast<std::uint32_t>(m_binomial[p][i]);
        set |= Block{1} << p;
        --p;
    }
    return set;
}
