#include "windows/flags.h"

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr QSize sampleSize(60, 40);

// A pixel of a flag drawn at 60 x 40 and the colour it must have.
struct Sample {
    QPoint at;
    QColor colour;
};

struct FlagColours {
    const char *name;
    int language;
    std::vector<Sample> samples;
};

class FlagColourTest : public testing::TestWithParam<FlagColours> {};

std::string rgb(QColor c)
{
    return std::to_string(c.red()) + "," + std::to_string(c.green()) + "," +
           std::to_string(c.blue());
}

}  // namespace

TEST_P(FlagColourTest, ShowsItsColoursInPlace)
{
    const QImage image = countryFlag(GetParam().language, sampleSize).toImage();
    ASSERT_EQ(image.size(), sampleSize);
    for (const Sample &sample : GetParam().samples) {
        EXPECT_EQ(rgb(image.pixelColor(sample.at)), rgb(sample.colour))
            << "at " << sample.at.x() << "," << sample.at.y();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Countries, FlagColourTest,
    testing::Values(
        // Blue, white, red from left to right.
        FlagColours{"France",
                    1,
                    {{{10, 20}, QColor(0, 85, 164)},
                     {{30, 20}, Qt::white},
                     {{50, 20}, QColor(239, 65, 53)}}},
        // Red cross at the centre, white beside it, blue in the corner between the diagonals.
        FlagColours{
            "UnitedKingdom",
            2,
            {{{30, 20}, QColor(200, 16, 46)}, {{26, 5}, Qt::white}, {{20, 2}, QColor(1, 33, 105)}}},
        // Green hoist, red fly, the white shield of arms on the line between them.
        FlagColours{
            "Portugal",
            3,
            {{{6, 20}, QColor(0, 102, 0)}, {{54, 20}, QColor(255, 0, 0)}, {{24, 18}, Qt::white}}},
        // Red, yellow twice as tall, red; the crowned red shield left of the centre.
        FlagColours{"Spain",
                    4,
                    {{{50, 5}, QColor(170, 21, 27)},
                     {{50, 20}, QColor(241, 191, 0)},
                     {{50, 35}, QColor(170, 21, 27)},
                     {{20, 18}, QColor(170, 21, 27)},
                     {{20, 12}, QColor(160, 110, 0)}}},
        // Green, white, red from left to right.
        FlagColours{"Italy",
                    5,
                    {{{10, 20}, QColor(0, 146, 70)},
                     {{30, 20}, Qt::white},
                     {{50, 20}, QColor(206, 43, 55)}}},
        // Red, white, blue from top to bottom; the chequy shield starts with a red square.
        FlagColours{"Croatia",
                    6,
                    {{{5, 3}, QColor(255, 0, 0)},
                     {{5, 20}, Qt::white},
                     {{5, 36}, QColor(23, 23, 150)},
                     {{25, 12}, QColor(255, 0, 0)},
                     {{27, 12}, Qt::white}}},
        // Black, red, gold from top to bottom.
        FlagColours{"Germany",
                    7,
                    {{{30, 5}, Qt::black},
                     {{30, 20}, QColor(221, 0, 0)},
                     {{30, 35}, QColor(255, 206, 0)}}}),
    [](const testing::TestParamInfo<FlagColours> &info) { return info.param.name; });

TEST(CountryFlag, EveryFlagDiffersFromEveryOther)
{
    for (int a = 1; a <= 7; ++a) {
        for (int b = a + 1; b <= 7; ++b)
            EXPECT_NE(countryFlag(a, sampleSize).toImage(), countryFlag(b, sampleSize).toImage())
                << a << " and " << b;
    }
}

TEST(CountryFlag, FillsTheSizeAskedFor)
{
    for (int language = 1; language <= 7; ++language)
        EXPECT_EQ(countryFlag(language, QSize(36, 24)).size(), QSize(36, 24)) << language;
}

struct NoFlag {
    const char *name;
    int language;
    QSize size;
};

class NoFlagTest : public testing::TestWithParam<NoFlag> {};

TEST_P(NoFlagTest, GivesANullPicture)
{
    EXPECT_TRUE(countryFlag(GetParam().language, GetParam().size).isNull());
}

INSTANTIATE_TEST_SUITE_P(Outside, NoFlagTest,
                         testing::Values(NoFlag{"LanguageZero", 0, QSize(60, 40)},
                                         NoFlag{"LanguageEight", 8, QSize(60, 40)},
                                         NoFlag{"EmptySize", 1, QSize(0, 40)}),
                         [](const testing::TestParamInfo<NoFlag> &info) {
                             return info.param.name;
                         });
