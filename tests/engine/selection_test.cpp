#include "engine/gridtables.h"
#include "engine/selection.h"
#include "selectionhelpers.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

Selection ticked(const std::vector<int> &numbers)
{
    Selection s;
    for (int n : numbers)
        basculecoche(s, n);
    return s;
}

const std::vector<int> elevenNumbers{3, 7, 12, 18, 22, 25, 31, 36, 40, 44, 49};

}  // namespace

TEST(Selection, TickingKeepsTheOrderOfTickingUntilRebuilt)
{
    Selection s = ticked({49, 3, 20});
    EXPECT_EQ(positionSlots(s, 4), (std::vector<int>{49, 3, 20, 0}));
    EXPECT_EQ(pcomptecoche(s), 3);
    pconstruitnumsel(s);
    EXPECT_EQ(positionSlots(s, 4), (std::vector<int>{3, 20, 49, 0}));
}

TEST(Selection, TickingTwiceRestoresTheState)
{
    Selection s = ticked({5, 9});
    const Selection before = s;
    basculecoche(s, 17);
    basculecoche(s, 17);
    EXPECT_EQ(s.tabcoche, before.tabcoche);
    EXPECT_EQ(s.tabnumsel, before.tabnumsel);
}

TEST(Selection, RemovingMovesLaterSlotsDown)
{
    Selection s = ticked({1, 2, 3, 4});
    pretirenumsel(s, 2);
    EXPECT_EQ(positionSlots(s, 4), (std::vector<int>{1, 3, 4, 0}));
    pretirenumsel(s, 42);
    EXPECT_EQ(positionSlots(s, 4), (std::vector<int>{1, 3, 4, 0}));
}

TEST(Selection, AppendingStopsWhenSlotsOneToNinetyEightAreFull)
{
    Selection s;
    for (int n = 1; n <= 98; ++n)
        pajoutenumsel(s, n);
    pajoutenumsel(s, 99);
    EXPECT_EQ(s.tabnumsel[98], 98);
    EXPECT_EQ(s.tabnumsel[99], 0);
}

TEST(Selection, CountIgnoresIndexZero)
{
    Selection s = ticked({99});
    s.tabcoche[0] = 1;
    EXPECT_EQ(pcomptecoche(s), 1);
}

TEST(GridExpansion, WorkedExampleOfMethodOne)
{
    Selection s = ticked({49, 44, 40, 36, 31, 25, 22, 18, 12, 7, 3});
    pconstruitnumsel(s);
    pcommenceparcours(s, 1, gridCount(1));
    ASSERT_TRUE(pdeveloppegrille(s, 1));
    EXPECT_EQ(gridNumbers(s), (std::vector<int>{7, 12, 18, 25, 31, 40}));
    ASSERT_TRUE(pdeveloppegrille(s, 11));
    EXPECT_EQ(gridNumbers(s), (std::vector<int>{3, 7, 12, 22, 25, 36}));
}

TEST(GridExpansion, IndexBeyondTheCountKeepsThePreviousGrid)
{
    Selection s = ticked(elevenNumbers);
    pconstruitnumsel(s);
    pcommenceparcours(s, 1, gridCount(1));
    pdeveloppegrille(s, 11);
    EXPECT_FALSE(pdeveloppegrille(s, 12));
    EXPECT_EQ(gridNumbers(s), (std::vector<int>{3, 7, 12, 22, 25, 36}));
}

TEST(GridExpansion, MethodWithoutTableGivesAnEmptyGrid)
{
    Selection s = ticked(elevenNumbers);
    pconstruitnumsel(s);
    pcommenceparcours(s, 1, 11);
    pdeveloppegrille(s, 1);
    s.methodecourante = 999;
    EXPECT_TRUE(pdeveloppegrille(s, 1));
    EXPECT_TRUE(gridNumbers(s).empty());
}

TEST(GridExpansion, NumbersAboveFortyNineTakePart)
{
    Selection s = ticked({3, 11, 19, 24, 38, 45, 50, 60, 75, 99});
    pconstruitnumsel(s);
    pcommenceparcours(s, 5, gridCount(5));
    pdeveloppegrille(s, 2);  // positions 5..10
    EXPECT_EQ(gridNumbers(s), (std::vector<int>{38, 45, 50, 60, 75, 99}));
}
