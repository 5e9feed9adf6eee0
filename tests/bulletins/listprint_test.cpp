#include "bulletins/listprint.h"

#include "engine/selection.h"
#include "i18n/messagecatalogue.h"
#include "platform/fakeplatform.h"
#include "storage/paramrecord.h"
#include "testfolder.h"
#include "writefailure.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

using Op = RecordingPrinter::Op;
using Record = RecordingPrinter::Record;

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

// A list run over the recording printer (page 4800 x 6600, characters 10 wide and 20 high),
// with the save dialog answering the given file.
struct ListBench {
    RecordingPrinter printer;
    FakeMessageBoxes boxes;
    FakeFileDialogs dialogs;
    TParamRecord params;
    Selection selection;
    int language = 1;
    int expansions = 0;
    PrintContext ctx{printer, boxes, params,
                     [this](int n) { return pgloretlibmessage(n, language); },
                     [this] { ++expansions; }};

    void tick(std::initializer_list<int> numbers)
    {
        for (const int n : numbers)
            basculecoche(selection, n);
        pconstruitnumsel(selection);
    }

    void run(int method, int nbgrilles, ListMode mode)
    {
        pimprimelistebulletin(ctx, dialogs, selection, method, nbgrilles, mode);
    }

    // Texts written at one x, in order.
    std::vector<Record> textsAt(int x) const
    {
        std::vector<Record> found;
        for (const Record &r : printer.of(Op::Text)) {
            if (r.x == x)
                found.push_back(r);
        }
        return found;
    }
};

std::size_t entries(const std::filesystem::path &folder)
{
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder),
                                                  std::filesystem::directory_iterator()));
}

} // namespace

TEST(ListExport, WritesOneLinePerGridWithCrLf)
{
    TestFolder folder;
    ListBench bench;
    bench.tick(elevenNumbers);
    bench.dialogs.answers = {folder.file("grids.txt").string()};
    bench.run(1, 11, ListMode::Export);
    EXPECT_EQ(readBytes(folder.file("grids.txt")), workedExampleExport);
    EXPECT_TRUE(bench.boxes.boxes.empty());
    EXPECT_TRUE(bench.printer.records.empty());
}

