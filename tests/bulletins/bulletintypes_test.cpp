#include "bulletins/bulletintypes.h"

#include "platform/fakeplatform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
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

// The type index an item of the list stands for, read back through the list's own routine.
int indexOf(const std::string &item)
{
    FakeMessageBoxes boxes;
    return pretournenutypeticketimpression(item, boxes);
}

} // namespace

struct CatalogueRow {
    int index;
    const char *name;
    bool hidden;
    std::array<double, 6> geometry;  // left, top, cellWidth, cellHeight, gridStepX, gridStepY
    int gridsAcross;
    int gridRows;
    int perBulletin;
    NumberLayout layout;
    GridOrder order;
    MarkKind mark;
    double strokeLength;
    double strokeThickness;
};

class BuiltinType : public ::testing::TestWithParam<CatalogueRow> {};

TEST_P(BuiltinType, HoldsTheLayoutOfItsIndex)
{
    const CatalogueRow &row = GetParam();
    const BulletinTypeTable types = catalogue();
    const TBulletinType &type = types[static_cast<std::size_t>(row.index)];
    EXPECT_EQ(type.name, row.name);
    EXPECT_EQ(type.hidden, row.hidden);
    EXPECT_DOUBLE_EQ(type.left, row.geometry[0]);
    EXPECT_DOUBLE_EQ(type.top, row.geometry[1]);
    EXPECT_DOUBLE_EQ(type.cellWidth, row.geometry[2]);
    EXPECT_DOUBLE_EQ(type.cellHeight, row.geometry[3]);
    EXPECT_DOUBLE_EQ(type.gridStepX, row.geometry[4]);
    EXPECT_DOUBLE_EQ(type.gridStepY, row.geometry[5]);
    EXPECT_EQ(type.gridsAcross, row.gridsAcross);
    EXPECT_EQ(type.gridRows, row.gridRows);
    EXPECT_EQ(gridsPerBulletin(type), row.perBulletin);
    EXPECT_EQ(type.numberLayout, row.layout);
    EXPECT_EQ(type.gridOrder, row.order);
    EXPECT_EQ(type.mark, row.mark);
    EXPECT_DOUBLE_EQ(type.strokeLength, row.strokeLength);
    EXPECT_DOUBLE_EQ(type.strokeThickness, row.strokeThickness);
}

