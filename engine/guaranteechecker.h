#pragma once

#include "engine/gridtables.h"

#include <array>
#include <cstdint>
#include <span>

// Outcome of checking a guarantee "g if c among v" exhaustively.
struct GuaranteeResult {
    std::uint64_t draws = 0;    // c-subsets of the v positions, C(v, c)
    std::uint64_t failing = 0;  // c-subsets that meet no grid in g or more positions
    // The lexicographically first failing c-subset, ascending, zeros after the c-th entry;
    // all zeros when the guarantee holds.
    std::array<std::uint8_t, 6> firstFailing{};
    bool holds() const { return failing == 0; }
};

// Checks that every c-subset of positions 1..v meets some grid in at least g positions.
// A grid's positions outside 1..v, and repeats, never meet a draw.
// Requires 1 <= g <= c <= 6 and c <= v <= 64; throws std::invalid_argument otherwise.
GuaranteeResult checkGuarantee(int v, int g, int c, std::span<const Grid> grids);