TEST(ListExport, MethodOfThreeGridsGivesThreeLinesStartingWithABlank)
{
    TestFolder folder;
    ListBench bench;
    bench.tick({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    bench.dialogs.answers = {folder.file("five.txt").string()};
    bench.run(5, 3, ListMode::Export);
    const std::string bytes = readBytes(folder.file("five.txt"));
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < bytes.size();) {
        const std::size_t end = bytes.find("\r\n", start);
        ASSERT_NE(end, std::string::npos);
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    ASSERT_EQ(lines.size(), 3u);
    for (const std::string &line : lines)
        EXPECT_EQ(line.substr(0, 1), " ");
}

TEST(ListExport, KeepsOnlyNumbersUpToFortyNine)
{
    TestFolder folder;
    ListBench bench;
    bench.tick({40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50});
    bench.dialogs.answers = {folder.file("high.txt").string()};
    bench.run(1, 11, ListMode::Export);
    const std::string bytes = readBytes(folder.file("high.txt"));
    const std::string firstThree = " 41, 42, 43, 45, 46, 48\r\n"
                                   " 42, 43, 44, 46, 47, 49\r\n"
                                   " 43, 44, 45, 47, 48\r\n";
    EXPECT_EQ(bytes.substr(0, firstThree.size()), firstThree);
}

TEST(ListExport, AsksForTheFileWithTheSaveDialogsSettings)
{
    TestFolder folder;
    ListBench bench;
    bench.tick(elevenNumbers);
    bench.dialogs.answers = {folder.file("grids.txt").string()};
    bench.run(1, 11, ListMode::Export);
    ASSERT_EQ(bench.dialogs.saved.size(), 1u);
    const FileDialogOptions &options = bench.dialogs.saved[0];
    EXPECT_EQ(options.title, "Indiquer le nom du fichier à enregistrer");
    EXPECT_EQ(options.filter, "mirazol (*.txt)|*.txt");
    EXPECT_EQ(options.defaultExtension, "txt");
    EXPECT_EQ(options.initialName, "");
    EXPECT_TRUE(options.hideReadOnly);
    EXPECT_TRUE(options.pathMustExist);
    EXPECT_FALSE(options.fileMustExist);
    EXPECT_TRUE(bench.dialogs.opened.empty());
}

TEST(ListExport, CancelledDialogWritesNothingAndSaysNothing)
{
    ListBench bench;
    bench.tick(elevenNumbers);
    bench.selection.grillecourante = 5;
    bench.run(1, 11, ListMode::Export);
    EXPECT_EQ(bench.dialogs.saved.size(), 1u);
    EXPECT_TRUE(bench.boxes.boxes.empty());
    EXPECT_EQ(bench.expansions, 0);
    EXPECT_EQ(bench.selection.grillecourante, 5);
}

TEST(ListExport, ReplacesAnExistingFileWithoutAsking)
{
    TestFolder folder;
    writeBytes(folder.file("grids.txt"), std::string(5000, 'o'));
    ListBench bench;
    bench.tick(elevenNumbers);
    bench.dialogs.answers = {folder.file("grids.txt").string()};
    bench.run(1, 11, ListMode::Export);
    EXPECT_EQ(readBytes(folder.file("grids.txt")), workedExampleExport);
    EXPECT_TRUE(bench.boxes.boxes.empty());
}

TEST(ListExport, FailedWriteKeepsTheOldFileAndIsReported)
{
    TestFolder folder;
    writeBytes(folder.file("grids.txt"), "previous");
    ListBench bench;
    bench.tick(elevenNumbers);
    bench.dialogs.answers = {folder.file("grids.txt").string()};
    {
        FileSizeLimit limit(64);
        bench.run(1, 11, ListMode::Export);
    }
    EXPECT_EQ(readBytes(folder.file("grids.txt")), "previous");
    EXPECT_EQ(entries(folder.path()), 1u);
    ASSERT_EQ(bench.boxes.boxes.size(), 1u);
    EXPECT_EQ(bench.boxes.boxes[0].title, "Erreur dans pimprimelistebulletin");
    EXPECT_EQ(bench.boxes.boxes[0].body, "Erreur");
    EXPECT_EQ(bench.boxes.boxes[0].buttons, BoxButtons::Ok);
}

TEST(ListExport, FolderStandingAtTheTargetIsReported)
{
    TestFolder folder;
    std::filesystem::create_directory(folder.file("grids.txt"));
    ListBench bench;
    bench.tick(elevenNumbers);
    bench.dialogs.answers = {folder.file("grids.txt").string()};
    bench.run(1, 11, ListMode::Export);
    EXPECT_TRUE(std::filesystem::is_directory(folder.file("grids.txt")));
    EXPECT_EQ(entries(folder.path()), 1u);
    ASSERT_EQ(bench.boxes.boxes.size(), 1u);
    EXPECT_EQ(bench.boxes.boxes[0].title, "Erreur dans pimprimelistebulletin");
}

TEST(ListExport, WalksEveryGridOfTheMethod)
{
    TestFolder folder;
    ListBench bench;
    bench.tick(elevenNumbers);
    bench.dialogs.answers = {folder.file("grids.txt").string()};
    bench.run(1, 11, ListMode::Export);
    EXPECT_EQ(bench.expansions, 11);
    EXPECT_EQ(bench.selection.grillecourante, 1);
    EXPECT_EQ(bench.selection.methodecourante, 1);
    EXPECT_EQ(bench.selection.nbgrillescourant, 11);
}

TEST(ListPrint, TitleIsCentredByTheWidthOfTheFrenchTitle)
{
    ListBench bench;
    bench.language = 2;
    bench.tick(elevenNumbers);
    bench.run(1, 11, ListMode::Print);
    const std::vector<Record> texts = bench.printer.of(Op::Text);
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts[0].text, "TICKETS  LIST");
    // "LISTE DES BULLETINS" is 19 characters of 10 units: (4800 - 190) / 2.
    EXPECT_EQ(texts[0].x, 2305);
    EXPECT_EQ(texts[0].y, 50);
}

TEST(ListPrint, TitleWidthIsTruncatedWhenHalved)
{
    ListBench bench;
    bench.printer.width = 4801;
    bench.tick(elevenNumbers);
    bench.run(1, 11, ListMode::Print);
    ASSERT_FALSE(bench.printer.of(Op::Text).empty());
    EXPECT_EQ(bench.printer.of(Op::Text)[0].x, 2305);
    EXPECT_EQ(bench.printer.of(Op::Text)[0].text, "LISTE DES BULLETINS");
}

TEST(ListPrint, UsesTheTitleFontThenTheBodyFont)
{
    ListBench bench;
    bench.tick(elevenNumbers);
    bench.run(1, 11, ListMode::Print);
    const std::vector<Record> fonts = bench.printer.of(Op::Font);
    ASSERT_EQ(fonts.size(), 2u);
    EXPECT_EQ(fonts[0].text, "Times New Roman");
    EXPECT_EQ(fonts[0].value, 24);
    EXPECT_FALSE(fonts[0].bold);
    EXPECT_EQ(fonts[1].text, "Times New Roman");
    EXPECT_EQ(fonts[1].value, 10);
    EXPECT_FALSE(fonts[1].bold);
    EXPECT_EQ(bench.printer.records[0].op, Op::BeginDoc);
    EXPECT_EQ(bench.printer.records.back().op, Op::EndDoc);
}

TEST(ListPrint, GridNumbersGoDownInDoubleSpacing)
{
    ListBench bench;
    bench.tick(elevenNumbers);
    bench.run(1, 11, ListMode::Print);
    const std::vector<Record> numbers = bench.textsAt(10);
    ASSERT_EQ(numbers.size(), 11u);
    // Line height 20 + 10; first line 50 + 20 (title) + 2 x 30.
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        EXPECT_EQ(numbers[i].text, std::to_string(i + 1));
        EXPECT_EQ(numbers[i].y, 130 + 60 * static_cast<int>(i));
    }
}

