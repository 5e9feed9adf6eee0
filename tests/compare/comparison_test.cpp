#include "compare/comparison.h"

#include "i18n/messagecatalogue.h"
#include "testfolder.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace {

using Counts = std::array<std::int64_t, rankCount>;

constexpr int french = 1;
constexpr int english = 2;

// The draw of the worked example: 3, 17, 20, 28, 33, 45, complementary 12.
Draw workedDraw()
{
    return Draw{{0, 3, 17, 20, 28, 33, 45}, 12};
}

std::string complementaryWord()
{
    return pgloretlibmessage(144, french);
}

std::vector<std::string> allLines(const ComparisonList &list)
{
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < list.size(); ++i)
        lines.push_back(list.lineText(i));
    return lines;
}

Counts countsOf(const ComparisonList &list)
{
    Counts counts{};
    for (std::size_t r = 0; r < rankCount; ++r)
        counts[r] = list.counters().count(allRanks[r]);
    return counts;
}

// Names a table row after its `name` field.
template <typename Case> std::string caseName(const ::testing::TestParamInfo<Case> &info)
{
    return info.param.name;
}

}  // namespace

struct PrefixCase {
    const char *name;
    std::size_t n;
    const char *prefix;
};

void PrintTo(const PrefixCase &row, std::ostream *os)
{
    *os << row.name;
}

class OrdinalPrefix : public ::testing::TestWithParam<PrefixCase> {};

TEST_P(OrdinalPrefix, PadsToThreeDigits)
{
    EXPECT_EQ(ordinalPrefix(GetParam().n), GetParam().prefix);
}

INSTANTIATE_TEST_SUITE_P(Cases, OrdinalPrefix,
                         ::testing::Values(PrefixCase{"One", 1, "B.:001 :"},
                                           PrefixCase{"Seven", 7, "B.:007 :"},
                                           PrefixCase{"Nine", 9, "B.:009 :"},
                                           PrefixCase{"Ten", 10, "B.:010 :"},
                                           PrefixCase{"FortyTwo", 42, "B.:042 :"},
                                           PrefixCase{"NinetyNine", 99, "B.:099 :"},
                                           PrefixCase{"Hundred", 100, "B.:100 :"},
                                           PrefixCase{"FourDigits", 1234, "B.:1234 :"},
                                           PrefixCase{"Million", 1000000, "B.:1000000 :"}),
                         caseName<PrefixCase>);

struct RankCase {
    const char *name;
    std::int32_t k;
    bool complementary;
    std::optional<Rank> rank;
};

void PrintTo(const RankCase &row, std::ostream *os)
{
    *os << row.name;
}

class RankTable : public ::testing::TestWithParam<RankCase> {};

TEST_P(RankTable, GivesTheCounterOfKAndTheComplementary)
{
    EXPECT_EQ(rankOf(GetParam().k, GetParam().complementary), GetParam().rank);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RankTable,
    ::testing::Values(RankCase{"SixAlone", 6, false, Rank::Six},
                      RankCase{"SixWithComplementary", 6, true, Rank::Six},
                      RankCase{"FiveWithComplementary", 5, true, Rank::FivePlusComp},
                      RankCase{"Five", 5, false, Rank::Five},
                      RankCase{"FourWithComplementary", 4, true, Rank::FourPlusComp},
                      RankCase{"Four", 4, false, Rank::Four},
                      RankCase{"ThreeWithComplementary", 3, true, Rank::ThreePlusComp},
                      RankCase{"Three", 3, false, Rank::Three},
                      RankCase{"TwoWithComplementary", 2, true, Rank::TwoPlusComp},
                      RankCase{"TwoAlone", 2, false, std::nullopt},
                      RankCase{"OneWithComplementary", 1, true, std::nullopt},
                      RankCase{"None", 0, false, std::nullopt},
                      RankCase{"SevenFromARepeatedNumber", 7, true, std::nullopt}),
    caseName<RankCase>);

TEST(RankCaptions, FrenchCaptionsInTableOrder)
{
    std::vector<std::string> captions;
    for (const Rank rank : allRanks)
        captions.push_back(rankCaption(rank, [](int n) { return pgloretlibmessage(n, french); }));
    EXPECT_EQ(captions, (std::vector<std::string>{"6 numéros", "5 +Comp", "5 numéros", "4 +Comp",
                                                  "4 numéros", "3 +Comp", "3 numéros", "2 +Comp"}));
}

