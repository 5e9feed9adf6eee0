#include "bulletins/calibration.h"

#include "i18n/messagecatalogue.h"
#include "platform/fakes/fakeplatform.h"
#include "storage/paramrecord.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace {

using Op = RecordingPrinter::Op;
using Record = RecordingPrinter::Record;
using Stroke = std::array<int, 4>;  // x, y, x2, y2

constexpr int france = 23;    // 10 grids of 49 numbers in rows of 7, grids in pairs
constexpr int roumania = 26;  // 3 grids, one below the other

// A 600 dpi printer whose printable area starts 100 units in on both axes.
struct CalibrationBench {
    RecordingPrinter printer;
    FakeMessageBoxes boxes;
    TParamRecord params;
    BulletinTypeTable types{};
    PrintContext ctx{printer, boxes, params, [](int n) { return pgloretlibmessage(n, 1); }};

    CalibrationBench()
    {
        printer.printableOffsetX = 100;
        printer.printableOffsetY = 100;
        pinittypebulletin(types);
    }

    bool print(int t) { return pimprimecalibrage(ctx, types, t); }

    // The two strokes of the cross of number n (1..49) at grid position p, in drawing order.
    std::vector<Stroke> cross(int n, int p) const
    {
        const std::vector<Record> lines = printer.of(Op::Line);
        const auto first =
            static_cast<std::size_t>(2 * ((p - 1) * calibrationHighestNumber + n - 1));
        std::vector<Stroke> found;
        for (std::size_t i = first; i < first + 2 && i < lines.size(); ++i)
            found.push_back({lines[i].x, lines[i].y, lines[i].x2, lines[i].y2});
        return found;
    }

    void expectFailureBox() const
    {
        ASSERT_EQ(boxes.boxes.size(), 1u);
        EXPECT_EQ(boxes.boxes[0].title, "Erreur dans pimprimecalibrage");
        EXPECT_EQ(boxes.boxes[0].body, "Erreur");
        EXPECT_EQ(boxes.boxes[0].buttons, BoxButtons::Ok);
    }
};

struct CrossCase {
    const char *name;
    int n, p;
    int shiftH, shiftV;
    Stroke down;  // top-left to bottom-right
    Stroke up;    // bottom-left to top-right
};

class CalibrationCross : public testing::TestWithParam<CrossCase> {};

}  // namespace

TEST_P(CalibrationCross, CrossesTheMarkPointOfTheCellThroughTheShifts)
{
    const CrossCase &c = GetParam();
    CalibrationBench bench;
    bench.params.offsetHorizontal = c.shiftH;
    bench.params.offsetVertical = c.shiftV;
    ASSERT_TRUE(bench.print(france));
    EXPECT_EQ(bench.cross(c.n, c.p), (std::vector<Stroke>{c.down, c.up}));
}

// Number 1 of position 1 has its mark point at (0.89, 2.9) cm, device (110, 585); each arm
// reaches 1 mm from it.
INSTANTIATE_TEST_SUITE_P(
    France, CalibrationCross,
    testing::Values(
        CrossCase{"FirstNumberOfFirstGrid", 1, 1, 0, 0, {87, 561, 134, 609}, {87, 609, 134, 561}},
        CrossCase{"SecondRowOfFirstGrid", 8, 1, 0, 0, {87, 648, 134, 695}, {87, 695, 134, 648}},
        CrossCase{"GridBelowTheFirst", 1, 2, 0, 0, {87, 1256, 134, 1303}, {87, 1303, 134, 1256}},
        CrossCase{"LastNumberOfLastGrid",
                  49,
                  10,
                  0,
                  0,
                  {3382, 1773, 3429, 1820},
                  {3382, 1820, 3429, 1773}},
        CrossCase{
            "ShiftOfMinusThreeMovesLeft", 1, 1, -3, 0, {16, 561, 63, 609}, {16, 609, 63, 561}},
        CrossCase{"ShiftOfMinusThreeOnTheLastGrid",
                  49,
                  10,
                  -3,
                  0,
                  {3311, 1773, 3358, 1820},
                  {3311, 1820, 3358, 1773}},
        CrossCase{"VerticalShiftMovesDown", 1, 1, 0, 2, {87, 609, 134, 656}, {87, 656, 134, 609}}),
    [](const testing::TestParamInfo<CrossCase> &row) { return row.param.name; });

TEST(Calibration, PrintsOnePageTitledInTheCurrentLanguage)
{
    CalibrationBench bench;
    ASSERT_TRUE(bench.print(france));
    const std::vector<Record> begun = bench.printer.of(Op::BeginDoc);
    ASSERT_EQ(begun.size(), 1u);
    EXPECT_EQ(begun[0].text, "Page de calibrage");
    EXPECT_EQ(bench.printer.pages, 1);
    EXPECT_TRUE(bench.printer.of(Op::NewPage).empty());
    EXPECT_EQ(bench.printer.of(Op::EndDoc).size(), 1u);
    EXPECT_EQ(bench.printer.records.back().op, Op::EndDoc);
}

TEST(Calibration, CrossesEveryNumberOfEveryGridPosition)
{
    CalibrationBench bench;
    ASSERT_TRUE(bench.print(france));
    EXPECT_EQ(bench.printer.of(Op::Line).size(), 10u * 49u * 2u);
    CalibrationBench column;
    ASSERT_TRUE(column.print(roumania));
    EXPECT_EQ(column.printer.of(Op::Line).size(), 3u * 49u * 2u);
}

TEST(Calibration, WritesTheTypeNameInTheCornerWhateverTheShifts)
{
    CalibrationBench bench;
    bench.params.offsetHorizontal = -3;
    bench.params.offsetVertical = 4;
    ASSERT_TRUE(bench.print(france));
    const std::vector<Record> texts = bench.printer.of(Op::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "FRANCE LOTO 10 GRILLES");
    EXPECT_EQ(std::make_pair(texts[0].x, texts[0].y), std::make_pair(0, 0));
}

TEST(Calibration, DrawsWithAPenOfAFifthOfAMillimetre)
{
    CalibrationBench bench;
    bench.params.offsetVertical = 7;
    ASSERT_TRUE(bench.print(france));
    const std::vector<Record> pens = bench.printer.of(Op::PenWidth);
    ASSERT_EQ(pens.size(), 1u);
    EXPECT_EQ(pens[0].value, 5);
}

TEST(Calibration, UnknownTypePrintsNothingAndReportsTheFailure)
{
    for (const int t : {0, 30, -1}) {
        CalibrationBench bench;
        EXPECT_FALSE(bench.print(t));
        EXPECT_TRUE(bench.printer.records.empty()) << t;
        bench.expectFailureBox();
    }
}

TEST(Calibration, NoPrintJobReportsTheFailure)
{
    CalibrationBench bench;
    bench.printer.failBeginDoc = true;
    EXPECT_FALSE(bench.print(france));
    EXPECT_TRUE(bench.printer.records.empty());
    bench.expectFailureBox();
}
