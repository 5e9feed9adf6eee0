#include "engine/guaranteechecker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <random>
#include <stdexcept>
#include <vector>

namespace {

using Draw = std::array<std::uint8_t, 6>;

// Method 2's table as first catalogued, before it was mended.
const std::vector<Grid> firstMethod2 = {
    {1, 2, 3, 10, 11, 12}, {1, 2, 4, 5, 7, 10},  {1, 2, 3, 7, 8, 10},  {1, 2, 3, 7, 10, 11},
    {1, 3, 4, 6, 8, 12},   {1, 3, 6, 7, 9, 12},  {1, 3, 6, 9, 10, 12}, {1, 4, 5, 7, 8, 10},
    {1, 4, 5, 7, 10, 11},  {1, 4, 7, 8, 10, 11}, {2, 3, 5, 6, 8, 11},  {2, 3, 5, 7, 9, 11},
    {2, 3, 5, 8, 11, 12},  {2, 5, 6, 7, 9, 11},  {2, 5, 6, 8, 11, 12}, {2, 5, 8, 9, 11, 12},
    {3, 4, 6, 7, 9, 12},   {3, 4, 6, 9, 10, 12}, {3, 6, 7, 9, 10, 12}, {4, 5, 6, 7, 8, 9},
};

// Every 6-subset of 1..v in lexicographic order.
std::vector<Grid> allSixSubsets(int v)
{
    std::vector<Grid> grids;
    Grid g{1, 2, 3, 4, 5, 6};
    for (;;) {
        grids.push_back(g);
        int i = 5;
        while (i >= 0 && g[static_cast<std::size_t>(i)] == v - 5 + i)
            --i;
        if (i < 0)
            return grids;
        ++g[static_cast<std::size_t>(i)];
        for (std::size_t j = static_cast<std::size_t>(i) + 1; j < 6; ++j)
            g[j] = static_cast<std::uint8_t>(g[j - 1] + 1);
    }
}

// Reference count by plain enumeration of every c-subset (bit masks over 1..v).
std::uint64_t failingByEnumeration(int v, int g, int c, const std::vector<Grid> &grids)
{
    std::vector<std::uint64_t> masks;
    for (const Grid &grid : grids) {
        std::uint64_t m = 0;
        for (std::uint8_t p : grid)
            m |= std::uint64_t{1} << (p - 1);
        masks.push_back(m);
    }
    std::uint64_t failing = 0;
    for (std::uint64_t draw = 0; draw < (std::uint64_t{1} << v); ++draw) {
        if (__builtin_popcountll(draw) != c)
            continue;
        bool met = false;
        for (std::uint64_t m : masks)
            met = met || __builtin_popcountll(draw & m) >= g;
        failing += met ? 0 : 1;
    }
    return failing;
}

std::vector<Grid> randomGrids(int v, int count, unsigned seed)
{
    std::mt19937 random(seed);
    std::vector<Grid> grids;
    for (int k = 0; k < count; ++k) {
        std::vector<int> pool;
        for (int p = 1; p <= v; ++p)
            pool.push_back(p);
        std::shuffle(pool.begin(), pool.end(), random);
        Grid g{};
        for (std::size_t i = 0; i < 6; ++i)
            g[i] = static_cast<std::uint8_t>(pool[i]);
        std::sort(g.begin(), g.end());
        grids.push_back(g);
    }
    return grids;
}

}  // namespace

TEST(GuaranteeChecker, FirstMethod2TableLeavesTwentyEightDrawsWithThreeHits)
{
    const GuaranteeResult r = checkGuarantee(12, 4, 5, firstMethod2);
    EXPECT_EQ(r.draws, 792u);
    EXPECT_EQ(r.failing, 28u);
    EXPECT_FALSE(r.holds());
}

TEST(GuaranteeChecker, FullSystemHoldsAndLosesExactlyTheRemovedGrid)
{
    std::vector<Grid> grids = allSixSubsets(9);
    EXPECT_TRUE(checkGuarantee(9, 6, 6, grids).holds());
    grids.erase(grids.begin() + 40);
    const GuaranteeResult r = checkGuarantee(9, 6, 6, grids);
    EXPECT_EQ(r.draws, 84u);
    EXPECT_EQ(r.failing, 1u);
    EXPECT_EQ(r.firstFailing, allSixSubsets(9)[40]);
}

