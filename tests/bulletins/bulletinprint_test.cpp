#include "bulletins/bulletinprint.h"

#include "engine/selection.h"
#include "i18n/messagecatalogue.h"
#include "platform/fakeplatform.h"
#include "storage/paramrecord.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace {

using Op = RecordingPrinter::Op;
using Record = RecordingPrinter::Record;

// Method 30: 30 grids over 9 positions.
constexpr int thirtyGridMethod = 30;
constexpr int thirtyGridCount = 30;
constexpr int france = 23;  // 10 grids per bulletin, "X" marks
constexpr int israel = 4;   // horizontal strokes

// Message boxes that also note how far the print job had gone when each box came up.
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

// The worked example's printer: 600 dpi on both axes, printable area 100 units in.
struct PrintBench {
    RecordingPrinter printer;
    PromptLog boxes{printer};
    TParamRecord params;
    BulletinTypeTable types{};
    Selection selection;
    int expansions = 0;
    PrintContext ctx{printer, boxes, params, [](int n) { return pgloretlibmessage(n, 1); },
                     [this] { ++expansions; }};

    PrintBench()
    {
        printer.printableOffsetX = 100;
        printer.printableOffsetY = 100;
        pinittypebulletin(types);
    }

    // Ticks `first`..`first + count - 1` and orders them as the main window does.
    void tick(int first, int count)
    {
        for (int n = first; n < first + count; ++n)
            basculecoche(selection, n);
        pconstruitnumsel(selection);
    }

    int print(const BulletinPrintRequest &request, int override = 0)
    {
        return pimprimebulletin(ctx, types, selection, thirtyGridMethod, thirtyGridCount,
                                request, override);
    }

    // Marks ("X" texts) in printing order, each with its page.
    std::vector<Record> marks() const
    {
        std::vector<Record> found;
        for (const Record &r : printer.of(Op::Text)) {
            if (r.text == "X")
                found.push_back(r);
        }
        return found;
    }

    std::vector<Record> marksOnPage(int page) const
    {
        std::vector<Record> found;
        for (const Record &r : marks()) {
            if (r.page == page)
                found.push_back(r);
        }
        return found;
    }

    // Texts written at the device corner, with their pages.
    std::vector<std::pair<int, std::string>> cornerTexts() const
    {
        std::vector<std::pair<int, std::string>> found;
        for (const Record &r : printer.of(Op::Text)) {
            if (r.x == 0 && r.y == 0)
                found.emplace_back(r.page, r.text);
        }
        return found;
    }
};

BulletinPrintRequest request(int type, int first, int last, bool numbered = false,
                             PrintMode mode = PrintMode::AllAtOnce)
{
    return {type, mode, first, last, numbered};
}

} // namespace

struct ConversionCase {
    const char *name;
    Axis axis;
    double cm;
    int shiftH;
    int shiftV;
    int dpi;
    int offset;
    int expected;
};

