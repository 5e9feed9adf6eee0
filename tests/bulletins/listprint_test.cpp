#include "bulletins/listprint.h"

#include "engine/selection.h"
#include "i18n/messagecatalogue.h"
#include "platform/fakes/fakeplatform.h"
#include "storage/paramrecord.h"
#include "testfolder.h"
#include "writefailure.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <filesystem>
#include <initializer_list>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

namespace {

using Op = RecordingPrinter::Op;
using Record = RecordingPrinter::Record;
using PageAndY = std::vector<std::pair<int, int>>;

// The numbers of the worked example of method 1 (11 positions, 11 grids).
const std::initializer_list<int> elevenNumbers{3, 7, 12, 18, 22, 25, 31, 36, 40, 44, 49};

const std::string workedExampleExport = " 7, 12, 18, 25, 31, 40\r\n"
                                        " 12, 18, 22, 31, 36, 44\r\n"
                                        " 18, 22, 25, 36, 40, 49\r\n"
                                        " 3, 22, 25, 31, 40, 44\r\n"
                                        " 7, 25, 31, 36, 44, 49\r\n"
                                        " 3, 12, 31, 36, 40, 49\r\n"
                                        " 3, 7, 18, 36, 40, 44\r\n"
                                        " 7, 12, 22, 40, 44, 49\r\n"
                                        " 3, 12, 18, 25, 44, 49\r\n"
                                        " 3, 7, 18, 22, 31, 49\r\n"
                                        " 3, 7, 12, 22, 25, 36\r\n";

// A list run over the recording printer (page 4800 x 6600, characters 10 wide and 20 high:
// line height 30, first body line at 50 + 20 + 2 x 30 = 130), exporting to out.txt.
struct ListBench {
    TestFolder folder;
    RecordingPrinter printer;
    FakeMessageBoxes boxes;
    FakeFileDialogs dialogs;
    TParamRecord params;
    Selection selection;
    int language = 1;
    PrintContext ctx{printer, boxes, params,
                     [this](int n) { return pgloretlibmessage(n, language); }};

    explicit ListBench(std::initializer_list<int> numbers = elevenNumbers)
    {
        for (const int n : numbers)
            basculecoche(selection, n);
        pconstruitnumsel(selection);
        dialogs.answers = {out().string()};
    }

    std::filesystem::path out() const { return folder.file("out.txt"); }

    void run(ListMode mode, int method = 1, int nbgrilles = 11)
    {
        pimprimelistebulletin(ctx, dialogs, selection, method, nbgrilles, mode);
    }

    // Texts of the body line at y other than its grid number, with their x.
    std::vector<std::pair<int, std::string>> numbersAt(int y) const
    {
        std::vector<std::pair<int, std::string>> found;
        for (const Record &r : printer.of(Op::Text)) {
            if (r.y == y && r.x != 10)
                found.emplace_back(r.x, r.text);
        }
        return found;
    }

    // Pages and heights of the lines written at the left margin.
    PageAndY linesAtTheMargin() const
    {
        PageAndY found;
        for (const Record &r : printer.of(Op::Text)) {
            if (r.x == 10)
                found.emplace_back(r.page, r.y);
        }
        return found;
    }

    std::size_t filesInFolder() const
    {
        const std::filesystem::directory_iterator entries(folder.path());
        return static_cast<std::size_t>(std::distance(begin(entries), end(entries)));
    }

    void expectFailureBox(const std::string &procedure) const
    {
        ASSERT_EQ(boxes.boxes.size(), 1u);
        EXPECT_EQ(boxes.boxes[0].title, "Erreur dans " + procedure);
        EXPECT_EQ(boxes.boxes[0].body, "Erreur");
        EXPECT_EQ(boxes.boxes[0].buttons, BoxButtons::Ok);
    }
};

}  // namespace

