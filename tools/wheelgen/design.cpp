#include "design.h"

#include "engine/guaranteechecker.h"

#include <bit>

std::uint64_t binomial(int n, int r)
{
    if (r < 0 || r > n)
        return 0;
    std::uint64_t value = 1;
    for (int i = 1; i <= r; ++i)
        value = value * static_cast<std::uint64_t>(n - r + i) / static_cast<std::uint64_t>(i);
    return value;
}

std::vector<int> pointsOf(Block block)
{
    std::vector<int> points;
    while (block != 0) {
        points.push_back(std::countr_zero(block));
        block &= block - 1;
    }
    return points;
}

std::vector<Grid> toGrids(const Design &design)
{
    std::vector<Grid> grids;
    grids.reserve(design.blocks.size());
    for (const Block block : design.blocks) {
        Grid grid{};
        const std::vector<int> points = pointsOf(block);
        for (std::size_t i = 0; i < grid.size() && i < points.size(); ++i)
            grid[i] = static_cast<std::uint8_t>(points[i] + 1);
        grids.push_back(grid);
    }
    return grids;
}

Design fromGrids(int v, const std::vector<Grid> &grids)
{
    Design design{v, 6, {}};
    for (const Grid &grid : grids) {
        Block block = 0;
        for (const std::uint8_t p : grid)
            block |= Block{1} << (p - 1);
        design.blocks.push_back(block);
    }
    return design;
}

namespace {

// Whether every c-subset of 0..v-1 meets a block in g points, by walking all c-subsets.
bool meetsByEnumeration(const Design &design, const Requirement &r)
{
    std::vector<int> idx(static_cast<std::size_t>(r.c));
    for (int i = 0; i < r.c; ++i)
        idx[static_cast<std::size_t>(i)] = i;
    for (;;) {
        Block draw = 0;
        for (const int p : idx)
            draw |= Block{1} << p;
        bool met = false;
        for (const Block block : design.blocks) {
            if (std::popcount(block & draw) >= r.g) {
                met = true;
                break;
            }
        }
        if (!met)
            return false;
        int i = r.c - 1;
        while (i >= 0 && idx[static_cast<std::size_t>(i)] == r.v - r.c + i)
            --i;
        if (i < 0)
            return true;
        ++idx[static_cast<std::size_t>(i)];
        for (int j = i + 1; j < r.c; ++j)
            idx[static_cast<std::size_t>(j)] = idx[static_cast<std::size_t>(j - 1)] + 1;
    }
}

} // namespace

bool meets(const Design &design, const Requirement &requirement)
{
    for (const Block block : design.blocks) {
        if (std::popcount(block) != requirement.k ||
            (requirement.v < 64 && (block >> requirement.v) != 0))
            return false;
    }
    if (requirement.k == 6)
        return checkGuarantee(requirement.v, requirement.g, requirement.c, toGrids(design)).holds();
    return meetsByEnumeration(design, requirement);
}