TEST(RankCaptions, FollowTheLanguage)
{
    const auto message = [](int n) { return pgloretlibmessage(n, english); };
    EXPECT_EQ(rankCaption(Rank::Six, message), "6 numbers");
    EXPECT_EQ(rankCaption(Rank::TwoPlusComp, message), "2 +Joly");
}

TEST(DrawEntry, TextsThatAreNotNumbersCountAsZero)
{
    const std::array<std::string, 7> texts{"3", "75", "", "x", "17 ", " 20", "12"};
    const Draw draw = drawFromTexts(texts);
    EXPECT_EQ(draw.d, (std::array<std::int32_t, 7>{0, 3, 75, 0, 0, 0, 20}));
    EXPECT_EQ(draw.c, 12);
}

struct DuplicateCase {
    const char *name;
    Draw draw;
    bool duplicate;
};

void PrintTo(const DuplicateCase &row, std::ostream *os)
{
    *os << row.name;
}

class DrawDuplicates : public ::testing::TestWithParam<DuplicateCase> {};

TEST_P(DrawDuplicates, RefusesANumberGivenTwice)
{
    EXPECT_EQ(hasDuplicateNumber(GetParam().draw), GetParam().duplicate);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DrawDuplicates,
    ::testing::Values(
        DuplicateCase{"SevenDistinct", Draw{{0, 3, 17, 20, 28, 33, 45}, 12}, false},
        DuplicateCase{"ComplementaryEqualsADrawnNumber", Draw{{0, 3, 17, 20, 28, 33, 45}, 33},
                      true},
        DuplicateCase{"TwoDrawnNumbersEqual", Draw{{0, 3, 17, 20, 3, 33, 45}, 12}, true},
        DuplicateCase{"ZerosAreNotCounted", Draw{{0, 3, 0, 20, 0, 33, 45}, 0}, false},
        DuplicateCase{"NinetyNineTwice", Draw{{0, 99, 17, 20, 28, 33, 45}, 99}, true}),
    caseName<DuplicateCase>);

TEST(ComparisonList, WorkedExampleLineCountsUnderThreePlusComp)
{
    ComparisonList list;
    list.restart(workedDraw(), complementaryWord());
    const std::array<std::int32_t, 6> grid{3, 12, 17, 25, 33, 41};
    list.addLine(grid);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list.lineText(0), "B.:001 :-03-12-17-25-33-41 ->3 + Complémentaire");
    EXPECT_EQ(countsOf(list), (Counts{0, 0, 0, 0, 0, 1, 0, 0}));
}

// Method 5 places positions 1-6, 5-10 and 1-2-3-7-8-9 of its ten numbers.
TEST(GeneratedComparison, WorkedExampleAsFirstGridOfMethodFive)
{
    Selection s;
    for (const int n : {3, 12, 17, 25, 33, 41, 42, 43, 44, 46})
        s.tabcoche[static_cast<std::size_t>(n)] = 1;
    pconstruitnumsel(s);
    ComparisonList list;
    pcomparegrilles(s, 5, 3, workedDraw(), complementaryWord(), list);
    EXPECT_EQ(allLines(list),
              (std::vector<std::string>{"B.:001 :-03-12-17-25-33-41 ->3 + Complémentaire",
                                        "B.:002 :-33-41-42-43-44-46 ->1",
                                        "B.:003 :-03-12-17-42-43-44 ->2 + Complémentaire"}));
    EXPECT_EQ(countsOf(list), (Counts{0, 0, 0, 0, 0, 1, 0, 1}));
    EXPECT_EQ(s.grillecourante, 1);
    EXPECT_EQ(s.methodecourante, 5);
    EXPECT_EQ(s.nbgrillescourant, 3);
}

TEST(GeneratedComparison, MethodWithoutGridsGivesNoLineAndZeroCounters)
{
    Selection s;
    ComparisonList list;
    list.restart(workedDraw(), complementaryWord());
    const std::array<std::int32_t, 1> old{3};
    list.addLine(old);
    pcomparegrilles(s, 5, 0, workedDraw(), complementaryWord(), list);
    EXPECT_EQ(list.size(), 0u);
    EXPECT_EQ(countsOf(list), Counts{});
}

struct FileCase {
    const char *name;
    std::string content;
    std::vector<std::string> lines;
    Counts counts;
    std::string separator = ";";
    std::int32_t skipLines = 0;
    std::vector<ReplacementBox> boxes = {};
    Draw draw = workedDraw();
};

void PrintTo(const FileCase &fileCase, std::ostream *os)
{
    *os << fileCase.name;
}

class FileComparisonCases : public ::testing::TestWithParam<FileCase> {};

