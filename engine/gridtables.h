#pragma once

#include <array>
#include <cstdint>
#include <vector>

// Six positions of one grid, ascending, each in 1..nbnumeros of its method.
using Grid = std::array<std::uint8_t, 6>;

// Whether the method has a grid table, so that it can be offered.
bool hasGridTable(int method);

// Number of grids in the method's table; 0 without a table.
int gridCount(int method);

// Grid `index` (1-based) of the method's table. Precondition: 1 <= index <= gridCount(method).
Grid gridPositions(int method, int index);

// The whole table of a method, in table order; empty without a table.
std::vector<Grid> gridTable(int method);
