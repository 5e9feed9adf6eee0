#include "engine/wheeldata.h"

Grid GeneratedTable::grid(int index) const
{
    Grid g{};
    const char *p = positions + 6 * static_cast<long>(index - 1);
    for (std::size_t r = 0; r < 6; ++r)
        g[r] = static_cast<std::uint8_t>(p[r] - '#');
    return g;
}

const GeneratedTable *generatedTable(int)
{
    return nullptr;
}
