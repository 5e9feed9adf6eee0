#include "engine/wheeldata.h"

#include <algorithm>
#include <iterator>

namespace {

// The tables of the wheel tool: `methodN` strings and `tables`, ordered by method.
#include "engine/generated/wheeltables.inc"

}  // namespace

Grid GeneratedTable::grid(int index) const
{
    Grid g{};
    const char *p = positions + 6 * static_cast<long>(index - 1);
    for (std::size_t r = 0; r < 6; ++r)
        g[r] = static_cast<std::uint8_t>(p[r] - '#');
    return g;
}

const GeneratedTable *generatedTable(int method)
{
    const auto *it = std::lower_bound(std::begin(tables), std::end(tables), method,
                                      [](const GeneratedTable &t, int m) { return t.method < m; });
    return it != std::end(tables) && it->method == method ? it : nullptr;
}
