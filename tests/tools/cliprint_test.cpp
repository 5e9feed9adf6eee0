#include "clirun.h"

#include "platform/fakes/fakeplatform.h"
#include "testfolder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// Method 30 (30 grids over 9 positions) on the numbers 1..9: grid 1 holds number 1.
std::vector<std::string> printMethod30(std::vector<std::string> options)
{
    std::vector<std::string> args{"print", "30", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    args.insert(args.end(), options.begin(), options.end());
    return args;
}

// The trace lines of page corners and page starts: everything but the marks.
std::vector<std::string> withoutMarks(const std::string &trace)
{
    std::vector<std::string> kept;
    for (const std::string &line : lines(trace)) {
        if (!line.starts_with("text \"X\""))
            kept.push_back(line);
    }
    return kept;
}

struct TraceCase {
    const char *name;
    std::vector<std::string> options;
    std::size_t line;  // 0-based line of the trace
    const char *expected;
};

class CliPrintTrace : public ::testing::TestWithParam<TraceCase> {};

TEST_P(CliPrintTrace, PlacesTheFirstMark)
{
    const TraceCase &c = GetParam();
    const CliRun result = run(printMethod30(c.options));
    ASSERT_EQ(result.status, 0) << result.err;
    const std::vector<std::string> trace = lines(result.out);
    ASSERT_GT(trace.size(), c.line);
    EXPECT_EQ(trace[c.line], c.expected);
}

// The worked example: 600 dpi, the printable area 100 dots in, number 1 of grid 1.
INSTANTIATE_TEST_SUITE_P(
    CliPrint, CliPrintTrace,
    ::testing::Values(TraceCase{"XOnType23",
                                {"--type", "23", "--last", "1", "--trace", "--offset", "100,100"},
                                2,
                                "text \"X\" at 110,585"},
                      TraceCase{"XShiftedLeft3mm",
                                {"--type", "23", "--last", "1", "--trace", "--offset", "100,100",
                                 "--shift", "-3,0"},
                                2,
                                "text \"X\" at 39,585"},
                      TraceCase{"StrokePenOnType4",
                                {"--type", "4", "--last", "1", "--trace", "--offset", "100,100"},
                                2,
                                "pen 19"},
                      TraceCase{"StrokeLineOnType4",
                                {"--type", "4", "--last", "1", "--trace", "--offset", "100,100"},
                                3,
                                "line 317,475 to 376,475"},
                      TraceCase{"DefaultsAre600DpiAndNoOffset",
                                {"--type", "23", "--last", "1", "--trace"},
                                2,
                                "text \"X\" at 210,685"},
                      TraceCase{"ResolutionPerAxis",
                                {"--type", "23", "--last", "1", "--trace", "--dpi", "300,1200"},
                                2,
                                "text \"X\" at 105,1370"}),
    [](const auto &row) { return std::string(row.param.name); });

TEST(CliPrint, TraceOfTheWorkedExampleIsExact)
{
    const CliRun result =
        run(printMethod30({"--type", "23", "--last", "1", "--trace", "--offset", "100,100"}));
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "page 1\n"
                          "font Fixedsys 10 bold\n"
                          "text \"X\" at 110,585\n"
                          "text \"X\" at 196,585\n"
                          "text \"X\" at 283,585\n"
                          "text \"X\" at 369,585\n"
                          "text \"X\" at 455,585\n"
                          "text \"X\" at 541,585\n");
    EXPECT_EQ(result.err, "");
}

TEST(CliPrint, OneByOneAnswersOkAndPrintsEveryBulletin)
{
    const CliRun result = run(
        printMethod30({"--type", "23", "--last", "25", "--one-by-one", "--numbered", "--trace"}));
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(
        withoutMarks(result.out),
        (std::vector<std::string>{"page 1", "font Fixedsys 10 bold", "text \"1\" at 0,0", "page 2",
                                  "text \"11\" at 0,0", "page 3", "text \"21\" at 0,0"}));
}

TEST(CliPrint, GridsPerSlipOverrideTheType)
{
    const CliRun result = run(printMethod30(
        {"--type", "23", "--last", "10", "--per-slip", "3", "--numbered", "--trace"}));
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(withoutMarks(result.out),
              (std::vector<std::string>{"page 1", "font Fixedsys 10 bold", "text \"1\" at 0,0",
                                        "page 2", "text \"4\" at 0,0", "page 3",
                                        "text \"7\" at 0,0", "page 4", "text \"10\" at 0,0"}));
}

