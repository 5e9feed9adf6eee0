#include "bulletins/bulletinprint.h"

#include "engine/selection.h"
#include "i18n/messagecatalogue.h"
#include "platform/fakes/fakeplatform.h"
#include "storage/paramrecord.h"
#include "testfolder.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace {

using Op = RecordingPrinter::Op;
using Record = RecordingPrinter::Record;
using Corner = std::vector<std::pair<int, std::string>>;  // page and text at device (0, 0)

constexpr int france = 23;  // 10 grids per bulletin, "X" marks
constexpr int israel = 4;   // horizontal strokes

template <class Case> std::string rowName(const ::testing::TestParamInfo<Case> &row)
{
    return row.param.name;
}

// Message boxes that also note how many printer operations came before each box.
class PromptLog : public FakeMessageBoxes {
public:
    explicit PromptLog(const RecordingPrinter &printer) : m_printer(printer) {}
    std::vector<std::size_t> recordsAtBox;

    BoxAnswer show(const std::string &title, const std::string &body, BoxButtons buttons,
                   BoxIcon icon) override
    {
        recordsAtBox.push_back(m_printer.records.size());
        return FakeMessageBoxes::show(title, body, buttons, icon);
    }

private:
    const RecordingPrinter &m_printer;
};

// The worked example's printer, 600 dpi with the printable area 100 units in, and method 30
// (30 grids over 9 positions) on the numbers 1..9, so grids 1 to 20 all hold number 1.
struct PrintBench {
    RecordingPrinter printer;
    PromptLog boxes{printer};
    TParamRecord params;
    BulletinTypeTable types{};
    Selection selection;
    PrintContext ctx{printer, boxes, params, [](int n) { return pgloretlibmessage(n, 1); }};

    explicit PrintBench(int firstNumber = 1)
    {
        printer.printableOffsetX = 100;
        printer.printableOffsetY = 100;
        pinittypebulletin(types);
        for (int n = firstNumber; n < firstNumber + 9; ++n)
            basculecoche(selection, n);
        pconstruitnumsel(selection);
    }

    int print(const BulletinPrintRequest &request, int override = 0)
    {
        return pimprimebulletin(ctx, types, selection, 30, 30, request, override);
    }

    std::vector<Record> marks(int page = 0) const
    {
        std::vector<Record> found;
        for (const Record &r : printer.of(Op::Text)) {
            if (r.text == "X" && (page == 0 || r.page == page))
                found.push_back(r);
        }
        return found;
    }

    Corner corner() const
    {
        Corner found;
        for (const Record &r : printer.of(Op::Text)) {
            if (r.x == 0 && r.y == 0)
                found.emplace_back(r.page, r.text);
        }
        return found;
    }

    void expectFailureBox(const std::string &procedure) const
    {
        ASSERT_EQ(boxes.boxes.size(), 1u);
        EXPECT_EQ(boxes.boxes[0].title, "Erreur dans " + procedure);
        EXPECT_EQ(boxes.boxes[0].body, "Erreur");
        EXPECT_EQ(boxes.boxes[0].buttons, BoxButtons::Ok);
    }
};

BulletinPrintRequest request(int type, int first, int last, bool numbered = false,
                             PrintMode mode = PrintMode::AllAtOnce)
{
    return {type, mode, first, last, numbered};
}

std::pair<int, int> at(const Record &r)
{
    return {r.x, r.y};
}

}  // namespace

struct ConversionCase {
    const char *name;
    Axis axis;
    double cm;
    int shiftH, shiftV;
    int dpi, offset;
    int expected;
};

