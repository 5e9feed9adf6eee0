#include "clirun.h"

#include "testfolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr const char *workedDraw = "3,17,20,28,33,45,12";

// The counter lines in French, with the counts in table order.
std::string frenchCounters(const std::vector<int> &counts)
{
    const std::vector<std::string> captions{"6 numéros", "5 +Comp", "5 numéros", "4 +Comp",
                                            "4 numéros", "3 +Comp", "3 numéros", "2 +Comp"};
    std::string text;
    for (std::size_t r = 0; r < captions.size(); ++r)
        text += captions[r] + "\t" + std::to_string(counts[r]) + "\n";
    return text;
}

// A grid file in a temporary folder.
class CliFile : public ::testing::Test {
protected:
    std::string file(const std::string &content)
    {
        writeBytes(m_folder.file("grids.txt"), content);
        return m_folder.file("grids.txt").string();
    }

    std::string missingFile() const { return m_folder.file("none.txt").string(); }

    TestFolder m_folder;
};

// Names a table row after its `name` field.
template <typename Case> std::string caseName(const ::testing::TestParamInfo<Case> &info)
{
    return info.param.name;
}

}  // namespace

TEST_F(CliFile, FieldsPrintsTenTabSeparatedFieldsPerLine)
{
    const CliRun r =
        run({"fields", file("1;2;3\n\xE9t\xE9; b \n1;2;3;4;5;6;7;8;9;10;11\n"), "--sep", ";"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, "1\t2\t3\t\t\t\t\t\t\t\n"
                     "été\t b \t\t\t\t\t\t\t\t\n"
                     "1\t2\t3\t4\t5\t6\t7\t8\t9\t10\n");
}

TEST_F(CliFile, FieldsSplitsOnBlanksByDefaultAndSkipsLines)
{
    const CliRun r = run({"fields", "--skip", "1", file("head er\n\n3  17\n")});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "3\t\t17\t\t\t\t\t\t\t\n");
}

TEST_F(CliFile, FieldsOfAMissingFileGiveTheReadersMessage)
{
    const CliRun r = run({"fields", missingFile()});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err,
              "mirazol-cli: Could not open the file \"" + missingFile() + "\" for reading\n");
}

