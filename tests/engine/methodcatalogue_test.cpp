#include "engine/gridtables.h"
#include "engine/methodcatalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

const LabelWords french{"numéros", "si", "parmi", "en", "grilles"};
const LabelWords english{"numbers", "if", "in", "with", "boards"};

}  // namespace

TEST(MethodCatalogue, RowsCarryTheCatalogueParameters)
{
    const MethodTable rows = catalogueRows();
    EXPECT_EQ(rows[1].garantie, 3);
    EXPECT_EQ(rows[1].condition, 3);
    EXPECT_EQ(rows[1].nbnumeros, 11);
    EXPECT_EQ(rows[1].nbgrilles, 11);
    EXPECT_EQ(rows[1].description, "3 numéros si 3 numéros parmi les 11 en 11 grilles");
    EXPECT_EQ(rows[105].nbgrilles, 12376);
    EXPECT_EQ(rows[157].nbnumeros, 25);
    EXPECT_EQ(catalogueGridCount(126), 7084);
    EXPECT_EQ(catalogueGridCount(0), 0);
}

TEST(MethodCatalogue, NoOfferedTableExceedsItsCatalogueCount)
{
    const MethodTable rows = catalogueRows();
    for (int m = 1; m <= methodCount; ++m) {
        if (hasGridTable(m)) {
            EXPECT_LE(rows[static_cast<std::size_t>(m)].nbgrilles, catalogueGridCount(m)) << m;
        }
    }
}

TEST(MethodCatalogue, EveryPositionOfATableIsInRangeAndUsed)
{
    const MethodTable rows = catalogueRows();
    for (int m = 1; m <= methodCount; ++m) {
        if (!hasGridTable(m))
            continue;
        const int v = rows[static_cast<std::size_t>(m)].nbnumeros;
        std::set<int> used;
        for (const Grid &g : gridTable(m)) {
            EXPECT_TRUE(std::is_sorted(g.begin(), g.end())) << m;
            EXPECT_EQ(std::adjacent_find(g.begin(), g.end()), g.end()) << m;
            used.insert(g.begin(), g.end());
        }
        EXPECT_EQ(static_cast<int>(used.size()), v) << m;
        EXPECT_EQ(*used.begin(), 1) << m;
        EXPECT_EQ(*used.rbegin(), v) << m;
    }
}

TEST(MethodLabel, FrenchAndEnglishLabelsArePaddedAsTheListShowsThem)
{
    const MethodTable rows = catalogueRows();
    EXPECT_EQ(plibellemethode(rows[1], 1, false, french),
              "  3 numéros si  3 parmi 11 en    11 grilles");
    EXPECT_EQ(plibellemethode(rows[4], 4, false, french),
              "  5 numéros si  6 parmi  9 en     8 grilles");
    EXPECT_EQ(plibellemethode(rows[1], 1, false, english),
              "  3 numbers if  3 in 11 with    11 boards");
}

TEST(MethodLabel, WithNumberAppendsHundredBlanksAndTheNumber)
{
    const MethodTable rows = catalogueRows();
    EXPECT_EQ(plibellemethode(rows[1], 1, true, french),
              "  3 numéros si  3 parmi 11 en    11 grilles" + std::string(100, ' ') + "1");
}

TEST(MethodLabel, MissingWordLeavesItsBlanks)
{
    const MethodTable rows = catalogueRows();
    LabelWords noNumeros = french;
    noNumeros.numeros.clear();
    EXPECT_EQ(plibellemethode(rows[1], 1, false, noNumeros),
              "  3  si  3 parmi 11 en    11 grilles");
}

TEST(PadNumber, PadsOnTheLeftAndKeepsLongerNumbers)
{
    EXPECT_EQ(pcadrenombre(3, 2), " 3");
    EXPECT_EQ(pcadrenombre(12376, 5), "12376");
    EXPECT_EQ(pcadrenombre(123456, 5), "123456");
    EXPECT_EQ(pcadrenombre(7, 0), "7");
}

TEST(MethodList, FirstEightMethodsStandInLabelOrder)
{
    const auto items = methodListItems(catalogueRows(), french);
    std::vector<int> firstEight;
    for (const MethodListItem &item : items) {
        if (item.method <= 8)
            firstEight.push_back(item.method);
    }
    EXPECT_EQ(firstEight, (std::vector<int>{3, 1, 6, 7, 2, 5, 8, 4}));
}

TEST(MethodList, ListIsSortedAndLabelsAreUnique)
{
    const auto items = methodListItems(catalogueRows(), french);
    ASSERT_FALSE(items.empty());
    std::set<std::string> labels;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) {
            EXPECT_LT(items[i - 1].text, items[i].text);
        }
        labels.insert(items[i].text.substr(0, items[i].text.size() - 103));
    }
    EXPECT_EQ(labels.size(), items.size());
}

TEST(MethodList, EveryItemGivesBackItsMethodNumber)
{
    for (const MethodListItem &item : methodListItems(catalogueRows(), english))
        EXPECT_EQ(methodNumberFromItem(item.text), item.method);
}

TEST(MethodNumber, ReadsOneToThreeDigitTails)
{
    EXPECT_EQ(methodNumberFromItem("label" + std::string(100, ' ') + "105"), 105);
    EXPECT_EQ(methodNumberFromItem("label" + std::string(100, ' ') + "7"), 7);
    EXPECT_EQ(methodNumberFromItem("label" + std::string(100, ' ') + "42"), 42);
}

TEST(MethodNumber, UnreadableTailGivesMinusOne)
{
    EXPECT_EQ(methodNumberFromItem("grilles"), -1);
    EXPECT_EQ(methodNumberFromItem(""), -1);
    EXPECT_EQ(methodNumberFromItem("   "), -1);
    EXPECT_EQ(methodNumberFromItem("x 12"), 12);
    EXPECT_EQ(methodNumberFromItem("a1b"), -1);
}

TEST(FullSystems, PlayEverySixSubsetInLexicographicOrder)
{
    EXPECT_EQ(gridCount(130), 7);
    EXPECT_EQ(gridCount(61), 210);
    EXPECT_EQ(gridCount(105), 12376);
    EXPECT_EQ(gridPositions(61, 1), (Grid{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(gridPositions(61, 2), (Grid{1, 2, 3, 4, 5, 7}));
    EXPECT_EQ(gridPositions(61, 210), (Grid{5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(gridPositions(105, 12376), (Grid{12, 13, 14, 15, 16, 17}));
    const auto table = gridTable(63);
    EXPECT_TRUE(std::is_sorted(table.begin(), table.end()));
    EXPECT_EQ(std::adjacent_find(table.begin(), table.end()), table.end());
}