class Conversion : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(Conversion, TurnsCentimetresIntoDeviceUnits)
{
    const ConversionCase &c = GetParam();
    PrintBench bench;
    bench.params.offsetHorizontal = c.shiftH;
    bench.params.offsetVertical = c.shiftV;
    // The other axis gets a different geometry, so that a mix-up of axes shows.
    if (c.axis == Axis::Horizontal) {
        bench.printer.resolutionX = c.dpi;
        bench.printer.printableOffsetX = c.offset;
        bench.printer.resolutionY = 1200;
        bench.printer.printableOffsetY = 7;
    } else {
        bench.printer.resolutionY = c.dpi;
        bench.printer.printableOffsetY = c.offset;
        bench.printer.resolutionX = 1200;
        bench.printer.printableOffsetX = 7;
    }
    EXPECT_EQ(pconvertitcm(bench.ctx, c.axis, c.cm), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Conversion,
    ::testing::Values(
        ConversionCase{"WorkedExampleX", Axis::Horizontal, 0.89, 0, 0, 600, 100, 110},
        ConversionCase{"WorkedExampleY", Axis::Vertical, 2.9, 0, 0, 600, 100, 585},
        ConversionCase{"ShiftLeftThreeMillimetres", Axis::Horizontal, 0.89, -3, 0, 600, 100, 39},
        ConversionCase{"VerticalShiftOnlyMovesY", Axis::Vertical, 2.9, 5, 1, 600, 100, 609},
        ConversionCase{"HorizontalShiftOnlyMovesX", Axis::Horizontal, 0.89, 0, 5, 600, 100, 110},
        ConversionCase{"LowerResolution", Axis::Horizontal, 0.89, 0, 0, 300, 100, 5},
        ConversionCase{"HalfRoundsDownToEven", Axis::Horizontal, 1.27, 0, 0, 5, 0, 2},
        ConversionCase{"HalfRoundsUpToEven", Axis::Vertical, 1.27, 0, 0, 7, 0, 4},
        ConversionCase{"NegativeHalfRoundsToEven", Axis::Horizontal, 1.27, 0, 0, 5, 5, -2},
        ConversionCase{"HugeDistanceSaturates", Axis::Vertical, 1e12, 0, 0, 600, 0, INT_MAX},
        ConversionCase{"HugeNegativeSaturates", Axis::Horizontal, -1e12, 0, 0, 600, 0, INT_MIN}),
    [](const ::testing::TestParamInfo<ConversionCase> &row) {
        return std::string(row.param.name);
    });

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
    int x, y, x2, y2;
    int pen;
};

class NumberMark : public ::testing::TestWithParam<MarkCase> {};

TEST_P(NumberMark, DrawsTheTypesMarkForNumberOne)
{
    const MarkCase &c = GetParam();
    PrintBench bench;
    bench.params.offsetHorizontal = c.shiftH;
    pcochenumerosurgrille(bench.ctx, bench.types, 1, 1, c.type);
    std::vector<Record> drawn;
    for (const Record &r : bench.printer.records) {
        if (r.op == Op::Text || r.op == Op::Line)
            drawn.push_back(r);
    }
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].op, c.op);
    EXPECT_EQ(drawn[0].x, c.x);
    EXPECT_EQ(drawn[0].y, c.y);
    if (c.op == Op::Text) {
        EXPECT_EQ(drawn[0].text, c.text);
        EXPECT_TRUE(bench.printer.of(Op::PenWidth).empty());
    } else {
        EXPECT_EQ(drawn[0].x2, c.x2);
        EXPECT_EQ(drawn[0].y2, c.y2);
        const std::vector<Record> pens = bench.printer.of(Op::PenWidth);
        ASSERT_EQ(pens.size(), 1u);
        EXPECT_EQ(pens[0].value, c.pen);
    }
    EXPECT_TRUE(bench.boxes.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Marks, NumberMark,
    ::testing::Values(
        MarkCase{"FranceUpperX", france, 0, Op::Text, "X", 110, 585, 0, 0, 0},
        MarkCase{"FranceShiftedLeft", france, -3, Op::Text, "X", 39, 585, 0, 0, 0},
        MarkCase{"DeutschlandLowerX", 13, 0, Op::Text, "x", 521, 183, 0, 0, 0},
        MarkCase{"IsraelHorizontalStroke", israel, 0, Op::Line, "", 317, 475, 376, 475, 19},
        MarkCase{"UkHorizontalStroke", 17, 0, Op::Line, "", 160, 417, 207, 417, 40},
        MarkCase{"SouthAfricaVerticalStroke", 18, 0, Op::Line, "", 219, 183, 219, 219, 36},
        MarkCase{"ItaliaVerticalStroke", 27, 0, Op::Line, "", 1105, 597, 1105, 609, 59}),
    [](const ::testing::TestParamInfo<MarkCase> &row) { return std::string(row.param.name); });

TEST(NumberMark, BadTypeShowsTheFailureBoxAndDrawsNothing)
{
    PrintBench bench;
    pcochenumerosurgrille(bench.ctx, bench.types, 1, 1, 0);
    pcochenumerosurgrille(bench.ctx, bench.types, 1, 1, 30);
    EXPECT_TRUE(bench.printer.records.empty());
    ASSERT_EQ(bench.boxes.boxes.size(), 2u);
    EXPECT_EQ(bench.boxes.boxes[0].title, "Erreur dans pcochenumerosurgrille");
    EXPECT_EQ(bench.boxes.boxes[0].body, "Erreur");
    EXPECT_EQ(bench.boxes.boxes[0].buttons, BoxButtons::Ok);
}