// Unless a row says otherwise: separator ";", no line skipped, no replacement, the worked draw.
TEST_P(FileComparisonCases, WritesEachLineAndCountsIt)
{
    const FileCase &c = GetParam();
    TestFolder folder;
    writeBytes(folder.file("grids.txt"), c.content);
    const GridFileSource source{folder.file("grids.txt").string(), c.separator, c.skipLines};
    ComparisonList list;
    const GridFileOutcome outcome =
        pcomparefichier(source, pconstruitremplacement(c.boxes), c.draw, complementaryWord(), list);
    EXPECT_TRUE(outcome.ok) << outcome.message;
    EXPECT_EQ(allLines(list), c.lines);
    EXPECT_EQ(countsOf(list), c.counts);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FileComparisonCases,
    ::testing::Values(
        FileCase{"WorkedExample",
                 "3;12;17;25;33;41\n",
                 {"B.:001 :-03-12-17-25-33-41 ->3 + Complémentaire"},
                 {0, 0, 0, 0, 0, 1, 0, 0}},
        FileCase{"TrailingBlankMakesAFieldNoNumber", "17 ;3;20\n", {"B.:001 :-03-20 ->2"}, {}},
        FileCase{"LeadingBlankIsRead",
                 " 17;3;20\n",
                 {"B.:001 :-17-03-20 ->3"},
                 {0, 0, 0, 0, 0, 0, 1, 0}},
        FileCase{"NegativeNumberKeepsItsSignAfterTheZero", "-5;3\n", {"B.:001 :-0-5-03 ->1"}, {}},
        FileCase{"NumbersInEveryForm",
                 "$11;0x3;+20;0000000028;2147483648;0045;99999999999\n",
                 {"B.:001 :-17-03-20-28-45 ->5"},
                 {0, 0, 1, 0, 0, 0, 0, 0}},
        FileCase{"EmptyFieldsBetweenAndAfter", "3;;17;\n", {"B.:001 :-03-17 ->2"}, {}},
        FileCase{"LineWithoutNumbers", "a;b\n", {"B.:001 : ->0"}, {}},
        FileCase{"SameNumberTwiceCountsTwice",
                 "3;3;17;17;33;1\n",
                 {"B.:001 :-03-03-17-17-33-01 ->5"},
                 {0, 0, 1, 0, 0, 0, 0, 0}},
        FileCase{"SixDrawnWithComplementaryCountUnderSix",
                 "3;17;20;28;33;45;12\n",
                 {"B.:001 :-03-17-20-28-33-45-12 ->6 + Complémentaire"},
                 {1, 0, 0, 0, 0, 0, 0, 0}},
        FileCase{"FieldsAfterTheTenthAreIgnored",
                 "1;2;4;5;6;7;8;9;10;11;3;17\n",
                 {"B.:001 :-01-02-04-05-06-07-08-09-10-11 ->0"},
                 {}},
        FileCase{"ReplacedNumbersAreCompared",
                 "7;8;3\n",
                 {"B.:001 :-33-45-03 ->3"},
                 {0, 0, 0, 0, 0, 0, 1, 0},
                 ";",
                 0,
                 {{7, "33"}, {8, "45"}}},
        FileCase{"ZeroNegativeAndAboveHundredAreNotReplaced",
                 "0;-5;101;100\n",
                 {"B.:001 :-00-0-5-101-17 ->1"},
                 {},
                 ";",
                 0,
                 {{100, "17"}}},
        FileCase{"TwoBlanksEncloseAnEmptyField",
                 "3  17 x 20\n",
                 {"B.:001 :-03-17-20 ->3"},
                 {0, 0, 0, 0, 0, 0, 1, 0},
                 ""},
        FileCase{"BlankLinesAreNotSkippedLines",
                 "\n1;2\n   \n3;4\n\n3;17;20\n",
                 {"B.:001 :-03-17-20 ->3"},
                 {0, 0, 0, 0, 0, 0, 1, 0},
                 ";",
                 2},
        FileCase{"NothingAfterTheSkippedLines", "3;17\n", {}, {}, ";", 1},
        FileCase{"NegativeSkipReadsFromTheTop", "3;17\n", {"B.:001 :-03-17 ->2"}, {}, ";", -4},
        FileCase{"EmptyEntryBoxesMatchNoZeroOfTheFile",
                 "0;0;3;17\n",
                 {"B.:001 :-00-00-03-17 ->2"},
                 {},
                 ";",
                 0,
                 {},
                 Draw{{0, 3, 17, 20, 28, 0, 0}, 0}},
        FileCase{
            "EveryRankCounted",
            "3;17;20;28;33;12\n3;17;20;28;33;1\n3;17;20;28;12;1\n3;17;20;28;1;2\n"
            "3;17;20;12;1;2\n3;17;12;1;2;4\n3;17;1;2;4;5\n3;17;20;28;33;45\n3;17;20;1;2;4",
            {"B.:001 :-03-17-20-28-33-12 ->5 + Complémentaire", "B.:002 :-03-17-20-28-33-01 ->5",
             "B.:003 :-03-17-20-28-12-01 ->4 + Complémentaire", "B.:004 :-03-17-20-28-01-02 ->4",
             "B.:005 :-03-17-20-12-01-02 ->3 + Complémentaire",
             "B.:006 :-03-17-12-01-02-04 ->2 + Complémentaire", "B.:007 :-03-17-01-02-04-05 ->2",
             "B.:008 :-03-17-20-28-33-45 ->6", "B.:009 :-03-17-20-01-02-04 ->3"},
            {1, 1, 1, 1, 1, 1, 1, 1}}),
    caseName<FileCase>);