// A recording printer that hands its operations over when the command is done with it.
class HandingPrinter : public RecordingPrinter {
public:
    explicit HandingPrinter(std::vector<Record> &to) : m_to(to) {}
    ~HandingPrinter() override { m_to = records; }

private:
    std::vector<Record> &m_to;
};

TEST(CliPrint, PdfGoesToThePrinterMadeForTheFile)
{
    std::vector<std::string> files;
    std::vector<RecordingPrinter::Record> printed;
    const CliRun result = run(printMethod30({"--type", "23", "--last", "1", "--pdf", "out.pdf"}),
                              [&](const std::string &file) {
                                  files.push_back(file);
                                  return std::make_unique<HandingPrinter>(printed);
                              });
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(files, std::vector<std::string>{"out.pdf"});
    EXPECT_EQ(result.out, "");
    ASSERT_EQ(printed.size(), 9u);  // job, font, six marks, end of job
    EXPECT_EQ(printed[2].text, "X");
    EXPECT_EQ(printed[2].x, 210);
    EXPECT_EQ(printed[8].op, RecordingPrinter::Op::EndDoc);
}

TEST(CliPrint, PdfThatCannotBeWrittenFailsWithStatus1)
{
    const CliRun result = run(printMethod30({"--type", "23", "--pdf", "/no/such/folder/out.pdf"}),
                              [](const std::string &) {
                                  auto printer = std::make_unique<RecordingPrinter>();
                                  printer->failBeginDoc = true;
                                  return printer;
                              });
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "mirazol-cli: Erreur dans pimprimebulletin\n");
}

TEST(CliPrintFile, MarksTheIntegerFieldsOfEachLine)
{
    TestFolder folder;
    writeBytes(folder.file("grids.txt"), "A;3;7;12;25;33\r\n");
    const CliRun result = run({"print-file", folder.file("grids.txt").string(), "--type", "23",
                               "--sep", ";", "--numbered", "--trace"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "page 1\n"
                          "font Fixedsys 10 bold\n"
                          "text \"1\" at 0,0\n"
                          "text \"X\" at 383,685\n"
                          "text \"X\" at 728,685\n"
                          "text \"X\" at 555,771\n"
                          "text \"X\" at 469,944\n"
                          "text \"X\" at 555,1030\n");
}

TEST(CliPrintList, TitleIsCentredOnTheRecordedPage)
{
    const CliRun result =
        run({"print-list", "30", "1", "2", "3", "4", "5", "6", "7", "8", "9", "--trace"});
    EXPECT_EQ(result.status, 0) << result.err;
    const std::vector<std::string> trace = lines(result.out);
    ASSERT_GE(trace.size(), 3u);
    // (4800 - 19 characters of 10 dots) / 2 on the recording printer's page.
    EXPECT_EQ(trace[2], "text \"LISTE DES BULLETINS\" at 2305,50");
}

struct ExportCase {
    const char *name;
    std::vector<std::string> options;
    const char *expected;
};

class CliExportFile : public ::testing::TestWithParam<ExportCase> {};

TEST_P(CliExportFile, WritesTheExportBytes)
{
    const ExportCase &c = GetParam();
    TestFolder folder;
    writeBytes(folder.file("grids.txt"),
               "header\r\nA;3;7;12;25;33\r\n1;2;3;4;5;6\r\n101;2;x;4\r\n");
    std::vector<std::string> args{"export-file", folder.file("grids.txt").string(), "--sep", ";"};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const CliRun result = run(args);
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    CliExport, CliExportFile,
    ::testing::Values(ExportCase{"HeaderAsEmptyLine",
                                 {},
                                 "\r\n 3, 7, 12, 25, 33\r\n 1, 2, 3, 4, 5, 6\r\n 101, 2, 4\r\n"},
                      ExportCase{"SkippedHeader",
                                 {"--skip", "1"},
                                 " 3, 7, 12, 25, 33\r\n 1, 2, 3, 4, 5, 6\r\n 101, 2, 4\r\n"},
                      ExportCase{"Replaced",
                                 {"--skip", "1", "--replace", "3=40", "2=9"},
                                 " 40, 7, 12, 25, 33\r\n 1, 9, 40, 4, 5, 6\r\n 101, 9, 4\r\n"}),
    [](const auto &row) { return std::string(row.param.name); });

// A command and the error line it must give.
struct FailingCase {
    const char *name;
    std::vector<std::string> args;
    const char *error;
};

class CliUnreadableFile : public ::testing::TestWithParam<FailingCase> {};

TEST_P(CliUnreadableFile, FailsWithStatus1)
{
    const FailingCase &c = GetParam();
    const CliRun result = run(c.args);
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, c.error);
}

