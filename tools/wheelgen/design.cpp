#include "design.h"

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