INSTANTIATE_TEST_SUITE_P(Catalogue, BuiltinType, ::testing::ValuesIn(std::vector<CatalogueRow>{
    {1, "FRANCE LOTO 10 GRILLES - ANCIEN", false,
     {0.89, 2.88, 0.365, 0.365, 2.94, 2.94}, 5, 2, 10,
     NumberLayout::R7, GridOrder::Pairs, MarkKind::UpperX, 0, 0},
    {2, "CANADA QUEBEC LOTTO 6/49 6 grilles", false,
     {1.1, 1.0, 0.4, 0.63, 2.2, 0}, 6, 0, 6,
     NumberLayout::Tens, GridOrder::Row, MarkKind::UpperX, 0, 0},
    {3, "ANCIEN LOTTO FRANCAIS MERCREDI SIMPLE", true,
     {0.52, 1.55, 0.38, 0.5, 1.9, 0}, 8, 0, 8,
     NumberLayout::Tens, GridOrder::Row, MarkKind::UpperX, 0, 0},
    {4, "ISRAEL LOTTO", false,
     {0.5, 2.435, 0.633, 0.365, 0, 1.471}, 1, 14, 14,
     NumberLayout::R9Plus2, GridOrder::Column, MarkKind::HorizontalStroke, 0.25, 0.08},
    {5, "SUISSE LOTTO (depuis 12/2010) - ROMANDE", false,
     {0.45, 1.95, 0.33, 0.424, 2.09, 4.25}, 7, 2, 14,
     NumberLayout::R6, GridOrder::Pairs, MarkKind::UpperX, 0, 0},
    {6, "OLD UK NATIONAL LOTTERY", true,
     {2.35, 1.0, 0.35, 0.63, 2.12, 0}, 7, 1, 7,
     NumberLayout::R5, GridOrder::Row, MarkKind::UpperX, 0, 0},
    {7, "MAROC LOTO", false,
     {0.55, 1.9, 0.38, 0.6, 1.9, 0}, 8, 1, 8,
     NumberLayout::Tens, GridOrder::Row, MarkKind::UpperX, 0, 0},
    {8, "ESPANA BONOLOTO DIARO", false,
     {0.55, 2.4, 0.38, 0.5, 1.87, 0}, 8, 1, 8,
     NumberLayout::Tens, GridOrder::Row, MarkKind::UpperX, 0, 0},
    {9, "ESPANA BONOLOTO SEMANAL", false,
     {0.58, 2.5, 0.38, 0.5, 1.88, 0}, 8, 1, 8,
     NumberLayout::Tens, GridOrder::Row, MarkKind::UpperX, 0, 0},
    {10, "CANADA ONTARIO 49 - LOTTO 6/49", false,
     {2.99, 1.9, 0.395, 0.5, 2.92, 4.0}, 5, 2, 10,
     NumberLayout::C7, GridOrder::TwoRowsOf5, MarkKind::UpperX, 0, 0},
    {11, "BELGIQUE LOTTO 6/42", false,
     {1.02, 2.8, 0.39, 0.38, 1.97, 3.85}, 7, 2, 14,
     NumberLayout::R5, GridOrder::Pairs, MarkKind::UpperX, 0, 0},
    {12, "CANADA QUEBEC LOTTO 6/49 8 grilles", false,
     {1.1, 1.0, 0.4, 0.63, 2.02, 0}, 8, 1, 8,
     NumberLayout::Tens, GridOrder::Row, MarkKind::UpperX, 0, 0},
    {13, "DEUTCHLAND LOTTO ", false,
     {2.63, 1.2, 0.38, 0.428, 2.555, 3.0}, 6, 2, 12,
     NumberLayout::R7, GridOrder::Pairs, MarkKind::LowerX, 0, 0},
    {14, "PUERTO RICO LOTO", false,
     {4.25, 1.7, 0.38, 0.65, 2.28, 3.0}, 5, 1, 5,
     NumberLayout::R5, GridOrder::Row, MarkKind::UpperX, 0, 0},
    {15, "PORTUGAL TOTOLOTO ", false,
     {2.2, 1.53, 0.382, 0.42, 2.72, 2.94}, 5, 2, 10,
     NumberLayout::R7, GridOrder::Pairs, MarkKind::LowerX, 0, 0},
    {16, "US FLORIDA LOTTO 6/53", false,
     {4.9, 1.1, 0.4, 0.64, 2.765, 0}, 5, 1, 5,
     NumberLayout::R6, GridOrder::Row, MarkKind::UpperX, 0, 0},
    {17, "UK LOTTO 2011", false,
     {1.1, 2.19, 0.64, 0.382, 0, 2.36}, 1, 7, 7,
     NumberLayout::R10, GridOrder::Column, MarkKind::HorizontalStroke, 0.2, 0.17},
    {18, "SOUTH AFRICA LOTTO ", false,
     {1.35, 1.2, 0.385, 0.64, 1.915, 0}, 8, 1, 8,
     NumberLayout::R5, GridOrder::Row, MarkKind::VerticalStroke, 0.15, 0.15},
    {19, "HRVATSKA LOTO 6-45", false,
     {2.71, 2.1, 0.405, 0.4, 1.265, 0}, 8, 1, 8,
     NumberLayout::R3, GridOrder::Row, MarkKind::UpperX, 0, 0},
    {20, "SUISSE LOTTO SWISSLOS (NEU MIT PLUS)", false,
     {0.7, 1.45, 0.34, 0.4, 2.08, 3.72}, 7, 2, 14,
     NumberLayout::R6, GridOrder::Pairs, MarkKind::UpperX, 0, 0},
    {21, "DEUTSCHLAND TOTO AUSWAHLWETTE SAAR", false,
     {0.78, 1.43, 0.35, 0.418, 2.44, 2.93}, 6, 2, 12,
     NumberLayout::R7, GridOrder::Pairs, MarkKind::UpperX, 0, 0},
    {22, "DEUTSCHLAND TOTO AUSWAHLWETTE BADEN WURTTEMBERG", false,
     {2.29, 1.1, 0.33, 0.4, 2.3, 2.88}, 6, 2, 12,
     NumberLayout::R7, GridOrder::Pairs, MarkKind::UpperX, 0, 0},
    {23, "FRANCE LOTO 10 GRILLES", false,
     {0.89, 2.9, 0.365, 0.365, 2.94, 2.94}, 5, 2, 10,
     NumberLayout::R7, GridOrder::Pairs, MarkKind::UpperX, 0, 0},
    {24, "MOCAMBIQUE TOTOLOTO", false,
     {2.29, 1.65, 0.37, 0.43, 2.65, 2.92}, 4, 2, 8,
     NumberLayout::R7, GridOrder::Pairs, MarkKind::UpperX, 0, 0},
    {25, "SUISSE TOTO-X SPORT-TOTO", false,
     {0.87, 2.09, 0.34, 0.428, 2.04, 2.98}, 7, 2, 14,
     NumberLayout::R6, GridOrder::Pairs, MarkKind::UpperX, 0, 0},
    {26, "ROUMANIA 6/49", false,
     {4.2, 3.3, 0.465, 0.44, 0, 2.18}, 1, 3, 3,
     NumberLayout::R10, GridOrder::Column, MarkKind::UpperX, 0, 0},
    {27, "ITALIA SuperEnalotto 5 pannelli", false,
     {1.1, 2.95, 0.5, 0.3, 0, 2.1}, 1, 5, 5,
     NumberLayout::R14Plus8, GridOrder::Column, MarkKind::VerticalStroke, 0.05, 0.25},
    {28, "DEUTSCHLAND LOTTO MUNCHEN", false,
     {0.53, 2.0, 0.37, 0.392, 2.58, 2.78}, 6, 2, 12,
     NumberLayout::R7, GridOrder::Pairs, MarkKind::UpperX, 0, 0},
    {29, "DEUTSCHLAND LOTTO 6AUS49 Westlotto", false,
     {0.65, 1.9, 0.4, 0.45, 2.8, 3.12}, 6, 2, 12,
     NumberLayout::R7, GridOrder::TwoRowsOf6, MarkKind::UpperX, 0, 0},
}), [](const ::testing::TestParamInfo<CatalogueRow> &row) {
    return "Type" + std::to_string(row.param.index);
});