TEST(ListExport, WritesOneLinePerGridWithCrLfOverAnyOldFile)
{
    ListBench bench;
    writeBytes(bench.out(), std::string(5000, 'o'));
    bench.run(ListMode::Export);
    EXPECT_EQ(readBytes(bench.out()), workedExampleExport);
    EXPECT_TRUE(bench.boxes.boxes.empty());
    EXPECT_TRUE(bench.printer.records.empty());
    EXPECT_EQ(bench.selection.nbgrillescourant, 11);
}

TEST(ListExport, MethodOfThreeGridsGivesThreeLines)
{
    ListBench bench({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    bench.run(ListMode::Export, 5, 3);
    const std::string bytes = readBytes(bench.out());
    std::size_t lines = 0;
    for (std::size_t start = 0; start < bytes.size(); start = bytes.find("\r\n", start) + 2) {
        EXPECT_EQ(bytes[start], ' ');
        ++lines;
    }
    EXPECT_EQ(lines, 3u);
}

TEST(ListExport, KeepsOnlyNumbersUpToFortyNine)
{
    ListBench bench({40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50});
    bench.run(ListMode::Export);
    const std::string firstThree = " 41, 42, 43, 45, 46, 48\r\n"
                                   " 42, 43, 44, 46, 47, 49\r\n"
                                   " 43, 44, 45, 47, 48\r\n";
    EXPECT_EQ(readBytes(bench.out()).substr(0, firstThree.size()), firstThree);
}

TEST(ListExport, AsksForTheFileWithTheSaveDialogsSettings)
{
    ListBench bench;
    bench.run(ListMode::Export);
    ASSERT_EQ(bench.dialogs.saved.size(), 1u);
    const FileDialogOptions &options = bench.dialogs.saved[0];
    EXPECT_EQ(options.title, "Indiquer le nom du fichier à enregistrer");
    EXPECT_EQ(options.filter, "mirazol (*.txt)|*.txt");
    EXPECT_EQ(options.defaultExtension, "txt");
    EXPECT_TRUE(options.hideReadOnly);
    EXPECT_TRUE(options.pathMustExist);
    EXPECT_FALSE(options.fileMustExist);
}

TEST(ListExport, CancelledDialogDoesNothingSilently)
{
    ListBench bench;
    bench.dialogs.answers.clear();
    bench.selection.grillecourante = 5;
    bench.run(ListMode::Export);
    EXPECT_TRUE(bench.boxes.boxes.empty());
    EXPECT_EQ(bench.selection.grillecourante, 5);
    EXPECT_EQ(bench.filesInFolder(), 0u);
}

TEST(ListExport, FailedWriteKeepsTheOldFileAndIsReported)
{
    ListBench bench;
    writeBytes(bench.out(), "previous");
    {
        FileSizeLimit limit(64);
        bench.run(ListMode::Export);
    }
    EXPECT_EQ(readBytes(bench.out()), "previous");
    EXPECT_EQ(bench.filesInFolder(), 1u);
    bench.expectFailureBox("pimprimelistebulletin");
}

TEST(ListPrint, TitleIsCentredByTheWidthOfTheFrenchTitle)
{
    ListBench bench;
    bench.language = 2;
    bench.printer.width = 4801;
    bench.run(ListMode::Print);
    const std::vector<Record> texts = bench.printer.of(Op::Text);
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts[0].text, "TICKETS  LIST");
    // "LISTE DES BULLETINS": 19 characters of 10 units; (4801 - 190) / 2 truncated.
    EXPECT_EQ(std::make_pair(texts[0].x, texts[0].y), std::make_pair(2305, 50));
    const std::vector<Record> fonts = bench.printer.of(Op::Font);
    ASSERT_EQ(fonts.size(), 2u);
    EXPECT_EQ(std::make_pair(fonts[0].text, fonts[0].value),
              std::make_pair(std::string("Times New Roman"), 24));
    EXPECT_EQ(std::make_pair(fonts[1].text, fonts[1].value),
              std::make_pair(std::string("Times New Roman"), 10));
}

TEST(ListPrint, GridNumberThenNumbersInColumnsFourCharactersApart)
{
    ListBench bench;
    bench.run(ListMode::Print);
    const std::vector<Record> numbers = bench.printer.of(Op::Text);
    EXPECT_EQ(numbers.at(1).text, "1");
    EXPECT_EQ(std::make_pair(numbers.at(1).x, numbers.at(1).y), std::make_pair(10, 130));
    EXPECT_EQ(bench.numbersAt(130),
              (std::vector<std::pair<int, std::string>>{
                  {60, "7"}, {100, "12"}, {140, "18"}, {180, "25"}, {220, "31"}, {260, "40"}}));
    EXPECT_EQ(bench.printer.records.back().op, Op::EndDoc);
}

TEST(ListPrint, LeavesOutNumbersAboveFortyNine)
{
    ListBench bench({40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50});
    bench.run(ListMode::Print);
    // Grid 3 (43 44 45 47 48 50), double spacing: y = 130 + 2 x 60.
    EXPECT_EQ(bench.numbersAt(250),
              (std::vector<std::pair<int, std::string>>{
                  {60, "43"}, {100, "44"}, {140, "45"}, {180, "47"}, {220, "48"}}));
}

TEST(ListPrint, FullPageGoesOnUnderARule)
{
    ListBench bench;
    // After the line at 310 the next would stand below 400 - 3 x 30.
    bench.printer.height = 400;
    bench.run(ListMode::Print);
    EXPECT_EQ(bench.linesAtTheMargin(), (PageAndY{{1, 130},
                                                  {1, 190},
                                                  {1, 250},
                                                  {1, 310},
                                                  {2, 120},
                                                  {2, 180},
                                                  {2, 240},
                                                  {2, 300},
                                                  {3, 120},
                                                  {3, 180},
                                                  {3, 240}}));
    const std::vector<Record> rules = bench.printer.of(Op::Line);
    ASSERT_EQ(rules.size(), 2u);
    EXPECT_EQ(rules[0].page, 2);
    EXPECT_EQ(std::make_pair(rules[0].x, rules[0].y), std::make_pair(10, 110));
    EXPECT_EQ(std::make_pair(rules[0].x2, rules[0].y2), std::make_pair(570, 110));
    EXPECT_EQ(bench.printer.of(Op::PenWidth).back().value, 10);
}

TEST(ListPrint, NoPageIsStartedAfterTheLastLine)
{
    ListBench bench({1, 2, 3, 4, 5, 6, 7, 8, 9});
    bench.printer.height = 400;
    // Method 4: 8 grids, the eighth line filling the second page.
    bench.run(ListMode::Print, 4, 8);
    EXPECT_EQ(bench.linesAtTheMargin().size(), 8u);
    EXPECT_EQ(bench.printer.of(Op::NewPage).size(), 1u);
}

TEST(ListPrint, UnavailablePrinterIsReported)
{
    ListBench bench;
    bench.printer.failBeginDoc = true;
    bench.run(ListMode::Print);
    EXPECT_TRUE(bench.printer.records.empty());
    bench.expectFailureBox("pimprimelistebulletin");
}

TEST(ListPrint, CancelledPrintFileChoiceIsNoFailure)
{
    ListBench bench;
    bench.printer.failBeginDoc = true;
    bench.printer.cancelBeginDoc = true;
    bench.run(ListMode::Print);
    EXPECT_TRUE(bench.printer.records.empty());
    EXPECT_TRUE(bench.boxes.boxes.empty());
}

namespace {

// An external file grids.csv in the bench's folder.
struct ExternalBench : ListBench {
    ExternalGridFile file;

    ExternalBench(const std::string &content, const std::string &separator)
    {
        writeBytes(folder.file("grids.csv"), content);
        file.fileName = folder.file("grids.csv").string();
        file.separator = separator;
    }

    void run(ListMode mode) { Pimprimelistebulletinfichier(ctx, dialogs, file, mode); }

    std::string exported()
    {
        run(ListMode::Export);
        return readBytes(out());
    }
};

}  // namespace

struct ExternalLineCase {
    const char *name;
    const char *line;
    const char *separator;
    const char *exported;
};

class ExternalLine : public ::testing::TestWithParam<ExternalLineCase> {};

TEST_P(ExternalLine, ExportsTheIntegersOfFieldsOneToSix)
{
    ExternalBench bench(std::string(GetParam().line) + "\r\n", GetParam().separator);
    EXPECT_EQ(bench.exported(), std::string(GetParam().exported) + "\r\n");
    EXPECT_TRUE(bench.boxes.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ExternalLine,
    ::testing::Values(
        ExternalLineCase{"LetterFieldPassedOver", "A;3;7;12;25;33", ";", " 3, 7, 12, 25, 33"},
        ExternalLineCase{"DateFieldPassedOver", "05/01/2024,3,7,12,25,33", ",",
                         " 3, 7, 12, 25, 33"},
        ExternalLineCase{"FieldsAfterTheSixthNeverRead", "2024-01-05 1 2 3 4 5 6", " ",
                         " 1, 2, 3, 4, 5"},
        ExternalLineCase{"AboveHundredKeptAsRead", "101;0;-5", ";", " 101, 0, -5"},
        ExternalLineCase{"EmptySeparatorMeansBlank", "4 9 16", "", " 4, 9, 16"},
        ExternalLineCase{"OnlyTheFirstCharacterSeparates", "4;9;16", ";,", " 4, 9, 16"},
        ExternalLineCase{"NoNumberGivesAnEmptyLine", "a;b;c", ";", ""}),
    [](const ::testing::TestParamInfo<ExternalLineCase> &row) {
        return std::string(row.param.name);
    });

TEST(ExternalExport, ReplacesNumbersOneToHundredThroughTheMap)
{
    ExternalBench bench("1;3;100;101\n", ";");
    bench.file.replacement[1] = 49;
    bench.file.replacement[3] = 30;
    bench.file.replacement[100] = 7;
    EXPECT_EQ(bench.exported(), " 49, 30, 7, 101\r\n");
}

TEST(ExternalExport, MissingSourceIsReportedAndWritesNothing)
{
    ExternalBench bench("", ";");
    bench.file.fileName = bench.folder.file("missing.csv").string();
    writeBytes(bench.out(), "previous");
    EXPECT_EQ(bench.exported(), "previous");
    bench.expectFailureBox("Pimprimelistebulletinfichier");
}

TEST(ExternalExport, FailedWriteKeepsTheOldFileAndIsReported)
{
    ExternalBench bench("3;7;12;25;33;41\n1;2;3;4;5;6\n4;5;6;7;8;9\n", ";");
    writeBytes(bench.out(), "previous");
    {
        FileSizeLimit limit(40);
        bench.run(ListMode::Export);
    }
    EXPECT_EQ(readBytes(bench.out()), "previous");
    EXPECT_EQ(bench.filesInFolder(), 2u);
    bench.expectFailureBox("Pimprimelistebulletinfichier");
}

TEST(ExternalPrint, NumbersTheKeptLinesFromOneInSingleSpacing)
{
    ExternalBench bench("a\nb\n3;7;12;25;33;41\n5;x;9\n", ";");
    bench.file.skipLines = 2;
    bench.run(ListMode::Print);
    const std::vector<Record> texts = bench.printer.of(Op::Text);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].text, "LISTE DES BULLETINS");
    EXPECT_EQ(texts[1].text, "1 : 3 7 12 25 33 41");
    EXPECT_EQ(texts[2].text, "2 : 5 9");
    EXPECT_EQ(bench.linesAtTheMargin(), (PageAndY{{1, 130}, {1, 160}}));
}

TEST(ExternalPrint, MissingSourceStartsNoPrintJob)
{
    ExternalBench bench("", ";");
    bench.file.fileName = bench.folder.file("missing.csv").string();
    bench.run(ListMode::Print);
    EXPECT_TRUE(bench.printer.records.empty());
    bench.expectFailureBox("Pimprimelistebulletinfichier");
}
