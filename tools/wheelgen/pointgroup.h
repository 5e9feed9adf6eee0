#pragma once

#include "design.h"
#include "subsets.h"

#include <cstdint>
#include <limits>
#include <vector>

// A permutation group on the points 0..v-1 given by generators: `copies` copies of Z_n, each
// turned by x -> x+1 and, when `multiplier` > 1, by x -> multiplier*x (all copies at once),
// followed by `fixed` points that every generator leaves in place, and then, when `cycle` > 0,
// a cycle of that length that x -> x+1 turns one step too (the multiplier leaves it in place).
// With `quaternion`, the 8 copies are the elements 1, i, j, k, -1, -i, -j, -k of the quaternion
// group Q8, and i and j move whole copies by left multiplication: with Z_n the group is Q8 x Z_n
// acting on itself. v = copies * n + fixed + cycle.
struct PointGroup {
    int n = 0;
    int copies = 1;
    int fixed = 0;
    int multiplier = 1;
    int cycle = 0;
    bool quaternion = false;

    int points() const { return copies * n + fixed + cycle; }
    // Each generator as the image of every point.
    std::vector<std::vector<int>> generators() const;
};

// The image of a set of points under a permutation given as the image of every point.
Block image(Block set, const std::vector<int> &permutation);

// The distinct images of `block` under the group the generators make, `block` first.
std::vector<Block> orbitOf(Block block, const std::vector<std::vector<int>> &generators);

// The design of 6-point blocks on v points made of the orbits of `blocks`, sorted; an orbit that
// two of them share counts once.
Design orbitDesign(int v, const std::vector<Block> &blocks,
                   const std::vector<std::vector<int>> &generators);

// Every element of the group the generators make, the identity first.
std::vector<std::vector<int>> elementsOf(const std::vector<std::vector<int>> &generators, int v);

// The orbits of the `size`-subsets: label[rank] = orbit, by colex rank, with each orbit's first
// subset in colex order and its size.
struct Orbits {
    static constexpr std::uint32_t none = std::numeric_limits<std::uint32_t>::max();
    std::vector<std::uint32_t> label;
    std::vector<Block> first;
    std::vector<std::uint32_t> size;
};
Orbits orbitsOf(int v, int size, const std::vector<std::vector<int>> &generators,
                const SubsetRanks &ranks);
