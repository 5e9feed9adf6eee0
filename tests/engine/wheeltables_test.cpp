#include "engine/gridtables.h"
#include "engine/guaranteechecker.h"
#include "engine/methodcatalogue.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

namespace {

using Draw = std::array<std::uint8_t, 6>;

GuaranteeResult checkMethod(int method, const std::vector<Grid> &grids)
{
    const MethodTable rows = catalogueRows();
    const Tmethode &row = rows[static_cast<std::size_t>(method)];
    return checkGuarantee(row.nbnumeros, row.garantie, row.condition, grids);
}

// The method's table without grid `index` (0-based).
std::vector<Grid> withoutGrid(int method, std::size_t index)
{
    std::vector<Grid> grids = gridTable(method);
    grids.erase(grids.begin() + static_cast<std::ptrdiff_t>(index));
    return grids;
}

}  // namespace

TEST(WheelTables, EveryOfferedTableKeepsItsGuaranteeWithinTheCatalogueCount)
{
    const MethodTable rows = catalogueRows();
    int offered = 0;
    int belowCatalogue = 0;
    for (int m = 1; m <= methodCount; ++m) {
        if (!hasGridTable(m))
            continue;
        ++offered;
        belowCatalogue += gridCount(m) < catalogueGridCount(m) ? 1 : 0;
        const GuaranteeResult r = checkMethod(m, gridTable(m));
        EXPECT_TRUE(r.holds()) << "method " << m << ": " << r.failing << " failing draws";
        EXPECT_LE(gridCount(m), catalogueGridCount(m)) << "method " << m;
        EXPECT_EQ(rows[static_cast<std::size_t>(m)].nbgrilles, gridCount(m)) << "method " << m;
    }
    EXPECT_EQ(offered, methodCount);
    EXPECT_GE(belowCatalogue, 50);
}

TEST(WheelTables, MendedMethod2KeepsFourIfFiveAmongTwelveInTwentyGrids)
{
    EXPECT_EQ(gridCount(2), 20);
    const GuaranteeResult r = checkGuarantee(12, 4, 5, gridTable(2));
    EXPECT_EQ(r.draws, 792u);
    EXPECT_TRUE(r.holds());
}

TEST(WheelTables, SteinerSystemOnTwelveLosesExactlyTheFiveSubsetsOfARemovedGrid)
{
    // S(5,6,12): every 5-subset lies in exactly one grid, so the 6 five-subsets of the removed
    // grid are the only draws left without 5 hits.
    ASSERT_EQ(gridCount(37), 132);
    const Grid removed = gridPositions(37, 50);
    const GuaranteeResult r = checkMethod(37, withoutGrid(37, 49));
    EXPECT_EQ(r.draws, 792u);
    EXPECT_EQ(r.failing, 6u);
    EXPECT_EQ(r.firstFailing,
              (Draw{removed[0], removed[1], removed[2], removed[3], removed[4], 0}));
}

TEST(WheelTables, SteinerSystemOnTwentyTwoLosesExactlyTheTriplesOfARemovedGrid)
{
    ASSERT_EQ(gridCount(74), 77);
    const Grid removed = gridPositions(74, 1);
    const GuaranteeResult r = checkMethod(74, withoutGrid(74, 0));
    EXPECT_EQ(r.draws, 1540u);
    EXPECT_EQ(r.failing, 20u);
    EXPECT_EQ(r.firstFailing, (Draw{removed[0], removed[1], removed[2], 0, 0, 0}));
}

TEST(WheelTables, SteinerSystemOnTwentyFourLosesExactlyTheFiveSubsetsOfARemovedGrid)
{
    ASSERT_EQ(gridCount(126), 7084);
    const Grid removed = gridPositions(126, 7084);
    const GuaranteeResult r = checkMethod(126, withoutGrid(126, 7083));
    EXPECT_EQ(r.draws, 42504u);
    EXPECT_EQ(r.failing, 6u);
    EXPECT_EQ(r.firstFailing,
              (Draw{removed[0], removed[1], removed[2], removed[3], removed[4], 0}));
}
