#include "bulletins/bulletintypes.h"

#include "platform/fakes/fakeplatform.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

BulletinTypeTable catalogue()
{
    BulletinTypeTable types;
    pinittypebulletin(types);
    return types;
}

int indexOf(std::string_view item)
{
    FakeMessageBoxes boxes;
    return pretournenutypeticketimpression(item, boxes);
}

template <class Case> std::string rowName(const ::testing::TestParamInfo<Case> &row)
{
    return row.param.name;
}

}  // namespace

TEST(BulletinCatalogue, GridsPerBulletinCountZeroRowsAsOne)
{
    const BulletinTypeTable types = catalogue();
    const std::vector<int> expected{10, 6, 8, 14, 14, 7,  8,  8,  8, 10, 14, 8, 12, 5, 10,
                                    5,  7, 8, 8,  14, 12, 12, 10, 8, 14, 3,  5, 12, 12};
    std::vector<int> perBulletin;
    for (int t = 1; t <= bulletinTypeCount; ++t)
        perBulletin.push_back(gridsPerBulletin(types[static_cast<std::size_t>(t)]));
    EXPECT_EQ(perBulletin, expected);
}

TEST(BulletinCatalogue, OnlyTypesThreeAndSixAreHidden)
{
    const BulletinTypeTable types = catalogue();
    for (int t = 1; t <= bulletinTypeCount; ++t)
        EXPECT_EQ(types[static_cast<std::size_t>(t)].hidden, t == 3 || t == 6) << t;
}

TEST(BulletinCatalogue, NamesKeepTheirTrailingBlanks)
{
    const BulletinTypeTable types = catalogue();
    EXPECT_EQ(types[13].name, "DEUTCHLAND LOTTO ");
    EXPECT_EQ(types[15].name, "PORTUGAL TOTOLOTO ");
    EXPECT_EQ(types[18].name, "SOUTH AFRICA LOTTO ");
    EXPECT_EQ(types[22].name.size(), 47u);
}

TEST(BulletinCatalogue, RefillRestoresTheBuiltinValues)
{
    BulletinTypeTable types = catalogue();
    types[23].left = 9.0;
    pinittypebulletin(types);
    EXPECT_DOUBLE_EQ(types[23].left, 0.89);
    EXPECT_EQ(types[0].name, "");
}

struct CellCase {
    const char *name;
    NumberLayout layout;
    int n;
    int column;
    int row;
};

class NumberCell : public ::testing::TestWithParam<CellCase> {};

TEST_P(NumberCell, PlacesTheNumberInItsGrid)
{
    const Cell cell = numberCell(GetParam().layout, GetParam().n);
    EXPECT_EQ(cell.column, GetParam().column);
    EXPECT_EQ(cell.row, GetParam().row);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, NumberCell,
    ::testing::Values(CellCase{"R3Four", NumberLayout::R3, 4, 0, 1},
                      CellCase{"R5Five", NumberLayout::R5, 5, 4, 0},
                      CellCase{"R6FortyNine", NumberLayout::R6, 49, 0, 8},
                      CellCase{"R7Eight", NumberLayout::R7, 8, 0, 1},
                      CellCase{"R10Eleven", NumberLayout::R10, 11, 0, 1},
                      CellCase{"TensOne", NumberLayout::Tens, 1, 0, 1},
                      CellCase{"TensNine", NumberLayout::Tens, 9, 0, 9},
                      CellCase{"TensTen", NumberLayout::Tens, 10, 1, 0},
                      CellCase{"C7Eight", NumberLayout::C7, 8, 1, 0},
                      CellCase{"R9Plus2One", NumberLayout::R9Plus2, 1, 2, 0},
                      CellCase{"R9Plus2Seven", NumberLayout::R9Plus2, 7, 8, 0},
                      CellCase{"R9Plus2Eight", NumberLayout::R9Plus2, 8, 0, 1},
                      CellCase{"R14Plus8One", NumberLayout::R14Plus8, 1, 8, 0},
                      CellCase{"R14Plus8Seven", NumberLayout::R14Plus8, 7, 0, 1},
                      CellCase{"ZeroTruncatesTowardsZero", NumberLayout::R7, 0, -1, 0},
                      CellCase{"LargestIntNoOverflow", NumberLayout::R14Plus8, INT_MAX, 8,
                               153391689}),
    rowName<CellCase>);

struct GridCellCase {
    const char *name;
    GridOrder order;
    int p;
    int column;
    int row;
};

class GridPlacement : public ::testing::TestWithParam<GridCellCase> {};

TEST_P(GridPlacement, PlacesThePositionOnTheBulletin)
{
    const Cell cell = gridCell(GetParam().order, GetParam().p);
    EXPECT_EQ(cell.column, GetParam().column);
    EXPECT_EQ(cell.row, GetParam().row);
}