TEST(ListPrint, NumbersStandInColumnsFourCharactersApart)
{
    ListBench bench;
    bench.tick(elevenNumbers);
    bench.run(1, 11, ListMode::Print);
    std::vector<std::pair<int, std::string>> firstLine;
    for (const Record &r : bench.printer.of(Op::Text)) {
        if (r.y == 130 && r.x != 10)
            firstLine.emplace_back(r.x, r.text);
    }
    const std::vector<std::pair<int, std::string>> expected{
        {60, "7"}, {100, "12"}, {140, "18"}, {180, "25"}, {220, "31"}, {260, "40"}};
    EXPECT_EQ(firstLine, expected);
}

TEST(ListPrint, LeavesOutNumbersAboveFortyNine)
{
    ListBench bench;
    bench.tick({40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50});
    bench.run(1, 11, ListMode::Print);
    std::vector<std::pair<int, std::string>> thirdLine;
    for (const Record &r : bench.printer.of(Op::Text)) {
        if (r.y == 250 && r.x != 10)
            thirdLine.emplace_back(r.x, r.text);
    }
    const std::vector<std::pair<int, std::string>> expected{
        {60, "43"}, {100, "44"}, {140, "45"}, {180, "47"}, {220, "48"}};
    EXPECT_EQ(thirdLine, expected);
}

TEST(ListPrint, FullPageGoesOnWithARuleUnderTheTopMargin)
{
    ListBench bench;
    // Lines at 130, 190, 250 and 310; after 310 the next would stand past 400 - 3 x 30.
    bench.printer.height = 400;
    bench.tick(elevenNumbers);
    bench.run(1, 11, ListMode::Print);
    EXPECT_EQ(bench.printer.of(Op::NewPage).size(), 2u);
    std::vector<std::pair<int, int>> pageAndY;
    for (const Record &r : bench.textsAt(10))
        pageAndY.emplace_back(r.page, r.y);
    const std::vector<std::pair<int, int>> expected{{1, 130}, {1, 190}, {1, 250}, {1, 310},
                                                    {2, 120}, {2, 180}, {2, 240}, {2, 300},
                                                    {3, 120}, {3, 180}, {3, 240}};
    EXPECT_EQ(pageAndY, expected);
    const std::vector<Record> rules = bench.printer.of(Op::Line);
    ASSERT_EQ(rules.size(), 2u);
    for (const Record &rule : rules) {
        EXPECT_EQ(rule.x, 10);
        EXPECT_EQ(rule.y, 110);
        EXPECT_EQ(rule.x2, 570);
        EXPECT_EQ(rule.y2, 110);
    }
    EXPECT_EQ(rules[0].page, 2);
    EXPECT_EQ(rules[1].page, 3);
    const std::vector<Record> pens = bench.printer.of(Op::PenWidth);
    ASSERT_FALSE(pens.empty());
    EXPECT_EQ(pens.back().value, 10);
}

TEST(ListPrint, NoPageIsStartedAfterTheLastLine)
{
    ListBench bench;
    bench.printer.height = 400;
    bench.tick({1, 2, 3, 4, 5, 6, 7, 8, 9});
    // Method 4: 8 grids, the eighth line filling the second page.
    bench.run(4, 8, ListMode::Print);
    EXPECT_EQ(bench.textsAt(10).size(), 8u);
    EXPECT_EQ(bench.printer.of(Op::NewPage).size(), 1u);
    EXPECT_EQ(bench.printer.of(Op::Line).size(), 1u);
}

TEST(ListPrint, UnavailablePrinterIsReported)
{
    ListBench bench;
    bench.printer.failBeginDoc = true;
    bench.tick(elevenNumbers);
    bench.run(1, 11, ListMode::Print);
    EXPECT_TRUE(bench.printer.records.empty());
    ASSERT_EQ(bench.boxes.boxes.size(), 1u);
    EXPECT_EQ(bench.boxes.boxes[0].title, "Erreur dans pimprimelistebulletin");
    EXPECT_EQ(bench.boxes.boxes[0].body, "Erreur");
}

TEST(ListPrint, LeavesTheLastGridExpanded)
{
    ListBench bench;
    bench.tick(elevenNumbers);
    bench.run(1, 11, ListMode::Print);
    EXPECT_EQ(bench.expansions, 11);
    EXPECT_EQ(bench.selection.grillecourante, 1);
    EXPECT_EQ(bench.selection.methodecourante, 1);
    std::vector<int> last;
    for (int n = 1; n <= 99; ++n) {
        if (bench.selection.tabgrille[static_cast<std::size_t>(n)] == 1)
            last.push_back(n);
    }
    EXPECT_EQ(last, (std::vector<int>{3, 7, 12, 22, 25, 36}));
}