TEST(FileComparison, MissingFileFailsWithTheReadersMessage)
{
    TestFolder folder;
    const std::string missing = folder.file("none.txt").string();
    ComparisonList list;
    list.restart(workedDraw(), complementaryWord());
    const std::array<std::int32_t, 1> old{3};
    list.addLine(old);
    const GridFileOutcome outcome = pcomparefichier({missing, ";", 0}, identityReplacement(),
                                                    workedDraw(), complementaryWord(), list);
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.message, "Could not open the file \"" + missing + "\" for reading");
    EXPECT_EQ(list.size(), 0u);
}

TEST(FileComparison, NoFileChosenFails)
{
    ComparisonList list;
    FileComparison run({"", ";", 0}, identityReplacement(), workedDraw(), complementaryWord(),
                       list);
    EXPECT_EQ(run.state(), RunState::Failed);
    EXPECT_EQ(run.failureMessage(), "No valid file selected");
    EXPECT_FALSE(run.compareNextLine());
}

TEST(FileComparison, StopAfterALineKeepsTheLinesSoFar)
{
    TestFolder folder;
    writeBytes(folder.file("grids.txt"), "3\n17\n20\n28\n33\n");
    ComparisonList list;
    FileComparison run({folder.file("grids.txt").string(), ";", 0}, identityReplacement(),
                       workedDraw(), complementaryWord(), list);
    EXPECT_TRUE(run.compareNextLine());
    EXPECT_TRUE(run.compareNextLine());
    run.stop();
    EXPECT_EQ(run.state(), RunState::Stopped);
    EXPECT_FALSE(run.compareNextLine());
    EXPECT_EQ(allLines(list), (std::vector<std::string>{"B.:001 :-03 ->1", "B.:002 :-17 ->1"}));
    EXPECT_TRUE(run.failureMessage().empty());
}

TEST(FileComparison, LastLineEndsTheRun)
{
    TestFolder folder;
    writeBytes(folder.file("grids.txt"), "3;17\n20\n");
    ComparisonList list;
    FileComparison run({folder.file("grids.txt").string(), ";", 0}, identityReplacement(),
                       workedDraw(), complementaryWord(), list);
    EXPECT_EQ(run.state(), RunState::Running);
    EXPECT_TRUE(run.compareNextLine());
    EXPECT_FALSE(run.compareNextLine());
    EXPECT_EQ(run.state(), RunState::Finished);
    run.stop();
    EXPECT_EQ(run.state(), RunState::Finished);
    EXPECT_EQ(list.size(), 2u);
}

TEST(FileComparison, CompareForHandsBackWhenItsTimeIsSpent)
{
    TestFolder folder;
    std::string content;
    for (int n = 1; n <= 1000; ++n)
        content += std::to_string(n % 50) + ";3\n";
    writeBytes(folder.file("grids.txt"), content);
    ComparisonList list;
    FileComparison run({folder.file("grids.txt").string(), ";", 0}, identityReplacement(),
                       workedDraw(), complementaryWord(), list);
    EXPECT_TRUE(run.compareFor(std::chrono::nanoseconds(0)));
    EXPECT_GT(list.size(), 0u);
    EXPECT_LT(list.size(), 1000u);
    EXPECT_FALSE(run.compareFor(std::chrono::hours(1)));
    EXPECT_EQ(run.state(), RunState::Finished);
    ASSERT_EQ(list.size(), 1000u);
    EXPECT_EQ(list.lineText(99), "B.:100 :-00-03 ->1");
    EXPECT_EQ(list.lineText(999), "B.:1000 :-00-03 ->1");
}