INSTANTIATE_TEST_SUITE_P(
    Orders, GridPlacement,
    ::testing::Values(GridCellCase{"PairsTwo", GridOrder::Pairs, 2, 0, 1},
                      GridCellCase{"PairsThree", GridOrder::Pairs, 3, 1, 0},
                      GridCellCase{"TwoRowsOf5Five", GridOrder::TwoRowsOf5, 5, 4, 0},
                      GridCellCase{"TwoRowsOf5Six", GridOrder::TwoRowsOf5, 6, 0, 1},
                      GridCellCase{"TwoRowsOf6Seven", GridOrder::TwoRowsOf6, 7, 0, 1},
                      GridCellCase{"RowFour", GridOrder::Row, 4, 3, 0},
                      GridCellCase{"ColumnFour", GridOrder::Column, 4, 0, 3}),
    rowName<GridCellCase>);

struct PointCase {
    const char *name;
    int type;
    int n;
    int p;
    double x;
    double y;
};

class MarkPoint : public ::testing::TestWithParam<PointCase> {};

TEST_P(MarkPoint, IsMeasuredFromThePaperCorner)
{
    const PointCase &c = GetParam();
    const PaperPoint at = markPoint(catalogue()[static_cast<std::size_t>(c.type)], c.n, c.p);
    EXPECT_DOUBLE_EQ(at.x, c.x);
    EXPECT_DOUBLE_EQ(at.y, c.y);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, MarkPoint,
    ::testing::Values(PointCase{"FranceOneFirstGrid", 23, 1, 1, 0.89, 2.9},
                      PointCase{"FranceEightFirstGrid", 23, 8, 1, 0.89, 3.265},
                      PointCase{"FranceOneSecondGrid", 23, 1, 2, 0.89, 5.84},
                      PointCase{"MarocTenTopOfSecondColumn", 7, 10, 1, 0.93, 1.9},
                      PointCase{"MarocNineBottomOfFirstColumn", 7, 9, 1, 0.55, 7.3},
                      PointCase{"IsraelSevenEndsFirstRow", 4, 7, 1, 5.564, 2.435},
                      PointCase{"IsraelEightStartsSecondRow", 4, 8, 1, 0.5, 2.8},
                      PointCase{"QuebecRowIgnoresVerticalStep", 2, 10, 3, 5.9, 1.0},
                      PointCase{"WestlottoSeventhGridOnSecondRow", 29, 1, 7, 0.65, 5.02}),
    rowName<PointCase>);

TEST(BulletinTypeList, OffersTwentySevenTypesInAlphabeticalOrder)
{
    FakeMessageBoxes boxes;
    const std::vector<std::string> items = pgloremplicombotypebulletin(catalogue(), boxes);
    std::vector<int> indexes;
    for (const std::string &item : items)
        indexes.push_back(indexOf(item));
    const std::vector<int> expected{11, 10, 2, 12, 13, 29, 28, 22, 21, 8,  9,  23, 1, 19,
                                    4,  27, 7, 24, 15, 14, 26, 18, 5,  20, 25, 17, 16};
    EXPECT_EQ(indexes, expected);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST(BulletinTypeList, ItemIsNameThenTwoHundredBlanksThenIndex)
{
    FakeMessageBoxes boxes;
    const BulletinTypeTable types = catalogue();
    const std::vector<std::string> items = pgloremplicombotypebulletin(types, boxes);
    ASSERT_FALSE(items.empty());
    EXPECT_EQ(items.front(), "BELGIQUE LOTTO 6/42" + std::string(200, ' ') + "11");
    for (const std::string &item : items) {
        const int t = indexOf(item);
        EXPECT_EQ(item, types[static_cast<std::size_t>(t)].name + std::string(200, ' ') +
                            std::to_string(t));
    }
}

TEST(BulletinTypeList, TheTwoFrenchTypesAreToldApartByTheirIndex)
{
    const std::string blanks(200, ' ');
    EXPECT_EQ(indexOf("FRANCE LOTO 10 GRILLES" + blanks + "23"), 23);
    EXPECT_EQ(indexOf("FRANCE LOTO 10 GRILLES - ANCIEN" + blanks + "1"), 1);
}

struct ItemCase {
    const char *name;
    const char *item;
    int index;
};

class ItemIndex : public ::testing::TestWithParam<ItemCase> {};

TEST_P(ItemIndex, ReadsTheLastFourCharacters)
{
    EXPECT_EQ(indexOf(GetParam().item), GetParam().index);
}

INSTANTIATE_TEST_SUITE_P(Items, ItemIndex,
                         ::testing::Values(ItemCase{"TwoDigits", "ROUMANIA 6/49     29", 29},
                                           ItemCase{"OneDigit", "MAROC LOTO       7", 7},
                                           ItemCase{"ShortText", "12", 12},
                                           ItemCase{"NoNumber", "MAROC LOTO", 0},
                                           ItemCase{"LettersBeforeDigit", "LOTab 5", 0},
                                           ItemCase{"Negative", "   -3", 0},
                                           ItemCase{"NumberOfNoType", "  30", 0}),
                         rowName<ItemCase>);

TEST(ItemIndex, NoSelectedItemShowsTheBoxAndGivesZero)
{
    FakeMessageBoxes boxes;
    EXPECT_EQ(pretournenutypeticketimpression(std::nullopt, boxes), 0);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].title, "erreur dans pretournenutypeticketimpression");
    EXPECT_EQ(boxes.boxes[0].body, "erreur dans pretournenutypeticketimpression");
    EXPECT_EQ(boxes.boxes[0].icon, BoxIcon::Exclamation);
}