TEST(CliCompare, GeneratedGridsThenCounters)
{
    const CliRun r = run({"compare", "5", "--draw", workedDraw, "46", "44", "43", "42", "41", "33",
                          "25", "17", "12", "3"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, "B.:001 :-03-12-17-25-33-41 ->3 + Complémentaire\n"
                     "B.:002 :-33-41-42-43-44-46 ->1\n"
                     "B.:003 :-03-12-17-42-43-44 ->2 + Complémentaire\n" +
                         frenchCounters({0, 0, 0, 0, 0, 1, 0, 1}));
}

TEST(CliCompare, LanguageOptionChangesWordAndCaptions)
{
    const CliRun r = run({"compare", "5", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10",
                          "--lang", "2", "--draw", "1,2,3,4,5,6,7"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "B.:001 :-01-02-03-04-05-06 ->6\n"
                     "B.:002 :-05-06-07-08-09-10 ->2 + Bonus\n"
                     "B.:003 :-01-02-03-07-08-09 ->3 + Bonus\n"
                     "6 numbers\t1\n5 +Joly\t0\n5 numbers\t0\n4 +Joly\t0\n4 numbers\t0\n"
                     "3 +Joly\t1\n3 numbers\t0\n2 +Joly\t1\n");
}

TEST_F(CliFile, CompareFileReplacesSkipsAndCounts)
{
    const std::string grids = file("header\n7;12;17;25;33;41\n3;8;20;28;33;45;12\n");
    const std::string expected = "B.:001 :-03-12-17-25-33-41 ->3 + Complémentaire\n"
                                 "B.:002 :-03-17-20-28-33-45-12 ->6 + Complémentaire\n" +
                                 frenchCounters({1, 0, 0, 0, 0, 1, 0, 0});
    const CliRun several = run({"compare-file", grids, "--draw", workedDraw, "--sep", ";", "--skip",
                                "1", "--replace", "7=3", "8=17"});
    EXPECT_EQ(several.status, 0);
    EXPECT_EQ(several.err, "");
    EXPECT_EQ(several.out, expected);
    const CliRun repeated = run({"compare-file", "--replace", "8=17", "--sep", ";", "--replace",
                                 "7=3", grids, "--skip", "1", "--draw", workedDraw});
    EXPECT_EQ(repeated.out, expected);
}

TEST_F(CliFile, CompareFileWithNothingAfterTheSkippedLinesGivesZeroCounters)
{
    const CliRun r = run({"compare-file", file("3 17 20\n"), "--draw", workedDraw, "--skip", "1"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, frenchCounters({0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(CliFile, CompareFileOfAMissingFileGivesTheReadersMessage)
{
    const CliRun r = run({"compare-file", missingFile(), "--draw", workedDraw});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err,
              "mirazol-cli: Could not open the file \"" + missingFile() + "\" for reading\n");
}

struct CompareBadCase {
    const char *name;
    std::vector<std::string> args;
    const char *message;
    const char *usage;
};

void PrintTo(const CompareBadCase &badCase, std::ostream *os)
{
    *os << badCase.name;
}

class CliCompareBadArguments : public ::testing::TestWithParam<CompareBadCase> {};

TEST_P(CliCompareBadArguments, ExitTwoWithTheMessageAndTheUsageLine)
{
    const CliRun r = run(GetParam().args);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err,
              std::string("mirazol-cli: ") + GetParam().message + "\n" + GetParam().usage + "\n");
}

constexpr const char *fieldsUsage = "usage: mirazol-cli fields FILE [--sep C] [--skip N]";
constexpr const char *compareUsage =
    "usage: mirazol-cli compare METHOD --draw D1,D2,D3,D4,D5,D6,C N1 N2 ... [--lang N]";
constexpr const char *compareFileUsage =
    "usage: mirazol-cli compare-file FILE --draw D1,D2,D3,D4,D5,D6,C [--sep C] [--skip N] "
    "[--replace N=M ...] [--lang N]";

INSTANTIATE_TEST_SUITE_P(
    Cases, CliCompareBadArguments,
    ::testing::Values(
        CompareBadCase{
            "FieldsWithoutFile", {"fields", "--sep", ";"}, "missing file name", fieldsUsage},
        CompareBadCase{
            "FieldsWithTwoFiles", {"fields", "a", "b"}, "one file only, got 2", fieldsUsage},
        CompareBadCase{"FieldsWithDraw",
                       {"fields", "a", "--draw", workedDraw},
                       "unknown option --draw",
                       fieldsUsage},
        CompareBadCase{"LongSeparator",
                       {"fields", "a", "--sep", ";;"},
                       "separator must be one character: \";;\"",
                       fieldsUsage},
        CompareBadCase{
            "SeparatorMissing", {"fields", "a", "--sep"}, "--sep needs a value", fieldsUsage},
        CompareBadCase{"NegativeSkip",
                       {"fields", "a", "--skip", "-1"},
                       "lines to skip must be 0 or more, got -1",
                       fieldsUsage},
        CompareBadCase{"CompareWithoutDraw",
                       {"compare", "7", "1", "2", "3", "4", "5", "6", "7"},
                       "missing --draw",
                       compareUsage},
        CompareBadCase{"CompareWithTooFewNumbers",
                       {"compare", "7", "1", "2", "--draw", workedDraw},
                       "method 7 needs 7 numbers, got 2",
                       compareUsage},
        CompareBadCase{"DrawOfSixNumbers",
                       {"compare-file", "a", "--draw", "1,2,3,4,5,6"},
                       "--draw needs 7 numbers (six drawn, then the complementary), got 6",
                       compareFileUsage},
        CompareBadCase{"DrawNumberAboveNinetyNine",
                       {"compare-file", "a", "--draw", "1,2,3,4,5,100,7"},
                       "draw number 100 is outside 0..99",
                       compareFileUsage},
        CompareBadCase{"DrawNumberNotANumber",
                       {"compare-file", "a", "--draw", "1,2,,4,5,6,7"},
                       "draw number is not a number: \"\"",
                       compareFileUsage},
        CompareBadCase{"ComplementaryEqualsADrawnNumber",
                       {"compare-file", "a", "--draw", "1,2,3,4,5,6,3"},
                       "draw number 3 is given twice",
                       compareFileUsage},
        CompareBadCase{"ReplacementWithoutEquals",
                       {"compare-file", "a", "--draw", workedDraw, "--replace", "7"},
                       "replacement must read N=M: \"7\"",
                       compareFileUsage},
        CompareBadCase{"ReplacedNumberZero",
                       {"compare-file", "a", "--draw", workedDraw, "--replace", "0=5"},
                       "replaced number 0 is outside 1..100",
                       compareFileUsage},
        CompareBadCase{"ReplacementNotANumber",
                       {"compare-file", "a", "--draw", workedDraw, "--replace", "7=x"},
                       "replacement is not a number: \"x\"",
                       compareFileUsage},
        CompareBadCase{
            "CompareFileWithoutDraw", {"compare-file", "a"}, "missing --draw", compareFileUsage}),
    caseName<CompareBadCase>);
