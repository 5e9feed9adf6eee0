#include "bounds.h"

#include "design.h"

#include <algorithm>

std::uint64_t schoenheimBound(int v, int k, int t)
{
    std::uint64_t bound = 1;
    for (int i = t - 1; i >= 0; --i) {
        const auto numerator = static_cast<std::uint64_t>(v - i) * bound;
        const auto denominator = static_cast<std::uint64_t>(k - i);
        bound = (numerator + denominator - 1) / denominator;
    }
    return bound;
}

std::uint64_t countingBound(int v, int g, int c)
{
    std::uint64_t perGrid = 0;
    for (int i = g; i <= std::min(6, c); ++i)
        perGrid += binomial(6, i) * binomial(v - 6, c - i);
    const std::uint64_t draws = binomial(v, c);
    return (draws + perGrid - 1) / perGrid;
}

std::uint64_t lowerBound(int v, int g, int c)
{
    const std::uint64_t counting = countingBound(v, g, c);
    return g == c ? std::max(counting, schoenheimBound(v, 6, g)) : counting;
}
