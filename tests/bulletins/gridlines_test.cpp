#include "bulletins/gridlines.h"

#include "engine/selection.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace {

GridFlags flags(std::initializer_list<int> numbers)
{
    GridFlags f{};
    for (const int n : numbers)
        f[static_cast<std::size_t>(n)] = 1;
    return f;
}

// The numbers ticked and placed in ascending position order, as before any grid window opens.
Selection prepared(std::initializer_list<int> numbers)
{
    Selection s;
    for (const int n : numbers)
        basculecoche(s, n);
    pconstruitnumsel(s);
    return s;
}

const GridFlags sampleGrid = flags({3, 11, 19, 24, 38, 45});

}  // namespace

struct IndexCase {
    const char *name;
    int index;
    const char *line;
};

class ListLineIndex : public ::testing::TestWithParam<IndexCase> {};

TEST_P(ListLineIndex, PadsTheGridNumber)
{
    EXPECT_EQ(listLine("Grille", GetParam().index, sampleGrid), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Indexes, ListLineIndex,
    ::testing::Values(IndexCase{"One", 1, "Grille: 001 :-03-11-19-24-38-45"},
                      IndexCase{"Seven", 7, "Grille: 007 :-03-11-19-24-38-45"},
                      IndexCase{"Nine", 9, "Grille: 009 :-03-11-19-24-38-45"},
                      IndexCase{"Ten", 10, "Grille: 010 :-03-11-19-24-38-45"},
                      IndexCase{"NinetyNine", 99, "Grille: 099 :-03-11-19-24-38-45"},
                      IndexCase{"Hundred", 100, "Grille: 100 :-03-11-19-24-38-45"},
                      IndexCase{"HundredTwentyFive", 125, "Grille: 125 :-03-11-19-24-38-45"},
                      IndexCase{"Thousand", 1000, "Grille: 1000 :-03-11-19-24-38-45"}),
    [](const ::testing::TestParamInfo<IndexCase> &info) { return std::string(info.param.name); });

TEST(ListLine, ShowsNumbersUpToNinetyNine)
{
    EXPECT_EQ(listLine("Grille", 3, flags({1, 9, 49, 50, 77, 99})),
              "Grille: 003 :-01-09-49-50-77-99");
}

TEST(ListLine, UsesTheGivenLabelWord)
{
    EXPECT_EQ(listLine("Board", 12, sampleGrid), "Board: 012 :-03-11-19-24-38-45");
}

TEST(ListLine, EmptyGridEndsAfterTheIndex)
{
    EXPECT_EQ(listLine("Grille", 1, GridFlags{}), "Grille: 001 :");
}

TEST(ListLine, IgnoresIndexZeroOfTheFlagTable)
{
    GridFlags f = sampleGrid;
    f[0] = 1;
    EXPECT_EQ(listLine("Grille", 7, f), "Grille: 007 :-03-11-19-24-38-45");
}

TEST(ExportLine, BlankBeforeEachNumberCommaBetween)
{
    EXPECT_EQ(exportLine(sampleGrid), " 3, 11, 19, 24, 38, 45");
}

TEST(ExportLine, GridKeepsOnlyNumbersOneToFortyNine)
{
    EXPECT_EQ(exportLine(flags({1, 49, 50, 99})), " 1, 49");
}

TEST(ExportLine, GridWithoutNumbersInRangeGivesEmptyLine)
{
    EXPECT_EQ(exportLine(flags({50, 51})), "");
}

TEST(ExportLine, NumberListIsWrittenAsGiven)
{
    const std::vector<int> numbers{3, 7, 101};
    EXPECT_EQ(exportLine(numbers), " 3, 7, 101");
    EXPECT_EQ(exportLine(std::vector<int>{}), "");
}

TEST(GridLines, WorkedExampleListsElevenGrids)
{
    Selection s = prepared({49, 3, 44, 7, 40, 12, 36, 18, 31, 22, 25});
    const std::vector<std::string> lines = listLines(s, 1, 11, "Grille");
    const std::vector<std::string> expected{
        "Grille: 001 :-07-12-18-25-31-40", "Grille: 002 :-12-18-22-31-36-44",
        "Grille: 003 :-18-22-25-36-40-49", "Grille: 004 :-03-22-25-31-40-44",
        "Grille: 005 :-07-25-31-36-44-49", "Grille: 006 :-03-12-31-36-40-49",
        "Grille: 007 :-03-07-18-36-40-44", "Grille: 008 :-07-12-22-40-44-49",
        "Grille: 009 :-03-12-18-25-44-49", "Grille: 010 :-03-07-18-22-31-49",
        "Grille: 011 :-03-07-12-22-25-36",
    };
    EXPECT_EQ(lines, expected);
}

TEST(GridLines, WalkLeavesTheConsumerStateOnTheLastGrid)
{
    Selection s = prepared({3, 7, 12, 18, 22, 25, 31, 36, 40, 44, 49});
    listLines(s, 1, 11, "Grille");
    EXPECT_EQ(s.grillecourante, 1);
    EXPECT_EQ(s.methodecourante, 1);
    EXPECT_EQ(s.nbgrillescourant, 11);
    EXPECT_EQ(listLine("Grille", 11, s.tabgrille), "Grille: 011 :-03-07-12-22-25-36");
}

TEST(GridLines, ExportOfTheWorkedExample)
{
    Selection s = prepared({3, 7, 12, 18, 22, 25, 31, 36, 40, 44, 49});
    const std::vector<std::string> lines = exportLines(s, 1, 11);
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines.front(), " 7, 12, 18, 25, 31, 40");
    EXPECT_EQ(lines.back(), " 3, 7, 12, 22, 25, 36");
}

TEST(GridLines, ExportOfThreeGridsWritesThreeLines)
{
    Selection s = prepared({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    EXPECT_EQ(exportLines(s, 5, 3), (std::vector<std::string>{
                                        " 1, 2, 3, 4, 5, 6",
                                        " 5, 6, 7, 8, 9, 10",
                                        " 1, 2, 3, 7, 8, 9",
                                    }));
}

TEST(GridLines, NumbersAboveFortyNineAreListedButNotExported)
{
    Selection s = prepared({44, 45, 46, 47, 48, 49, 50});
    EXPECT_EQ(listLines(s, 7, 5, "Grille")[1], "Grille: 002 :-44-45-46-47-48-50");
    EXPECT_EQ(exportLines(s, 7, 5)[1], " 44, 45, 46, 47, 48");
}

TEST(GridLines, ListLinesLeaveTheLastGridExpanded)
{
    Selection s = prepared({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    const std::vector<std::string> lines = listLines(s, 5, 3, "Grille");
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "Grille: 001 :-01-02-03-04-05-06",
                         "Grille: 002 :-05-06-07-08-09-10",
                         "Grille: 003 :-01-02-03-07-08-09",
                     }));
    EXPECT_EQ(listLine("Grille", 3, s.tabgrille), lines[2]);
}

TEST(GridLines, NoMethodGivesNoLinesAndNoExpansion)
{
    Selection s = prepared({3, 11, 19, 24, 38, 45});
    s.tabgrille = sampleGrid;
    EXPECT_TRUE(listLines(s, -1, 0, "Grille").empty());
    EXPECT_TRUE(exportLines(s, -1, 0).empty());
    EXPECT_EQ(s.tabgrille, sampleGrid);
}
