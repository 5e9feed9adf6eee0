#include "engine/randomselection.h"
#include "selectionhelpers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <vector>

namespace {

}  // namespace

TEST(RandomSelection, TicksTheRequestedCountOfDistinctNumbers)
{
    std::mt19937 generator(7);
    Selection s;
    const std::vector<int> drawn = paleatoire(s, 22, 49, 2, generator);
    ASSERT_EQ(drawn.size(), 22u);
    EXPECT_EQ(std::set<int>(drawn.begin(), drawn.end()).size(), 22u);
    EXPECT_EQ(pcomptecoche(s), 22);
    std::vector<int> sorted = drawn;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(tickedNumbers(s), sorted);
    EXPECT_GE(sorted.front(), 1);
    EXPECT_LE(sorted.back(), 49);
}

TEST(RandomSelection, PositionListHoldsTheNumbersInDrawOrder)
{
    std::mt19937 generator(11);
    Selection s;
    const std::vector<int> drawn = paleatoire(s, 11, 49, 1, generator);
    EXPECT_EQ(positionSlots(s, 12), [&] {
        std::vector<int> expected = drawn;
        expected.push_back(0);
        return expected;
    }());
}

TEST(RandomSelection, ReplacesThePreviousSelectionEntirely)
{
    std::mt19937 generator(3);
    Selection s;
    for (int n = 50; n <= 60; ++n)
        basculecoche(s, n);
    const std::vector<int> drawn = paleatoire(s, 7, 49, 2, generator);
    EXPECT_EQ(pcomptecoche(s), 7);
    EXPECT_EQ(positionSlots(s, 7), drawn);
    EXPECT_EQ(s.tabnumsel[8], 0);
}

TEST(RandomSelection, SameSeedGivesTheSameDraw)
{
    std::mt19937 first(2024);
    std::mt19937 second(2024);
    Selection a;
    Selection b;
    EXPECT_EQ(paleatoire(a, 10, 49, 2, first), paleatoire(b, 10, 49, 2, second));
}

TEST(RandomSelection, FreshGeneratorsAreIndependent)
{
    std::mt19937 first = freshGenerator();
    std::mt19937 second = freshGenerator();
    const std::array<std::mt19937::result_type, 4> a{first(), first(), first(), first()};
    const std::array<std::mt19937::result_type, 4> b{second(), second(), second(), second()};
    EXPECT_NE(a, b);
}

class RandomSelectionCellLayouts : public ::testing::TestWithParam<int> {};

TEST_P(RandomSelectionCellLayouts, StayWithinFortyNineEvenWithRandomMaxFiftyFive)
{
    std::mt19937 generator(static_cast<std::uint32_t>(GetParam()));
    int highest = 0;
    for (int round = 0; round < 200; ++round) {
        Selection s;
        const std::vector<int> drawn = paleatoire(s, 22, 55, GetParam(), generator);
        ASSERT_EQ(drawn.size(), 22u);
        highest = std::max(highest, *std::max_element(drawn.begin(), drawn.end()));
    }
    EXPECT_EQ(highest, 49);
}

INSTANTIATE_TEST_SUITE_P(Layouts, RandomSelectionCellLayouts, ::testing::Values(1, 2, 3, 4, 5));

TEST(RandomSelection, GeneralLayoutDrawsUpToRandomMax)
{
    std::mt19937 generator(5);
    int highest = 0;
    for (int round = 0; round < 200; ++round) {
        Selection s;
        const std::vector<int> drawn = paleatoire(s, 22, 55, 6, generator);
        highest = std::max(highest, *std::max_element(drawn.begin(), drawn.end()));
    }
    EXPECT_EQ(highest, 55);
}

TEST(RandomSelection, CountAboveTheBoundStopsWhenCandidatesRunOut)
{
    std::mt19937 generator(9);
    Selection s;
    const std::vector<int> drawn = paleatoire(s, 40, 35, 1, generator);
    ASSERT_EQ(drawn.size(), 35u);
    std::vector<int> everyNumber(35);
    for (int n = 1; n <= 35; ++n)
        everyNumber[static_cast<std::size_t>(n - 1)] = n;
    EXPECT_EQ(tickedNumbers(s), everyNumber);
}

TEST(RandomSelection, EveryNumberIsDrawnAboutEquallyOften)
{
    // 10000 draws of 6 among 49: each number is expected 1224.5 times (standard deviation
    // about 33); a candidate that is never or doubly reachable falls far outside the band.
    std::mt19937 generator(12345);
    std::array<int, 50> counts{};
    for (int round = 0; round < 10000; ++round) {
        Selection s;
        for (const int n : paleatoire(s, 6, 49, 2, generator))
            ++counts[static_cast<std::size_t>(n)];
    }
    for (int n = 1; n <= 49; ++n) {
        EXPECT_GT(counts[static_cast<std::size_t>(n)], 1100) << "number " << n;
        EXPECT_LT(counts[static_cast<std::size_t>(n)], 1350) << "number " << n;
    }
}

TEST(RandomSelection, LastDrawsOfAFullDrawAreAlsoUniform)
{
    // Drawing all of 1..10 exercises the removal of slots: the last number drawn must be
    // any of the ten equally often.
    std::mt19937 generator(77);
    std::array<int, 11> lastCounts{};
    for (int round = 0; round < 5000; ++round) {
        Selection s;
        const std::vector<int> drawn = paleatoire(s, 10, 10, 6, generator);
        ++lastCounts[static_cast<std::size_t>(drawn.back())];
    }
    for (int n = 1; n <= 10; ++n) {
        EXPECT_GT(lastCounts[static_cast<std::size_t>(n)], 400) << "number " << n;
        EXPECT_LT(lastCounts[static_cast<std::size_t>(n)], 600) << "number " << n;
    }
}

TEST(RandomSelection, NoCandidatesLeavesTheSelectionEmpty)
{
    std::mt19937 generator(1);
    Selection s;
    basculecoche(s, 4);
    EXPECT_TRUE(paleatoire(s, 6, 0, 6, generator).empty());
    EXPECT_EQ(pcomptecoche(s), 0);
    EXPECT_EQ(s.tabnumsel[1], 0);
}

struct BoundCase {
    const char *name;
    int randomMax;
    int displayLayout;
    int bound;
};

class RandomBound : public ::testing::TestWithParam<BoundCase> {};

TEST_P(RandomBound, FollowsLayoutAndSetting)
{
    EXPECT_EQ(randomBound(GetParam().randomMax, GetParam().displayLayout), GetParam().bound);
}

INSTANTIATE_TEST_SUITE_P(Cases, RandomBound,
                         ::testing::Values(BoundCase{"DefaultNormal", 49, 1, 49},
                                           BoundCase{"LowSetting", 35, 2, 35},
                                           BoundCase{"HighSettingCellLayout", 55, 5, 49},
                                           BoundCase{"HighSettingGeneral", 55, 6, 55},
                                           BoundCase{"FileValueSixtyGeneral", 60, 6, 60},
                                           BoundCase{"OversizedFileValue", 500, 6, 99},
                                           BoundCase{"NegativeFileValue", -4, 1, 0}),
                         [](const ::testing::TestParamInfo<BoundCase> &info) {
                             return std::string(info.param.name);
                         });