TEST(BulletinCatalogue, IndexZeroHoldsNoType)
{
    const BulletinTypeTable types = catalogue();
    const TBulletinType &none = types[0];
    EXPECT_EQ(none.name, "");
    EXPECT_EQ(none.gridsAcross, 0);
}

TEST(BulletinCatalogue, RefillRestoresTheBuiltinValues)
{
    BulletinTypeTable types = catalogue();
    types[23].left = 9.0;
    types[23].name = "changed";
    pinittypebulletin(types);
    EXPECT_DOUBLE_EQ(types[23].left, 0.89);
    EXPECT_EQ(types[23].name, "FRANCE LOTO 10 GRILLES");
}

TEST(BulletinCatalogue, LongestNameHasFortySevenCharacters)
{
    const BulletinTypeTable types = catalogue();
    std::size_t longest = 0;
    for (int t = 1; t <= bulletinTypeCount; ++t)
        longest = std::max(longest, types[static_cast<std::size_t>(t)].name.size());
    EXPECT_EQ(longest, 47u);
}

TEST(BulletinCatalogue, TypeIndexesAreOneToTwentyNine)
{
    EXPECT_FALSE(isBulletinType(0));
    EXPECT_TRUE(isBulletinType(1));
    EXPECT_TRUE(isBulletinType(29));
    EXPECT_FALSE(isBulletinType(30));
    EXPECT_FALSE(isBulletinType(-1));
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
    ::testing::Values(
        CellCase{"R3OneTopLeft", NumberLayout::R3, 1, 0, 0},
        CellCase{"R3FourStartsRowTwo", NumberLayout::R3, 4, 0, 1},
        CellCase{"R5FiveEndsRowOne", NumberLayout::R5, 5, 4, 0},
        CellCase{"R6FortyNine", NumberLayout::R6, 49, 0, 8},
        CellCase{"R7EightStartsRowTwo", NumberLayout::R7, 8, 0, 1},
        CellCase{"R7FortyNineEndsRowSeven", NumberLayout::R7, 49, 6, 6},
        CellCase{"R10Eleven", NumberLayout::R10, 11, 0, 1},
        CellCase{"TensOneInRowOne", NumberLayout::Tens, 1, 0, 1},
        CellCase{"TensNineAtBottomOfFirstColumn", NumberLayout::Tens, 9, 0, 9},
        CellCase{"TensTenAtTopOfSecondColumn", NumberLayout::Tens, 10, 1, 0},
        CellCase{"TensFortyNine", NumberLayout::Tens, 49, 4, 9},
        CellCase{"C7SevenEndsColumnOne", NumberLayout::C7, 7, 0, 6},
        CellCase{"C7EightStartsColumnTwo", NumberLayout::C7, 8, 1, 0},
        CellCase{"R9Plus2OneInThirdCell", NumberLayout::R9Plus2, 1, 2, 0},
        CellCase{"R9Plus2SevenEndsRowOne", NumberLayout::R9Plus2, 7, 8, 0},
        CellCase{"R9Plus2EightStartsRowTwo", NumberLayout::R9Plus2, 8, 0, 1},
        CellCase{"R14Plus8OneInNinthCell", NumberLayout::R14Plus8, 1, 8, 0},
        CellCase{"R14Plus8SixEndsRowOne", NumberLayout::R14Plus8, 6, 13, 0},
        CellCase{"R14Plus8SevenStartsRowTwo", NumberLayout::R14Plus8, 7, 0, 1},
        CellCase{"ZeroFallsBeforeTheFirstCell", NumberLayout::R7, 0, -1, 0},
        CellCase{"NegativeTruncatesTowardsZero", NumberLayout::Tens, -15, -1, -5},
        CellCase{"LargestIntDoesNotOverflow", NumberLayout::R14Plus8, INT_MAX, 8, 153391689},
        CellCase{"SmallestIntDoesNotOverflow", NumberLayout::R3, INT_MIN, 0, -715827883}),
    [](const ::testing::TestParamInfo<CellCase> &row) { return std::string(row.param.name); });

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
    ::testing::Values(GridCellCase{"PairsOne", GridOrder::Pairs, 1, 0, 0},
                      GridCellCase{"PairsTwoBelowOne", GridOrder::Pairs, 2, 0, 1},
                      GridCellCase{"PairsThreeNextColumn", GridOrder::Pairs, 3, 1, 0},
                      GridCellCase{"PairsTen", GridOrder::Pairs, 10, 4, 1},
                      GridCellCase{"TwoRowsOf5Five", GridOrder::TwoRowsOf5, 5, 4, 0},
                      GridCellCase{"TwoRowsOf5Six", GridOrder::TwoRowsOf5, 6, 0, 1},
                      GridCellCase{"TwoRowsOf5Ten", GridOrder::TwoRowsOf5, 10, 4, 1},
                      GridCellCase{"TwoRowsOf6Six", GridOrder::TwoRowsOf6, 6, 5, 0},
                      GridCellCase{"TwoRowsOf6Seven", GridOrder::TwoRowsOf6, 7, 0, 1},
                      GridCellCase{"RowFour", GridOrder::Row, 4, 3, 0},
                      GridCellCase{"ColumnFour", GridOrder::Column, 4, 0, 3}),
    [](const ::testing::TestParamInfo<GridCellCase> &row) {
        return std::string(row.param.name);
    });

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
                      PointCase{"FranceOneThirdGrid", 23, 1, 3, 3.83, 2.9},
                      PointCase{"MarocTenTopOfSecondColumn", 7, 10, 1, 0.93, 1.9},
                      PointCase{"MarocNineBottomOfFirstColumn", 7, 9, 1, 0.55, 7.3},
                      PointCase{"IsraelSevenEndsFirstRow", 4, 7, 1, 5.564, 2.435},
                      PointCase{"IsraelEightStartsSecondRow", 4, 8, 1, 0.5, 2.8},
                      PointCase{"IsraelSecondGridBelow", 4, 1, 2, 1.766, 3.906},
                      PointCase{"QuebecRowIgnoresVerticalStep", 2, 10, 3, 5.9, 1.0},
                      PointCase{"OntarioSixthGridOnSecondRow", 10, 1, 6, 2.99, 5.9},
                      PointCase{"WestlottoSeventhGridOnSecondRow", 29, 1, 7, 0.65, 5.02},
                      PointCase{"ItaliaOneInNinthCell", 27, 1, 1, 5.1, 2.95},
                      PointCase{"NumberAboveRangeStillPlaced", 23, 60, 1, 1.985, 5.82}),
    [](const ::testing::TestParamInfo<PointCase> &row) { return std::string(row.param.name); });

