#include "storage/numerictext.h"

#include <gtest/gtest.h>

TEST(NumericText, AcceptsSignedDecimalWithLeadingBlanks)
{
    EXPECT_EQ(pestnumerique("12"), 12);
    EXPECT_EQ(pestnumerique("  -7"), -7);
    EXPECT_EQ(pestnumerique("+5"), 5);
    EXPECT_EQ(pestnumerique("2147483647"), 2147483647);
    EXPECT_EQ(pestnumerique("-2147483648"), INT32_MIN);
}

TEST(NumericText, AcceptsHexadecimalPrefixes)
{
    EXPECT_EQ(pestnumerique("$1F"), 31);
    EXPECT_EQ(pestnumerique("x10"), 16);
    EXPECT_EQ(pestnumerique("0XfF"), 255);
    EXPECT_EQ(pestnumerique("-$10"), -16);
}

TEST(NumericText, RefusesEverythingElse)
{
    for (const char *text :
         {"", " ", "12 ", "1a", "2147483648", "-2147483649", "$", "0x", "+", "1.5", "--1", "$G"})
        EXPECT_FALSE(pestnumerique(text).has_value()) << '"' << text << '"';
}