TEST(GuaranteeChecker, SingleGridLotteryCountsDrawsMeetingItInTwoOrFewer)
{
    // Draws of 6 among 12 meeting {1..6} in i positions: C(6,i) * C(6,6-i); i <= 2 fail.
    const GuaranteeResult r = checkGuarantee(12, 3, 6, std::vector<Grid>{{1, 2, 3, 4, 5, 6}});
    EXPECT_EQ(r.draws, 924u);
    EXPECT_EQ(r.failing, 1u + 36u + 225u);
    EXPECT_EQ(r.firstFailing, (Draw{1, 2, 7, 8, 9, 10}));
}

TEST(GuaranteeChecker, EmptyTableFailsEveryDrawFromTheFirst)
{
    const GuaranteeResult r = checkGuarantee(10, 3, 4, {});
    EXPECT_EQ(r.draws, 210u);
    EXPECT_EQ(r.failing, 210u);
    EXPECT_EQ(r.firstFailing, (Draw{1, 2, 3, 4, 0, 0}));
}

TEST(GuaranteeChecker, HoldingGuaranteeReportsNoFailingDraw)
{
    // Two halves of 1..12: a draw of 5 has at least 3 numbers in one of them.
    const GuaranteeResult r =
        checkGuarantee(12, 3, 5, std::vector<Grid>{{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}});
    EXPECT_TRUE(r.holds());
    EXPECT_EQ(r.draws, 792u);
    EXPECT_EQ(r.firstFailing, Draw{});
}

TEST(GuaranteeChecker, PositionsOutsideThePoolNeverMeetADraw)
{
    // Only {1,2,3,4,5} can be met in 5 positions; the other five 5-subsets of 1..6 fail.
    const GuaranteeResult r = checkGuarantee(6, 5, 5, std::vector<Grid>{{1, 2, 3, 4, 5, 60}});
    EXPECT_EQ(r.failing, 5u);
    EXPECT_EQ(r.firstFailing, (Draw{1, 2, 3, 4, 6, 0}));
}

TEST(GuaranteeChecker, RepeatedPositionCountsOnce)
{
    const GuaranteeResult r = checkGuarantee(7, 6, 6, std::vector<Grid>{{1, 1, 2, 3, 4, 5}});
    EXPECT_EQ(r.failing, 7u);
}

TEST(GuaranteeChecker, AgreesWithPlainEnumerationOnRandomTables)
{
    struct Case {
        int v, g, c, grids;
    };
    const Case cases[] = {{12, 3, 6, 3}, {12, 4, 5, 12}, {14, 3, 4, 6}, {11, 5, 6, 15},
                          {10, 2, 3, 2}, {13, 4, 4, 30}, {9, 1, 3, 1},  {15, 3, 5, 4}};
    unsigned seed = 1;
    for (const Case &k : cases) {
        const std::vector<Grid> grids = randomGrids(k.v, k.grids, seed++);
        const GuaranteeResult r = checkGuarantee(k.v, k.g, k.c, grids);
        EXPECT_EQ(r.failing, failingByEnumeration(k.v, k.g, k.c, grids))
            << k.g << " if " << k.c << " among " << k.v;
    }
}

TEST(GuaranteeChecker, ParametersOutOfRangeAreRejected)
{
    EXPECT_THROW(checkGuarantee(10, 4, 3, {}), std::invalid_argument);
    EXPECT_THROW(checkGuarantee(10, 0, 3, {}), std::invalid_argument);
    EXPECT_THROW(checkGuarantee(5, 3, 6, {}), std::invalid_argument);
    EXPECT_THROW(checkGuarantee(65, 3, 3, {}), std::invalid_argument);
    EXPECT_THROW(checkGuarantee(20, 7, 7, {}), std::invalid_argument);
}
