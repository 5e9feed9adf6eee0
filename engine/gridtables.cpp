#include "engine/gridtables.h"

#include "engine/wheeldata.h"

#include <span>

namespace {

// Method 1: 11 grids over positions 1..11.
// clang-format off
constexpr Grid method1[] = {
    {2, 3, 4, 6, 7, 9},
    {3, 4, 5, 7, 8, 10},
    {4, 5, 6, 8, 9, 11},
    {1, 5, 6, 7, 9, 10},
    {2, 6, 7, 8, 10, 11},
    {1, 3, 7, 8, 9, 11},
    {1, 2, 4, 8, 9, 10},
    {2, 3, 5, 9, 10, 11},
    {1, 3, 4, 6, 10, 11},
    {1, 2, 4, 5, 7, 11},
    {1, 2, 3, 5, 6, 8},
};
// clang-format on

// Method 2: 20 grids over positions 1..12, guarantee 4 if 5 among 12 (the first table left
// 28 of the 792 five-position draws with 3 hits). Found by tabu search and proven with
// checkGuarantee: mirazol-wheelgen --search 12 4 5 20 2
// clang-format off
constexpr Grid method2[] = {
    {1, 2, 3, 4, 6, 9},
    {1, 2, 3, 7, 9, 10},
    {1, 2, 4, 7, 8, 12},
    {1, 2, 6, 10, 11, 12},
    {1, 3, 4, 5, 8, 11},
    {1, 3, 4, 9, 11, 12},
    {1, 5, 6, 8, 10, 12},
    {1, 5, 7, 9, 10, 11},
    {2, 3, 4, 5, 7, 11},
    {2, 3, 5, 8, 9, 11},
    {2, 3, 5, 8, 9, 12},
    {2, 3, 7, 8, 11, 12},
    {2, 4, 5, 6, 7, 10},
    {2, 4, 5, 10, 11, 12},
    {3, 4, 5, 7, 9, 12},
    {3, 4, 6, 8, 9, 10},
    {3, 5, 6, 7, 8, 9},
    {3, 6, 7, 10, 11, 12},
    {4, 5, 6, 7, 8, 11},
    {6, 7, 8, 9, 11, 12},
};
// clang-format on

// Method 3: 10 grids over positions 1..10.
// clang-format off
constexpr Grid method3[] = {
    {1, 2, 3, 4, 5, 10},
    {1, 6, 7, 8, 9, 10},
    {3, 6, 7, 8, 9, 10},
    {2, 6, 7, 8, 9, 10},
    {1, 2, 3, 4, 5, 8},
    {5, 6, 7, 8, 9, 10},
    {1, 2, 3, 4, 5, 9},
    {4, 6, 7, 8, 9, 10},
    {1, 2, 3, 4, 5, 6},
    {1, 2, 3, 4, 5, 7},
};
// clang-format on

// Method 4: 8 grids over positions 1..9.
// clang-format off
constexpr Grid method4[] = {
    {1, 2, 3, 4, 5, 6},
    {4, 5, 6, 7, 8, 9},
    {1, 2, 3, 4, 7, 8},
    {1, 2, 3, 5, 7, 9},
    {1, 2, 3, 6, 8, 9},
    {1, 2, 4, 5, 8, 9},
    {1, 2, 4, 6, 7, 9},
    {1, 2, 5, 6, 7, 8},
};
// clang-format on

// Method 5: 3 grids over positions 1..10.
// clang-format off
constexpr Grid method5[] = {
    {1, 2, 3, 4, 5, 6},
    {5, 6, 7, 8, 9, 10},
    {1, 2, 3, 7, 8, 9},
};
// clang-format on

// Method 6: 58 grids over positions 1..22.
// clang-format off
constexpr Grid method6[] = {
    {2, 4, 10, 13, 14, 20},
    {2, 7, 9, 11, 12, 17},
    {4, 11, 15, 18, 19, 22},
    {1, 3, 4, 5, 6, 9},
    {3, 7, 8, 10, 15, 16},
    {5, 8, 12, 13, 18, 21},
    {1, 14, 16, 17, 21, 22},
    {6, 9, 15, 19, 20, 21},
    {1, 6, 7, 11, 13, 19},
    {2, 3, 5, 19, 20, 22},
    {1, 10, 12, 17, 18, 20},
    {2, 6, 8, 14, 17, 18},
    {5, 11, 12, 14, 15, 16},
    {8, 9, 10, 11, 13, 22},
    {4, 6, 7, 12, 16, 22},
    {3, 7, 9, 14, 18, 19},
    {3, 4, 11, 17, 20, 21},
    {1, 2, 3, 13, 15, 16},
    {5, 10, 16, 17, 19, 21},
    {1, 4, 8, 12, 14, 19},
    {5, 7, 13, 15, 17, 20},
    {2, 8, 9, 16, 18, 20},
    {3, 6, 10, 12, 21, 22},
    {1, 2, 5, 7, 21, 22},
    {5, 6, 10, 11, 14, 18},
    {4, 9, 13, 14, 15, 21},
    {6, 8, 9, 15, 17, 22},
    {3, 12, 13, 16, 17, 19},
    {1, 3, 6, 8, 11, 20},
    {1, 2, 10, 15, 18, 21},
    {4, 5, 7, 8, 10, 19},
    {2, 4, 6, 13, 16, 18},
    {7, 11, 14, 16, 20, 21},
    {9, 12, 13, 14, 20, 22},
    {1, 9, 10, 11, 16, 19},
    {1, 2, 4, 12, 15, 19},
    {4, 7, 8, 17, 18, 22},
    {2, 3, 5, 11, 14, 15},
    {6, 7, 10, 12, 15, 20},
    {2, 6, 8, 12, 19, 21},
    {4, 5, 9, 10, 13, 17},
    {1, 4, 5, 16, 18, 22},
    {3, 9, 12, 15, 18, 21},
    {8, 10, 13, 14, 17, 19},
    {2, 3, 4, 11, 13, 22},
    {1, 3, 5, 7, 8, 14},
    {6, 14, 15, 16, 19, 20},
    {5, 8, 11, 15, 16, 17},
    {7, 13, 17, 18, 20, 21},
    {7, 9, 10, 15, 16, 22},
    {1, 4, 7, 8, 20, 21},
    {2, 3, 6, 10, 18, 22},
    {5, 9, 10, 11, 12, 20},
    {3, 4, 5, 6, 14, 17},
    {1, 9, 13, 14, 19, 21},
    {1, 3, 10, 11, 12, 16},
    {1, 5, 12, 13, 20, 22},
    {2, 5, 7, 8, 16, 19},
};
// clang-format on

// Method 7: 5 grids over positions 1..7.
// clang-format off
constexpr Grid method7[] = {
    {1, 2, 3, 4, 5, 6},
    {1, 2, 3, 4, 5, 7},
    {1, 2, 3, 4, 6, 7},
    {1, 2, 3, 5, 6, 7},
    {1, 2, 4, 5, 6, 7},
};
// clang-format on

// Method 8: 6 grids over positions 1..7.
// clang-format off
constexpr Grid method8[] = {
    {1, 2, 3, 4, 5, 6},
    {1, 2, 3, 4, 5, 7},
    {1, 2, 3, 4, 6, 7},
    {1, 2, 3, 5, 6, 7},
    {1, 2, 4, 5, 6, 7},
    {1, 3, 4, 5, 6, 7},
};
// clang-format on

// clang-format off
constexpr std::span<const Grid> handTables[] = {
    {}, method1, method2, method3, method4, method5, method6, method7, method8,
};
// clang-format on

// Full systems play every 6-subset of their pool, so they are generated, not stored.
struct FullSystem {
    int method;
    int nbnumeros;
};
// clang-format off
constexpr FullSystem fullSystems[] = {
    {61, 10}, {62, 8}, {63, 9}, {64, 11}, {101, 13}, {102, 14},
    {103, 15}, {104, 16}, {105, 17}, {130, 7},
};
// clang-format on

const FullSystem *fullSystem(int method)
{
    for (const FullSystem &f : fullSystems) {
        if (f.method == method)
            return &f;
    }
    return nullptr;
}

long long binomial(int n, int k)
{
    if (k < 0 || k > n)
        return 0;
    long long r = 1;
    for (int i = 1; i <= k; ++i)
        r = r * (n - k + i) / i;
    return r;
}

// The 6-subset of 1..n at lexicographic rank `rank` (0-based).
Grid unrankSubset(int n, long long rank)
{
    Grid grid{};
    int next = 1;
    for (int slot = 0; slot < 6; ++slot) {
        for (;; ++next) {
            const long long withNext = binomial(n - next, 5 - slot);
            if (rank < withNext)
                break;
            rank -= withNext;
        }
        grid[static_cast<std::size_t>(slot)] = static_cast<std::uint8_t>(next++);
    }
    return grid;
}

std::span<const Grid> handTable(int method)
{
    if (method >= 1 && method < static_cast<int>(std::size(handTables)))
        return handTables[method];
    return {};
}

}  // namespace

bool hasGridTable(int method)
{
    return gridCount(method) > 0;
}

int gridCount(int method)
{
    if (!handTable(method).empty())
        return static_cast<int>(handTable(method).size());
    if (const FullSystem *full = fullSystem(method))
        return static_cast<int>(binomial(full->nbnumeros, 6));
    if (const GeneratedTable *generated = generatedTable(method))
        return generated->count;
    return 0;
}

Grid gridPositions(int method, int index)
{
    const auto i = static_cast<std::size_t>(index - 1);
    if (const std::span<const Grid> hand = handTable(method); !hand.empty())
        return hand[i];
    if (const FullSystem *full = fullSystem(method))
        return unrankSubset(full->nbnumeros, index - 1);
    return generatedTable(method)->grid(index);
}

std::vector<Grid> gridTable(int method)
{
    std::vector<Grid> table;
    const int count = gridCount(method);
    table.reserve(static_cast<std::size_t>(count));
    for (int i = 1; i <= count; ++i)
        table.push_back(gridPositions(method, i));
    return table;
}
