#pragma once

#include "engine/gridtables.h"

#include <cstdint>
#include <vector>

// A block is a set of points 0..v-1 held as a bit mask (v <= 64).
using Block = std::uint64_t;

// A set of blocks of `k` points over the points 0..v-1.
struct Design {
    int v = 0;
    int k = 6;
    std::vector<Block> blocks;
};

// What a design must achieve: every c-subset of the v points meets some block of k points
// in at least g points.
struct Requirement {
    int v = 0;
    int k = 6;
    int g = 0;
    int c = 0;
};

// C(n, r) for small arguments; 0 when r is out of 0..n.
std::uint64_t binomial(int n, int r);

// The block's points in ascending order.
std::vector<int> pointsOf(Block block);

// The design's blocks as grids of positions 1..v, each ascending (k must be 6).
std::vector<Grid> toGrids(const Design &design);

// The grids as a design of 6-point blocks over v points.
Design fromGrids(int v, const std::vector<Grid> &grids);