TEST(BulletinPrint, TwentyFiveGridsOnTenGridBulletinsTakeThreePages)
{
    PrintBench bench;
    bench.tick(1, 9);
    EXPECT_EQ(bench.print(request(france, 1, 25)), 25);
    EXPECT_EQ(bench.printer.of(Op::BeginDoc).size(), 1u);
    EXPECT_EQ(bench.printer.of(Op::NewPage).size(), 2u);
    EXPECT_EQ(bench.printer.of(Op::EndDoc).size(), 1u);
    EXPECT_EQ(bench.marksOnPage(1).size(), 60u);
    EXPECT_EQ(bench.marksOnPage(2).size(), 60u);
    EXPECT_EQ(bench.marksOnPage(3).size(), 30u);
    EXPECT_TRUE(bench.boxes.boxes.empty());
}

TEST(BulletinPrint, NumberingWritesEachBulletinsFirstGridInTheCorner)
{
    PrintBench bench;
    bench.tick(1, 9);
    bench.print(request(france, 1, 25, true));
    const std::vector<std::pair<int, std::string>> expected{{1, "1"}, {2, "11"}, {3, "21"}};
    EXPECT_EQ(bench.cornerTexts(), expected);
}

TEST(BulletinPrint, NumberingStartsAtTheFirstGridOfTheRange)
{
    PrintBench bench;
    bench.tick(1, 9);
    bench.print(request(france, 4, 15, true));
    const std::vector<std::pair<int, std::string>> expected{{1, "4"}, {2, "14"}};
    EXPECT_EQ(bench.cornerTexts(), expected);
}

TEST(BulletinPrint, ShiftsMoveTheMarksButNotTheGridNumbers)
{
    PrintBench bench;
    bench.params.offsetHorizontal = -3;
    bench.params.offsetVertical = -3;
    bench.tick(1, 9);
    bench.print(request(france, 1, 1, true));
    const std::vector<std::pair<int, std::string>> expected{{1, "1"}};
    EXPECT_EQ(bench.cornerTexts(), expected);
    ASSERT_FALSE(bench.marks().empty());
    EXPECT_EQ(bench.marks()[0].x, 39);
    EXPECT_EQ(bench.marks()[0].y, 514);
}

TEST(BulletinPrint, WithoutNumberingOnlyMarksAreWritten)
{
    PrintBench bench;
    bench.tick(1, 9);
    bench.print(request(france, 1, 12));
    EXPECT_EQ(bench.printer.of(Op::Text).size(), bench.marks().size());
    EXPECT_EQ(bench.marks().size(), 72u);
}

TEST(BulletinPrint, MarkFontIsSetRightAfterTheJobStarts)
{
    PrintBench bench;
    bench.tick(1, 9);
    bench.print(request(france, 1, 1));
    ASSERT_GE(bench.printer.records.size(), 2u);
    EXPECT_EQ(bench.printer.records[0].op, Op::BeginDoc);
    EXPECT_EQ(bench.printer.records[0].text, "Imprimer les tickets");
    const Record &font = bench.printer.records[1];
    EXPECT_EQ(font.op, Op::Font);
    EXPECT_EQ(font.text, "Fixedsys");
    EXPECT_EQ(font.value, 10);
    EXPECT_TRUE(font.bold);
}

TEST(BulletinPrint, EachGridTakesTheNextPositionOfTheBulletin)
{
    PrintBench bench;
    bench.tick(1, 9);  // grids 1 to 20 of method 30 hold position 1, here number 1
    bench.print(request(france, 1, 11));
    const std::vector<Record> marks = bench.marks();
    ASSERT_EQ(marks.size(), 66u);
    // The first mark of each grid is its number 1: position 1, 2 (below), 3 (next column).
    EXPECT_EQ(std::make_pair(marks[0].x, marks[0].y), std::make_pair(110, 585));
    EXPECT_EQ(std::make_pair(marks[6].x, marks[6].y), std::make_pair(110, 1280));
    EXPECT_EQ(std::make_pair(marks[12].x, marks[12].y), std::make_pair(805, 585));
    // Grid 11 starts the second bulletin at position 1.
    EXPECT_EQ(marks[60].page, 2);
    EXPECT_EQ(std::make_pair(marks[60].x, marks[60].y), std::make_pair(110, 585));
}