class Conversion : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(Conversion, TurnsCentimetresIntoDeviceUnits)
{
    const ConversionCase &c = GetParam();
    PrintBench bench;
    bench.params.offsetHorizontal = c.shiftH;
    bench.params.offsetVertical = c.shiftV;
    // The other axis gets another geometry, so that a mix-up of axes shows.
    const bool x = c.axis == Axis::Horizontal;
    bench.printer.resolutionX = x ? c.dpi : 1200;
    bench.printer.printableOffsetX = x ? c.offset : 7;
    bench.printer.resolutionY = x ? 1200 : c.dpi;
    bench.printer.printableOffsetY = x ? 7 : c.offset;
    EXPECT_EQ(pconvertitcm(bench.ctx, c.axis, c.cm), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Conversion,
    ::testing::Values(
        ConversionCase{"WorkedExampleX", Axis::Horizontal, 0.89, 0, 0, 600, 100, 110},
        ConversionCase{"WorkedExampleY", Axis::Vertical, 2.9, 0, 0, 600, 100, 585},
        ConversionCase{"ShiftLeftThreeMillimetres", Axis::Horizontal, 0.89, -3, 0, 600, 100, 39},
        ConversionCase{"VerticalShiftOnlyMovesY", Axis::Vertical, 2.9, 5, 1, 600, 100, 609},
        ConversionCase{"HalfRoundsDownToEven", Axis::Horizontal, 1.27, 0, 0, 5, 0, 2},
        ConversionCase{"HalfRoundsUpToEven", Axis::Vertical, 1.27, 0, 0, 7, 0, 4},
        ConversionCase{"HugeDistanceSaturates", Axis::Vertical, 1e12, 0, 0, 600, 0, INT_MAX}),
    rowName<ConversionCase>);

TEST(Conversion, AsksThePrinterAtEveryCall)
{
    PrintBench bench;
    EXPECT_EQ(pconvertitcm(bench.ctx, Axis::Horizontal, 0.89), 110);
    bench.printer.resolutionX = 300;
    bench.printer.printableOffsetX = 0;
    EXPECT_EQ(pconvertitcm(bench.ctx, Axis::Horizontal, 0.89), 105);
}

struct MarkCase {
    const char *name;
    int type;
    int shiftH;
    Op op;
    const char *text;
    int x, y, x2, y2, pen;
};

class NumberMark : public ::testing::TestWithParam<MarkCase> {};

TEST_P(NumberMark, DrawsTheTypesMarkForNumberOne)
{
    const MarkCase &c = GetParam();
    PrintBench bench;
    bench.params.offsetHorizontal = c.shiftH;
    pcochenumerosurgrille(bench.ctx, bench.types, 1, 1, c.type);
    const std::vector<Record> drawn = bench.printer.of(c.op);
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(at(drawn[0]), std::make_pair(c.x, c.y));
    if (c.op == Op::Text) {
        EXPECT_EQ(drawn[0].text, c.text);
        EXPECT_TRUE(bench.printer.of(Op::Line).empty());
    } else {
        EXPECT_EQ(std::make_pair(drawn[0].x2, drawn[0].y2), std::make_pair(c.x2, c.y2));
        ASSERT_EQ(bench.printer.of(Op::PenWidth).size(), 1u);
        EXPECT_EQ(bench.printer.of(Op::PenWidth)[0].value, c.pen);
        EXPECT_TRUE(bench.printer.of(Op::Text).empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Marks, NumberMark,
    ::testing::Values(
        MarkCase{"FranceUpperX", france, 0, Op::Text, "X", 110, 585, 0, 0, 0},
        MarkCase{"FranceShiftedLeft", france, -3, Op::Text, "X", 39, 585, 0, 0, 0},
        MarkCase{"DeutschlandLowerX", 13, 0, Op::Text, "x", 521, 183, 0, 0, 0},
        MarkCase{"IsraelHorizontalStroke", israel, 0, Op::Line, "", 317, 475, 376, 475, 19},
        MarkCase{"SouthAfricaVerticalStroke", 18, 0, Op::Line, "", 219, 183, 219, 219, 36},
        MarkCase{"ItaliaVerticalStroke", 27, 0, Op::Line, "", 1105, 597, 1105, 609, 59}),
    rowName<MarkCase>);

TEST(NumberMark, BadTypeShowsTheFailureBoxAndDrawsNothing)
{
    PrintBench bench;
    pcochenumerosurgrille(bench.ctx, bench.types, 1, 1, 30);
    EXPECT_TRUE(bench.printer.records.empty());
    bench.expectFailureBox("pcochenumerosurgrille");
}

TEST(BulletinPrint, TwentyFiveGridsOnTenGridBulletinsTakeThreeNumberedPages)
{
    PrintBench bench;
    EXPECT_EQ(bench.print(request(france, 1, 25, true)), 25);
    EXPECT_EQ(bench.printer.of(Op::BeginDoc).size(), 1u);
    EXPECT_EQ(bench.printer.of(Op::NewPage).size(), 2u);
    EXPECT_EQ(bench.printer.records.back().op, Op::EndDoc);
    EXPECT_EQ(bench.marks(1).size(), 60u);
    EXPECT_EQ(bench.marks(3).size(), 30u);
    EXPECT_EQ(bench.corner(), (Corner{{1, "1"}, {2, "11"}, {3, "21"}}));
    EXPECT_TRUE(bench.boxes.boxes.empty());
}

TEST(BulletinPrint, MarkFontIsSetRightAfterTheJobStarts)
{
    PrintBench bench;
    bench.print(request(france, 1, 1));
    ASSERT_GE(bench.printer.records.size(), 2u);
    EXPECT_EQ(bench.printer.records[0].text, "Imprimer les tickets");
    const Record &font = bench.printer.records[1];
    EXPECT_EQ(font.op, Op::Font);
    EXPECT_EQ(font.text, "Fixedsys");
    EXPECT_EQ(font.value, 10);
    EXPECT_TRUE(font.bold);
}

TEST(BulletinPrint, ShiftsMoveTheMarksButNotTheGridNumbers)
{
    PrintBench bench;
    bench.params.offsetHorizontal = -3;
    bench.params.offsetVertical = -3;
    bench.print(request(france, 1, 1, true));
    EXPECT_EQ(bench.corner(), (Corner{{1, "1"}}));
    EXPECT_EQ(at(bench.marks().at(0)), std::make_pair(39, 514));
}

TEST(BulletinPrint, EachGridTakesTheNextPositionOfTheBulletin)
{
    PrintBench bench;
    bench.print(request(france, 1, 11));
    const std::vector<Record> marks = bench.marks();
    ASSERT_EQ(marks.size(), 66u);
    // The first mark of each grid is number 1: position 1, 2 below it, 3 in the next column,
    // and grid 11 at position 1 of the second bulletin.
    EXPECT_EQ(at(marks[0]), std::make_pair(110, 585));
    EXPECT_EQ(at(marks[6]), std::make_pair(110, 1280));
    EXPECT_EQ(at(marks[12]), std::make_pair(805, 585));
    EXPECT_EQ(marks[60].page, 2);
    EXPECT_EQ(at(marks[60]), std::make_pair(110, 585));
}

TEST(BulletinPrint, OverrideOfThreePutsThreeGridsOnEachBulletin)
{
    PrintBench bench;
    bench.print(request(france, 1, 5), 3);
    EXPECT_EQ(bench.printer.of(Op::NewPage).size(), 1u);
    ASSERT_EQ(bench.marks(1).size(), 18u);
    EXPECT_EQ(at(bench.marks(1)[12]), std::make_pair(805, 585));
    ASSERT_EQ(bench.marks(2).size(), 12u);
    EXPECT_EQ(at(bench.marks(2)[0]), std::make_pair(110, 585));
}

TEST(BulletinPrint, OneByOneAsksBeforeEachBulletinAfterTheFirst)
{
    PrintBench bench;
    EXPECT_EQ(bench.print(request(france, 1, 25, false, PrintMode::OneByOne)), 25);
    ASSERT_EQ(bench.boxes.boxes.size(), 2u);
    EXPECT_EQ(bench.boxes.boxes[0].title, "Imprimer les tickets");
    EXPECT_EQ(bench.boxes.boxes[0].body, "Insérez le prochain bulletin et appuyer sur OK");
    EXPECT_EQ(bench.boxes.boxes[0].buttons, BoxButtons::OkCancel);
    EXPECT_EQ(bench.boxes.boxes[0].icon, BoxIcon::Question);
    // Job start, font and the 60 marks of the first bulletin, then the prompt, then its page.
    EXPECT_EQ(bench.boxes.recordsAtBox[0], 62u);
    EXPECT_EQ(bench.printer.records[62].op, Op::NewPage);
}

TEST(BulletinPrint, CancelEndsTheJobWithoutStartingABlankPage)
{
    PrintBench bench;
    bench.boxes.answers = {BoxAnswer::Cancel};
    EXPECT_EQ(bench.print(request(france, 1, 25, true, PrintMode::OneByOne)), 10);
    EXPECT_TRUE(bench.printer.of(Op::NewPage).empty());
    EXPECT_EQ(bench.marks().size(), 60u);
    EXPECT_EQ(bench.printer.records.back().op, Op::EndDoc);
}

struct RangeCase {
    const char *name;
    int first, last;
    int printed;
    const char *firstNumber;
};

class PrintRange : public ::testing::TestWithParam<RangeCase> {};

TEST_P(PrintRange, PrintsTheRangeOrTheWholeMethod)
{
    PrintBench bench;
    EXPECT_EQ(bench.print(request(france, GetParam().first, GetParam().last, true)),
              GetParam().printed);
    ASSERT_FALSE(bench.corner().empty());
    EXPECT_EQ(bench.corner()[0].second, GetParam().firstNumber);
}

INSTANTIATE_TEST_SUITE_P(Ranges, PrintRange,
                         ::testing::Values(RangeCase{"InsideTheMethod", 4, 15, 12, "4"},
                                           RangeCase{"FirstZeroTakesAll", 0, 10, 30, "1"},
                                           RangeCase{"LastAboveCountTakesAll", 5, 31, 30, "1"}),
                         rowName<RangeCase>);

TEST(BulletinPrint, LeavesTheConsumerStateOnTheLastPrintedGrid)
{
    PrintBench bench;
    bench.selection.grillecourante = 17;
    bench.print(request(france, 2, 3));
    EXPECT_EQ(bench.selection.grillecourante, 1);
    EXPECT_EQ(bench.selection.methodecourante, 30);
    EXPECT_EQ(bench.selection.nbgrillescourant, 30);
    Selection expected = bench.selection;
    pdeveloppegrille(expected, 3);
    EXPECT_EQ(bench.selection.tabgrille, expected.tabgrille);
}

TEST(BulletinPrint, NumbersAboveFortyNineAreMarked)
{
    PrintBench bench(91);
    bench.print(request(france, 1, 1));
    ASSERT_EQ(bench.marks().size(), 6u);
    // 91 ends row 12 of the 7-wide grid, below the printed grid.
    EXPECT_EQ(at(bench.marks()[0]), std::make_pair(628, 1620));
}

TEST(BulletinPrint, UnavailablePrinterIsReported)
{
    PrintBench bench;
    bench.printer.failBeginDoc = true;
    EXPECT_EQ(bench.print(request(france, 1, 5)), 0);
    EXPECT_TRUE(bench.printer.records.empty());
    bench.expectFailureBox("pimprimebulletin");
}

TEST(BulletinPrint, CancelledPrintFileChoiceIsNoFailure)
{
    PrintBench bench;
    bench.printer.failBeginDoc = true;
    bench.printer.cancelBeginDoc = true;
    EXPECT_EQ(bench.print(request(france, 1, 5)), 0);
    EXPECT_TRUE(bench.printer.records.empty());
    EXPECT_TRUE(bench.boxes.boxes.empty());
}

namespace {

// An external grid file in a fresh folder, printed onto bulletins.
struct FileBench : PrintBench {
    TestFolder folder;
    ExternalGridFile file;

    explicit FileBench(const std::string &content)
    {
        writeBytes(folder.file("grids.txt"), content);
        file.fileName = folder.file("grids.txt").string();
        file.separator = ";";
    }

    int print(const BulletinPrintRequest &request)
    {
        return Pimprimebulletinfichier(ctx, types, file, request);
    }
};

std::string sixNumberLines(int count)
{
    std::string content;
    for (int i = 0; i < count; ++i)
        content += "1;2;3;4;5;6\r\n";
    return content;
}

}  // namespace

struct FileLineCase {
    const char *name;
    const char *content;
    std::size_t marks;
};

class FileLine : public ::testing::TestWithParam<FileLineCase> {};

TEST_P(FileLine, MarksTheIntegersOfFieldsOneToSix)
{
    FileBench bench(GetParam().content);
    EXPECT_EQ(bench.print(request(france, 1, 99999)), 1);
    EXPECT_EQ(bench.marks().size(), GetParam().marks);
    EXPECT_EQ(at(bench.marks().at(0)), std::make_pair(110, 585));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, FileLine,
    ::testing::Values(FileLineCase{"SixIntegers", "1;2;3;4;5;6\n", 6},
                      FileLineCase{"DateFieldPassedOver", "05/01/2024;1;2;3;4;5\n", 5},
                      FileLineCase{"FieldsAfterTheSixthNeverRead", "1;2;3;4;5;6;7;8\n", 6}),
    rowName<FileLineCase>);

TEST(FilePrint, NumbersAreMarkedThroughTheReplacementMap)
{
    FileBench bench("1\n");
    bench.file.replacement[1] = 49;
    bench.print(request(france, 1, 99999));
    // 49 ends the seventh row of the 7-wide grid.
    EXPECT_EQ(at(bench.marks().at(0)), std::make_pair(628, 1102));
}

TEST(FilePrint, LinesFirstToLastKeepTheirNumbersAfterTheSkippedLines)
{
    FileBench bench("title\n" + sixNumberLines(25));
    bench.file.skipLines = 1;
    EXPECT_EQ(bench.print(request(france, 3, 14, true)), 12);
    EXPECT_EQ(bench.corner(), (Corner{{1, "3"}, {2, "13"}}));
    EXPECT_EQ(bench.marks(2).size(), 12u);
}

TEST(FilePrint, OneByOneAsksWithThePrintingTitle)
{
    FileBench bench(sixNumberLines(25));
    bench.boxes.answers = {BoxAnswer::Ok, BoxAnswer::Cancel};
    EXPECT_EQ(bench.print(request(france, 1, 99999, false, PrintMode::OneByOne)), 20);
    ASSERT_EQ(bench.boxes.boxes.size(), 2u);
    EXPECT_EQ(bench.boxes.boxes[1].title, "Impression");
    EXPECT_EQ(bench.boxes.boxes[1].body, "Insérez le prochain bulletin et appuyer sur OK");
    EXPECT_EQ(bench.printer.of(Op::NewPage).size(), 1u);
}

TEST(FilePrint, MissingFilePrintsNothing)
{
    FileBench bench("");
    bench.file.fileName = bench.folder.file("missing.txt").string();
    EXPECT_EQ(bench.print(request(france, 1, 99999)), 0);
    EXPECT_TRUE(bench.printer.records.empty());
    bench.expectFailureBox("Pimprimebulletinfichier");
}
