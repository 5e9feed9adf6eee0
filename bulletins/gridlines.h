#pragma once

#include "engine/selection.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// A flag table indexed by number 0..99, such as `tabgrille`: 1 = the number is in.
using GridFlags = std::array<std::int16_t, 100>;

// The list window's line of grid `index`: the label word, the index padded to three digits
// ("Grille: 007 :"), then "-" and every number 1..99 of the grid in two digits.
std::string listLine(std::string_view label, int index, const GridFlags &tabgrille);

// An export line: each number preceded by a blank, numbers separated by commas
// (" 3, 11, 19, 24, 38, 45"); empty for no numbers. No line end.
std::string exportLine(std::span<const int> numbers);

// The export line of a grid: its numbers 1..49 only.
std::string exportLine(const GridFlags &tabgrille);

// Starts a consumer on `method` (grid count `nbgrilles`) and expands each grid in turn,
// returning one list line per grid; `tabgrille` keeps the last grid. None when nbgrilles <= 0.
std::vector<std::string> listLines(Selection &s, int method, int nbgrilles, std::string_view label);

// As listLines, with the export line of each grid.
std::vector<std::string> exportLines(Selection &s, int method, int nbgrilles);
