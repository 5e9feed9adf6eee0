#include "windows/gradientbands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <vector>

namespace {

struct Rows {
    int band;
    int top;
    int bottom;
};

// The bands that draw something, as band index and rows.
std::vector<Rows> visibleBands(int height)
{
    std::vector<Rows> visible;
    const auto bands = gradientBands(height, defaultGradientStart, defaultGradientEnd);
    for (int i = 0; i < gradientBandCount; ++i) {
        const GradientBand &band = bands[static_cast<std::size_t>(i)];
        if (band.bottom > band.top)
            visible.push_back({i, band.top, band.bottom});
    }
    return visible;
}

bool operator==(const Rows &a, const Rows &b)
{
    return a.band == b.band && a.top == b.top && a.bottom == b.bottom;
}

void PrintTo(const Rows &rows, std::ostream *out)
{
    *out << "band " << rows.band << " [" << rows.top << ", " << rows.bottom << ")";
}

}  // namespace

TEST(MulDiv, RoundsToTheNearestInteger)
{
    EXPECT_EQ(MulDiv(10, 10, 3), 33);
    EXPECT_EQ(MulDiv(20, 10, 3), 67);
    EXPECT_EQ(MulDiv(1, 1, 4), 0);
    EXPECT_EQ(MulDiv(3, 1, 4), 1);
    EXPECT_EQ(MulDiv(-10, 10, 3), -33);
    EXPECT_EQ(MulDiv(-20, 10, 3), -67);
}

TEST(MulDiv, RoundsPositiveHalvesUp)
{
    EXPECT_EQ(MulDiv(1, 1, 2), 1);
    EXPECT_EQ(MulDiv(5, 1, 2), 3);
    EXPECT_EQ(MulDiv(3, 1, 2), 2);
    EXPECT_EQ(MulDiv(-5, -1, 2), 3);
    EXPECT_EQ(MulDiv(-5, 1, -2), 3);
}

TEST(MulDiv, RoundsNegativeHalvesAwayFromZero)
{
    EXPECT_EQ(MulDiv(-1, 1, 2), -1);
    EXPECT_EQ(MulDiv(-5, 1, 2), -3);
    EXPECT_EQ(MulDiv(5, -1, 2), -3);
    EXPECT_EQ(MulDiv(5, 1, -2), -3);
    EXPECT_EQ(MulDiv(-5, -1, -2), -3);
}

TEST(MulDiv, MultipliesWithoutOverflowBeforeDividing)
{
    EXPECT_EQ(MulDiv(2000000000, 3, 4), 1500000000);
    EXPECT_EQ(MulDiv(INT_MAX, INT_MAX, INT_MAX), INT_MAX);
    EXPECT_EQ(MulDiv(INT_MIN, INT_MIN, INT_MIN), INT_MIN);
}

TEST(MulDiv, GivesMinusOneForAZeroDivisorOrAResultBeyond32Bits)
{
    EXPECT_EQ(MulDiv(7, 3, 0), -1);
    EXPECT_EQ(MulDiv(INT_MAX, 2, 1), -1);
    EXPECT_EQ(MulDiv(INT_MIN, 1, -1), -1);
}

TEST(GradientBands, EachOf256RowsGetsItsOwnBand)
{
    const auto bands = gradientBands(256, defaultGradientStart, defaultGradientEnd);
    for (int i = 0; i < gradientBandCount; ++i) {
        EXPECT_EQ(bands[static_cast<std::size_t>(i)].top, i);
        EXPECT_EQ(bands[static_cast<std::size_t>(i)].bottom, i + 1);
    }
}

TEST(GradientBands, BandsOf100RowsAreContiguousWithHalvesRoundedUp)
{
    const auto bands = gradientBands(100, defaultGradientStart, defaultGradientEnd);
    EXPECT_EQ(bands.front().top, 0);
    EXPECT_EQ(bands.back().bottom, 100);
    for (std::size_t i = 1; i < bands.size(); ++i)
        EXPECT_EQ(bands[i].top, bands[i - 1].bottom) << i;
    // 32 * 100 / 256 is 12.5, which rounds away from zero.
    EXPECT_EQ(bands[31].bottom, 13);
    EXPECT_EQ(bands[32].top, 13);
    EXPECT_EQ(visibleBands(100).size(), 100U);
    EXPECT_EQ(visibleBands(100).front(), (Rows{1, 0, 1}));
    EXPECT_EQ(visibleBands(100).back(), (Rows{254, 99, 100}));
}

TEST(GradientBands, ThreeRowsAreDrawnByThreeBands)
{
    const std::vector<Rows> expected = {{42, 0, 1}, {127, 1, 2}, {213, 2, 3}};
    EXPECT_EQ(visibleBands(3), expected);
}

TEST(GradientBands, HeightZeroDrawsNothing)
{
    for (const GradientBand &band : gradientBands(0, defaultGradientStart, defaultGradientEnd)) {
        EXPECT_EQ(band.top, 0);
        EXPECT_EQ(band.bottom, 0);
    }
}

TEST(GradientBands, FirstAndLastBandsHaveExactlyTheEndColours)
{
    const auto bands = gradientBands(300, windowGradientStart, windowGradientEnd);
    EXPECT_EQ(bands.front().red, 241);
    EXPECT_EQ(bands.front().green, 255);
    EXPECT_EQ(bands.front().blue, 223);
    EXPECT_EQ(bands.back().red, 235);
    EXPECT_EQ(bands.back().green, 254);
    EXPECT_EQ(bands.back().blue, 171);
}

TEST(GradientBands, ColoursStepOver255Intervals)
{
    const auto bands = gradientBands(256, defaultGradientStart, defaultGradientEnd);
    for (int i = 0; i < gradientBandCount; ++i) {
        const GradientBand &band = bands[static_cast<std::size_t>(i)];
        EXPECT_EQ(band.red, i);
        EXPECT_EQ(band.green, 0);
        EXPECT_EQ(band.blue, 255 - i);
    }
}

TEST(GradientBands, FallingChannelsRoundToTheNearestStep)
{
    const GradientBand middle = gradientBands(256, windowGradientStart, windowGradientEnd)[128];
    EXPECT_EQ(middle.red, 238);
    EXPECT_EQ(middle.green, 254);
    EXPECT_EQ(middle.blue, 197);
}

TEST(GradientBands, EqualColoursGiveOneColour)
{
    for (const GradientBand &band : gradientBands(80, windowGradientEnd, windowGradientEnd)) {
        EXPECT_EQ(band.red, 235);
        EXPECT_EQ(band.green, 254);
        EXPECT_EQ(band.blue, 171);
    }
}
