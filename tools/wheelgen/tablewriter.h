#pragma once

#include "engine/gridtables.h"

#include <map>
#include <ostream>
#include <string>
#include <vector>

// A proven table ready to be stored.
struct StoredTable {
    std::vector<Grid> grids;
    std::string construction;
};

// Writes the engine's generated data: one compact table per method, the command that
// regenerates them at the top.
void writeWheelData(std::ostream &out, const std::map<int, StoredTable> &tables,
                    const std::string &command);

// Writes the overview of every catalogue row: parameters, catalogue count, our count, lower
// bound, construction and status. `tables` holds the generated tables; the other rows are read
// from the engine.
void writeWheelDocs(std::ostream &out, const std::map<int, StoredTable> &tables,
                    const std::string &command);