TEST(BulletinPrint, OverrideOfThreePutsThreeGridsOnEachBulletin)
{
    PrintBench bench;
    bench.tick(1, 9);
    bench.print(request(france, 1, 5), 3);
    EXPECT_EQ(bench.printer.of(Op::NewPage).size(), 1u);
    const std::vector<Record> first = bench.marksOnPage(1);
    ASSERT_EQ(first.size(), 18u);
    EXPECT_EQ(std::make_pair(first[12].x, first[12].y), std::make_pair(805, 585));
    const std::vector<Record> second = bench.marksOnPage(2);
    ASSERT_EQ(second.size(), 12u);
    EXPECT_EQ(std::make_pair(second[0].x, second[0].y), std::make_pair(110, 585));
    EXPECT_EQ(std::make_pair(second[6].x, second[6].y), std::make_pair(110, 1280));
}

TEST(BulletinPrint, OneByOneAsksBeforeEveryBulletinAfterTheFirst)
{
    PrintBench bench;
    bench.tick(1, 9);
    EXPECT_EQ(bench.print(request(france, 1, 25, false, PrintMode::OneByOne)), 25);
    ASSERT_EQ(bench.boxes.boxes.size(), 2u);
    for (const FakeMessageBoxes::Box &box : bench.boxes.boxes) {
        EXPECT_EQ(box.title, "Imprimer les tickets");
        EXPECT_EQ(box.body, "Insérez le prochain bulletin et appuyer sur OK");
        EXPECT_EQ(box.buttons, BoxButtons::OkCancel);
        EXPECT_EQ(box.icon, BoxIcon::Question);
    }
    EXPECT_EQ(bench.printer.of(Op::NewPage).size(), 2u);
}

TEST(BulletinPrint, PromptComesWhenTheBulletinIsFullBeforeItsPageStarts)
{
    PrintBench bench;
    bench.tick(1, 9);
    bench.print(request(france, 1, 25, false, PrintMode::OneByOne));
    ASSERT_EQ(bench.boxes.recordsAtBox.size(), 2u);
    // Job start, font, then 60 marks of the first bulletin.
    EXPECT_EQ(bench.boxes.recordsAtBox[0], 62u);
    EXPECT_EQ(bench.printer.records[62].op, Op::NewPage);
}

TEST(BulletinPrint, AllAtOnceNeverAsks)
{
    PrintBench bench;
    bench.tick(1, 9);
    bench.print(request(france, 1, 30));
    EXPECT_TRUE(bench.boxes.boxes.empty());
    EXPECT_EQ(bench.printer.of(Op::NewPage).size(), 2u);
}

TEST(BulletinPrint, CancelAtTheFirstPromptEndsTheJobWithoutABlankPage)
{
    PrintBench bench;
    bench.tick(1, 9);
    bench.boxes.answers = {BoxAnswer::Cancel};
    EXPECT_EQ(bench.print(request(france, 1, 25, true, PrintMode::OneByOne)), 10);
    EXPECT_EQ(bench.boxes.boxes.size(), 1u);
    EXPECT_TRUE(bench.printer.of(Op::NewPage).empty());
    EXPECT_EQ(bench.marks().size(), 60u);
    ASSERT_FALSE(bench.printer.records.empty());
    EXPECT_EQ(bench.printer.records.back().op, Op::EndDoc);
}

TEST(BulletinPrint, CancelAtTheSecondPromptKeepsTwoBulletins)
{
    PrintBench bench;
    bench.tick(1, 9);
    bench.boxes.answers = {BoxAnswer::Ok, BoxAnswer::Cancel};
    EXPECT_EQ(bench.print(request(france, 1, 25, true, PrintMode::OneByOne)), 20);
    EXPECT_EQ(bench.printer.of(Op::NewPage).size(), 1u);
    EXPECT_EQ(bench.marks().size(), 120u);
    const std::vector<std::pair<int, std::string>> expected{{1, "1"}, {2, "11"}};
    EXPECT_EQ(bench.cornerTexts(), expected);
}

