#include "clirun.h"

#include "engine/gridtables.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The lines of methods 1..8, in the order they were printed.
std::vector<std::string> handMethodLines(const std::string &text)
{
    std::vector<std::string> result;
    for (const std::string &line : lines(text)) {
        if (line.size() > 1 && line[0] >= '1' && line[0] <= '8' && line[1] == '\t')
            result.push_back(line);
    }
    return result;
}

std::vector<std::string> withNumbers(std::vector<std::string> head)
{
    for (const char *n : {"49", "3", "44", "7", "40", "12", "36", "18", "31", "22", "25"})
        head.push_back(n);
    return head;
}

}  // namespace

TEST(CliMethods, EnglishLabelsInListOrder)
{
    const CliRun r = run({"methods", "--lang", "2"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(handMethodLines(r.out), (std::vector<std::string>{
                                          "3\t  3 numbers if  3 in 10 with    10 boards",
                                          "1\t  3 numbers if  3 in 11 with    11 boards",
                                          "6\t  3 numbers if  4 in 22 with    58 boards",
                                          "7\t  4 numbers if  4 in  7 with     5 boards",
                                          "2\t  4 numbers if  5 in 12 with    20 boards",
                                          "5\t  4 numbers if  6 in 10 with     3 boards",
                                          "8\t  5 numbers if  5 in  7 with     6 boards",
                                          "4\t  5 numbers if  6 in  9 with     8 boards",
                                      }));
}

TEST(CliMethods, FrenchByDefault)
{
    const CliRun r = run({"methods"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(handMethodLines(r.out)[1], "1\t  3 numéros si  3 parmi 11 en    11 grilles");
}

TEST(CliList, WorkedExampleInAnyOrder)
{
    const CliRun r = run(withNumbers({"list", "1"}));
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, "Grille: 001 :-07-12-18-25-31-40\n"
                     "Grille: 002 :-12-18-22-31-36-44\n"
                     "Grille: 003 :-18-22-25-36-40-49\n"
                     "Grille: 004 :-03-22-25-31-40-44\n"
                     "Grille: 005 :-07-25-31-36-44-49\n"
                     "Grille: 006 :-03-12-31-36-40-49\n"
                     "Grille: 007 :-03-07-18-36-40-44\n"
                     "Grille: 008 :-07-12-22-40-44-49\n"
                     "Grille: 009 :-03-12-18-25-44-49\n"
                     "Grille: 010 :-03-07-18-22-31-49\n"
                     "Grille: 011 :-03-07-12-22-25-36\n");
}

TEST(CliList, LanguageOptionChangesTheLabelWord)
{
    std::vector<std::string> args = withNumbers({"list", "1"});
    args.insert(args.end(), {"--lang", "2"});
    const CliRun r = run(args);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(lines(r.out).front(), "Board: 001 :-07-12-18-25-31-40");
}

TEST(CliList, LanguageOptionMayComeFirst)
{
    const CliRun r = run(withNumbers({"list", "--lang", "2", "1"}));
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(lines(r.out).back(), "Board: 011 :-03-07-12-22-25-36");
}

TEST(CliExport, LinesEndWithCarriageReturnLineFeed)
{
    const CliRun r = run({"export", "5", "10", "9", "8", "7", "6", "5", "4", "3", "2", "1"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, " 1, 2, 3, 4, 5, 6\r\n 5, 6, 7, 8, 9, 10\r\n 1, 2, 3, 7, 8, 9\r\n");
}

TEST(CliExport, WorkedExampleFirstAndLastLines)
{
    const CliRun r = run(withNumbers({"export", "1"}));
    EXPECT_EQ(r.status, 0);
    const std::vector<std::string> out = lines(r.out);
    ASSERT_EQ(out.size(), 11u);
    EXPECT_EQ(out.front(), " 7, 12, 18, 25, 31, 40\r");
    EXPECT_EQ(out.back(), " 3, 7, 12, 22, 25, 36\r");
}

TEST(CliTable, PrintsPositionsSeparatedByBlanks)
{
    const CliRun r = run({"table", "5"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "1 2 3 4 5 6\n5 6 7 8 9 10\n1 2 3 7 8 9\n");
}

TEST(CliVerify, HoldingGuaranteeSucceeds)
{
    const CliRun r = run({"verify", "1"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "1 3/3/11/11 ok\n");
}

TEST(CliVerify, NamedMethodsAreProvenInTheGivenOrder)
{
    const CliRun r = run({"verify", "4", "1", "2"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "4 5/6/9/8 ok\n1 3/3/11/11 ok\n2 4/5/12/20 ok\n");
    EXPECT_EQ(r.err, "");
}

TEST(CliVerify, FailingGuaranteeLineGivesTheCountOfUncoveredDraws)
{
    const Tmethode row{"", 20, 12, 4, 5};
    EXPECT_EQ(verifyLine(2, row, GuaranteeResult{792, 28}), "2 4/5/12/20 FAIL 28 of 792");
    EXPECT_EQ(verifyLine(2, row, GuaranteeResult{792, 0}), "2 4/5/12/20 ok");
}

TEST(CliVerify, DefaultChecksEveryOfferedMethod)
{
    const CliRun r = run({"verify"});
    EXPECT_EQ(r.status, 0);
    const std::vector<std::string> out = lines(r.out);
    int offered = 0;
    for (int m = 1; m <= methodCount; ++m)
        offered += hasGridTable(m) ? 1 : 0;
    ASSERT_EQ(static_cast<int>(out.size()), offered);
    EXPECT_EQ(out[0], "1 3/3/11/11 ok");
    EXPECT_EQ(out[1], "2 4/5/12/20 ok");
    for (const std::string &line : out)
        EXPECT_TRUE(line.ends_with(" ok")) << line;
}

struct BadCase {
    const char *name;
    std::vector<std::string> args;
    const char *message;
};

void PrintTo(const BadCase &badCase, std::ostream *os)
{
    *os << badCase.name;
}

class CliBadArguments : public ::testing::TestWithParam<BadCase> {};

TEST_P(CliBadArguments, ExitTwoWithOneLineOnStderr)
{
    const CliRun r = run(GetParam().args);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, std::string("mirazol-cli: ") + GetParam().message + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliBadArguments,
    ::testing::Values(
        BadCase{"NoCommand",
                {},
                "usage: mirazol-cli "
                "methods|list|export|verify|table|fields|compare|compare-file|print|print-file|"
                "print-list|export-file ..."},
        BadCase{"UnknownCommand", {"draw"}, "unknown command draw"},
        BadCase{"UnknownMethod", {"list", "200", "1"}, "unknown method 200"},
        BadCase{"MethodNotANumber", {"verify", "one"}, "method is not a number: \"one\""},
        BadCase{"MissingMethod", {"export"}, "missing method number"},
        BadCase{"TooFewNumbers", {"list", "5", "1", "2", "3"}, "method 5 needs 10 numbers, got 3"},
        BadCase{"TooManyNumbers",
                {"export", "7", "1", "2", "3", "4", "5", "6", "7", "8"},
                "method 7 needs 7 numbers, got 8"},
        BadCase{"NumberZero",
                {"list", "7", "1", "2", "3", "4", "5", "6", "0"},
                "number 0 is outside 1..99"},
        BadCase{"NumberHundred",
                {"list", "7", "1", "2", "3", "4", "5", "6", "100"},
                "number 100 is outside 1..99"},
        BadCase{"NegativeNumber",
                {"export", "7", "1", "2", "3", "4", "5", "6", "-5"},
                "number -5 is outside 1..99"},
        BadCase{"NumberNotANumber",
                {"list", "7", "1", "2", "3", "4", "5", "6", "7x"},
                "number is not a number: \"7x\""},
        BadCase{"Duplicate",
                {"list", "7", "1", "2", "3", "4", "5", "6", "06"},
                "number 6 is given twice"},
        BadCase{"LanguageOutOfRange", {"methods", "--lang", "8"}, "language 8 is outside 1..7"},
        BadCase{"LanguageMissing", {"methods", "--lang"}, "--lang needs a language number 1..7"},
        BadCase{
            "LanguageNotANumber", {"methods", "--lang", "en"}, "language is not a number: \"en\""},
        BadCase{"LanguageOnExport",
                {"export", "7", "1", "2", "3", "4", "5", "6", "7", "--lang", "2"},
                "unknown option --lang"},
        BadCase{"UnknownOption", {"methods", "--all"}, "unknown option --all"},
        BadCase{
            "MethodsWithArgument", {"methods", "1"}, "methods takes no argument besides --lang"},
        BadCase{
            "TableWithTwoMethods", {"table", "1", "2"}, "table takes exactly one method number"}),
    [](const ::testing::TestParamInfo<BadCase> &info) { return std::string(info.param.name); });

TEST(CliRefusal, MethodWithoutTableIsNotOffered)
{
    int unoffered = 0;
    for (int m = methodCount; m >= 1; --m) {
        if (!hasGridTable(m))
            unoffered = m;
    }
    if (unoffered == 0)
        GTEST_SKIP() << "every method of the catalogue is offered";
    const std::string number = std::to_string(unoffered);
    const CliRun r = run({"table", number});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "mirazol-cli: method " + number + " is not offered (no grid table)\n");
}