TEST(BulletinTypeList, OffersTwentySevenTypesInAlphabeticalOrder)
{
    FakeMessageBoxes boxes;
    const std::vector<std::string> items = pgloremplicombotypebulletin(catalogue(), boxes);
    std::vector<int> indexes;
    for (const std::string &item : items)
        indexes.push_back(indexOf(item));
    const std::vector<int> expected{11, 10, 2,  12, 13, 29, 28, 22, 21, 8,  9,  23, 1, 19,
                                    4,  27, 7,  24, 15, 14, 26, 18, 5,  20, 25, 17, 16};
    EXPECT_EQ(indexes, expected);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST(BulletinTypeList, FirstItemIsBelgium)
{
    FakeMessageBoxes boxes;
    const std::vector<std::string> items = pgloremplicombotypebulletin(catalogue(), boxes);
    ASSERT_FALSE(items.empty());
    EXPECT_EQ(items.front(), "BELGIQUE LOTTO 6/42" + std::string(200, ' ') + "11");
}

TEST(BulletinTypeList, LeavesOutTheHiddenTypes)
{
    FakeMessageBoxes boxes;
    for (const std::string &item : pgloremplicombotypebulletin(catalogue(), boxes)) {
        EXPECT_NE(indexOf(item), 3);
        EXPECT_NE(indexOf(item), 6);
        EXPECT_EQ(item.find("OLD UK NATIONAL LOTTERY"), std::string::npos);
        EXPECT_EQ(item.find("ANCIEN LOTTO FRANCAIS MERCREDI SIMPLE"), std::string::npos);
    }
}

TEST(BulletinTypeList, ItemIsNameThenTwoHundredBlanksThenIndex)
{
    FakeMessageBoxes boxes;
    const BulletinTypeTable types = catalogue();
    for (const std::string &item : pgloremplicombotypebulletin(types, boxes)) {
        const int t = indexOf(item);
        ASSERT_TRUE(isBulletinType(t)) << item;
        EXPECT_EQ(item, types[static_cast<std::size_t>(t)].name + std::string(200, ' ') +
                            std::to_string(t));
    }
}

TEST(BulletinTypeList, TheTwoFrenchTypesAreToldApartByTheirIndex)
{
    FakeMessageBoxes boxes;
    const std::vector<std::string> items = pgloremplicombotypebulletin(catalogue(), boxes);
    const std::string blanks(200, ' ');
    EXPECT_EQ(indexOf("FRANCE LOTO 10 GRILLES" + blanks + "23"), 23);
    EXPECT_EQ(indexOf("FRANCE LOTO 10 GRILLES - ANCIEN" + blanks + "1"), 1);
    EXPECT_NE(std::find(items.begin(), items.end(), "FRANCE LOTO 10 GRILLES" + blanks + "23"),
              items.end());
}

struct ItemCase {
    const char *name;
    const char *item;
    int index;
};

class ItemIndex : public ::testing::TestWithParam<ItemCase> {};

TEST_P(ItemIndex, ReadsTheLastFourCharacters)
{
    FakeMessageBoxes boxes;
    EXPECT_EQ(pretournenutypeticketimpression(std::string_view(GetParam().item), boxes),
              GetParam().index);
    EXPECT_TRUE(boxes.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Items, ItemIndex,
    ::testing::Values(ItemCase{"TwoDigits", "ROUMANIA 6/49     29", 29},
                      ItemCase{"OneDigit", "MAROC LOTO       7", 7},
                      ItemCase{"ShortText", "12", 12},
                      ItemCase{"EmptyText", "", 0},
                      ItemCase{"NoNumber", "MAROC LOTO", 0},
                      ItemCase{"LettersBeforeDigit", "LOTab 5", 0},
                      ItemCase{"BlankInsideDigits", "xx1 2", 0},
                      ItemCase{"NegativeNumber", "   -3", 0},
                      ItemCase{"NumberOfNoType", "  30", 0},
                      ItemCase{"Zero", "   0", 0},
                      ItemCase{"TrailingBlanksTrimmed", "  9 ", 9}),
    [](const ::testing::TestParamInfo<ItemCase> &row) { return std::string(row.param.name); });

TEST(ItemIndex, NoSelectedItemShowsTheBoxAndGivesZero)
{
    FakeMessageBoxes boxes;
    EXPECT_EQ(pretournenutypeticketimpression(std::nullopt, boxes), 0);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].title, "erreur dans pretournenutypeticketimpression");
    EXPECT_EQ(boxes.boxes[0].body, "erreur dans pretournenutypeticketimpression");
    EXPECT_EQ(boxes.boxes[0].buttons, BoxButtons::Ok);
    EXPECT_EQ(boxes.boxes[0].icon, BoxIcon::Exclamation);
}