struct RangeCase {
    const char *name;
    int first;
    int last;
    int printed;
    int firstNumber;
};

class PrintRange : public ::testing::TestWithParam<RangeCase> {};

TEST_P(PrintRange, PrintsTheRangeOrTheWholeMethod)
{
    PrintBench bench;
    bench.tick(1, 9);
    EXPECT_EQ(bench.print(request(france, GetParam().first, GetParam().last, true)),
              GetParam().printed);
    ASSERT_FALSE(bench.cornerTexts().empty());
    EXPECT_EQ(bench.cornerTexts()[0].second, std::to_string(GetParam().firstNumber));
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, PrintRange,
    ::testing::Values(RangeCase{"InsideTheMethod", 3, 7, 5, 3},
                      RangeCase{"SingleGrid", 30, 30, 1, 30},
                      RangeCase{"FirstZeroTakesAll", 0, 10, 30, 1},
                      RangeCase{"LastAboveTheCountTakesAll", 5, 31, 30, 1}),
    [](const ::testing::TestParamInfo<RangeCase> &row) { return std::string(row.param.name); });

TEST(BulletinPrint, LeavesTheConsumerStateOnTheLastPrintedGrid)
{
    PrintBench bench;
    bench.tick(1, 9);
    bench.selection.grillecourante = 17;
    bench.print(request(france, 2, 3));
    EXPECT_EQ(bench.selection.grillecourante, 1);
    EXPECT_EQ(bench.selection.methodecourante, thirtyGridMethod);
    EXPECT_EQ(bench.selection.nbgrillescourant, thirtyGridCount);
    EXPECT_EQ(bench.expansions, 2);
    Selection expected = bench.selection;
    pdeveloppegrille(expected, 3);
    EXPECT_EQ(bench.selection.tabgrille, expected.tabgrille);
}

TEST(BulletinPrint, NumbersAboveFortyNineAreMarked)
{
    PrintBench bench;
    bench.tick(91, 9);
    bench.print(request(france, 1, 1));
    const std::vector<Record> marks = bench.marks();
    ASSERT_EQ(marks.size(), 6u);
    // 91 stands in the last cell of row 12 of the 7-wide grid, below the printed grid.
    EXPECT_EQ(marks[0].x, 628);
    EXPECT_EQ(marks[0].y, 1620);
}

TEST(BulletinPrint, RefillsTheCatalogueBeforePrinting)
{
    PrintBench bench;
    bench.tick(1, 9);
    bench.types[france].left = 5.0;
    bench.print(request(france, 1, 1));
    EXPECT_DOUBLE_EQ(bench.types[france].left, 0.89);
    ASSERT_FALSE(bench.marks().empty());
    EXPECT_EQ(bench.marks()[0].x, 110);
}

TEST(BulletinPrint, UnavailablePrinterIsReported)
{
    PrintBench bench;
    bench.tick(1, 9);
    bench.printer.failBeginDoc = true;
    EXPECT_EQ(bench.print(request(france, 1, 5)), 0);
    EXPECT_TRUE(bench.printer.records.empty());
    ASSERT_EQ(bench.boxes.boxes.size(), 1u);
    EXPECT_EQ(bench.boxes.boxes[0].title, "Erreur dans pimprimebulletin");
    EXPECT_EQ(bench.boxes.boxes[0].body, "Erreur");
}

TEST(BulletinPrint, NoTypeStartsNoJob)
{
    PrintBench bench;
    bench.tick(1, 9);
    EXPECT_EQ(bench.print(request(0, 1, 5)), 0);
    EXPECT_TRUE(bench.printer.records.empty());
    ASSERT_EQ(bench.boxes.boxes.size(), 1u);
    EXPECT_EQ(bench.boxes.boxes[0].title, "Erreur dans pimprimebulletin");
}