INSTANTIATE_TEST_SUITE_P(
    CliPrint, CliUnreadableFile,
    ::testing::Values(FailingCase{"ExportFile",
                                  {"export-file", "/no/such/grids.txt"},
                                  "mirazol-cli: Erreur dans Pimprimelistebulletinfichier\n"},
                      FailingCase{"PrintFile",
                                  {"print-file", "/no/such/grids.txt", "--type", "23", "--trace"},
                                  "mirazol-cli: Erreur dans Pimprimebulletinfichier\n"}),
    [](const auto &row) { return std::string(row.param.name); });

class CliPrintBadArguments : public ::testing::TestWithParam<FailingCase> {};

TEST_P(CliPrintBadArguments, ExitWith2AndTheUsage)
{
    const FailingCase &c = GetParam();
    const CliRun result = run(c.args);
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    const std::vector<std::string> err = lines(result.err);
    ASSERT_EQ(err.size(), 2u) << result.err;
    EXPECT_EQ(err[0], std::string("mirazol-cli: ") + c.error);
    EXPECT_TRUE(err[1].starts_with("usage: mirazol-cli " + c.args.front() + " ")) << err[1];
}

INSTANTIATE_TEST_SUITE_P(
    CliPrint, CliPrintBadArguments,
    ::testing::Values(
        FailingCase{"MissingType", printMethod30({"--trace"}), "missing --type"},
        FailingCase{"TypeOutOfRange", printMethod30({"--type", "30", "--trace"}),
                    "--type 30 is outside 1..29"},
        FailingCase{"NoOutput", printMethod30({"--type", "23"}),
                    "give either --pdf FILE or --trace"},
        FailingCase{"BothOutputs", printMethod30({"--type", "23", "--trace", "--pdf", "a.pdf"}),
                    "give either --pdf FILE or --trace"},
        FailingCase{"PdfWithoutPrintSupport", printMethod30({"--type", "23", "--pdf", "a.pdf"}),
                    "--pdf needs the print support: use mirazol-print"},
        FailingCase{"ResolutionWithPdf",
                    printMethod30({"--type", "23", "--pdf", "a.pdf", "--dpi", "600,600"}),
                    "--dpi and --offset go with --trace"},
        FailingCase{"LastAboveGridCount",
                    printMethod30({"--type", "23", "--last", "31", "--trace"}),
                    "grids 1..31 are not within 1..30"},
        FailingCase{"FirstAboveLast",
                    printMethod30({"--type", "23", "--first", "5", "--last", "4", "--trace"}),
                    "grids 5..4 are not within 1..30"},
        FailingCase{"FirstZero", printMethod30({"--type", "23", "--first", "0", "--trace"}),
                    "grids 0..30 are not within 1..30"},
        FailingCase{"PerSlipOfThreeDigits",
                    printMethod30({"--type", "23", "--per-slip", "100", "--trace"}),
                    "--per-slip 100 is outside 0..99"},
        FailingCase{"ShiftWithoutComma", printMethod30({"--type", "23", "--shift", "3", "--trace"}),
                    "--shift must read X,Y: \"3\""},
        FailingCase{"NegativeOffset",
                    printMethod30({"--type", "23", "--trace", "--offset", "-1,0"}),
                    "--offset -1,0 is outside 0..1073741824"},
        FailingCase{
            "PrintFileWithoutFile", {"print-file", "--type", "23", "--trace"}, "missing file name"},
        FailingCase{"PrintListWithType",
                    {"print-list", "30", "1", "2", "3", "4", "5", "6", "7", "8", "9", "--type",
                     "23", "--trace"},
                    "unknown option --type"},
        FailingCase{"ExportFileWithTrace",
                    {"export-file", "grids.txt", "--trace"},
                    "unknown option --trace"}),
    [](const auto &row) { return std::string(row.param.name); });

}  // namespace
