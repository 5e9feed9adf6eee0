#pragma once

#include <cstdint>

// Schönheim's lower bound on the blocks of k points covering every t-subset of v points.
std::uint64_t schoenheimBound(int v, int k, int t);

// Counting bound for "g if c among v" with grids of 6: C(v,c) divided by the number of
// c-subsets that one grid meets in g or more points, rounded up.
std::uint64_t countingBound(int v, int g, int c);

// The better of the two bounds that apply to "g if c among v" with grids of 6.
std::uint64_t lowerBound(int v, int g, int c);
