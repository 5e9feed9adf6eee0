#pragma once

#include "engine/gridtables.h"

// A grid table built by the wheel construction tool and stored as generated data:
// `positions` holds 6 characters per grid, position p written as the character '#' + p.
struct GeneratedTable {
    int method = 0;
    int count = 0;
    const char *positions = nullptr;
    const char *construction = nullptr;  // how the tool built the table, in a few words

    // Grid `index` (1-based) of the table.
    Grid grid(int index) const;
};

// The generated table of a method, or nullptr when the tool has built none for it.
const GeneratedTable *generatedTable(int method);
