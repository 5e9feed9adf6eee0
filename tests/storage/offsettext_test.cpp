#include "storage/offsettext.h"

#include <gtest/gtest.h>

namespace {

struct OffsetCase {
    const char *name;
    const char *text;
    std::int32_t value;
};

class OffsetText : public testing::TestWithParam<OffsetCase> {};

}  // namespace

TEST_P(OffsetText, ReadsAsTheSettingsDialogStoresIt)
{
    EXPECT_EQ(offsetFromText(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OffsetText,
    testing::Values(OffsetCase{"Negative", "-12", -12}, OffsetCase{"TrailingMinus", "12-", 12},
                    OffsetCase{"SignDroppedOnFault", "-12-", 12}, OffsetCase{"SignAlone", "-", 0},
                    OffsetCase{"TwoSigns", "+-5", 0}, OffsetCase{"NoRangeCheck", "-9999", -9999},
                    OffsetCase{"Plus", "+5", 5}, OffsetCase{"LeadingBlanks", "  -7", -7},
                    OffsetCase{"TrailingBlank", "-7 ", 7}, OffsetCase{"Empty", "", 0},
                    OffsetCase{"Blanks", "   ", 0}, OffsetCase{"DigitsBeforeLetter", "12a3", 12},
                    OffsetCase{"Letters", "abc", 0},
                    OffsetCase{"BeyondThirtyTwoBits", "99999999999", 999999999}),
    [](const testing::TestParamInfo<OffsetCase> &info) { return info.param.name; });
