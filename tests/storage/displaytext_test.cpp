#include "storage/displaytext.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace std::string_literals;

// Test names of a table: the name of each row.
template <class Case>
std::string caseName(const testing::TestParamInfo<Case> &row)
{
    return row.param.name;
}

struct Utf8Case {
    const char *name;
    std::string bytes;
    bool valid;
};

class Utf8Validity : public testing::TestWithParam<Utf8Case> {};

struct DecodeCase {
    const char *name;
    std::string bytes;
    const char *codePage;
    std::string text;
};

class CodePageDecoding : public testing::TestWithParam<DecodeCase> {};

struct DisplayCase {
    const char *name;
    std::string bytes;
    std::string text;
};

class DisplayText : public testing::TestWithParam<DisplayCase> {};

} // namespace

TEST_P(Utf8Validity, AcceptsOnlyWellFormedSequences)
{
    EXPECT_EQ(isValidUtf8(GetParam().bytes), GetParam().valid);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Utf8Validity,
    testing::Values(Utf8Case{"Empty", "", true}, Utf8Case{"Ascii", "Quitter", true},
                    Utf8Case{"NulByte", "a\0b"s, true},
                    Utf8Case{"TwoBytes", "Fran\xC3\xA7" "ais", true},
                    Utf8Case{"ThreeBytes", "\xE2\x82\xAC", true},
                    Utf8Case{"FourBytes", "\xF0\x9F\x98\x80", true},
                    Utf8Case{"HighestCodePoint", "\xF4\x8F\xBF\xBF", true},
                    Utf8Case{"LoneContinuation", "\x80", false},
                    Utf8Case{"Latin1Byte", "Fran\xE7" "ais", false},
                    Utf8Case{"TruncatedAtEnd", "a\xE2\x82", false},
                    Utf8Case{"TruncatedBeforeAscii", "\xC3" "a", false},
                    Utf8Case{"OverlongTwoBytes", "\xC0\xAF", false},
                    Utf8Case{"OverlongThreeBytes", "\xE0\x80\xAF", false},
                    Utf8Case{"OverlongFourBytes", "\xF0\x80\x80\xAF", false},
                    Utf8Case{"Surrogate", "\xED\xA0\x80", false},
                    Utf8Case{"AboveHighestCodePoint", "\xF4\x90\x80\x80", false},
                    Utf8Case{"LeadF5", "\xF5\x80\x80\x80", false},
                    Utf8Case{"ByteFF", "\xFF", false}),
    caseName<Utf8Case>);

TEST_P(CodePageDecoding, GivesUtf8)
{
    EXPECT_EQ(decodeCodePage(GetParam().bytes, GetParam().codePage), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CodePageDecoding,
    testing::Values(
        DecodeCase{"Empty", "", "WINDOWS-1252", ""},
        DecodeCase{"AsciiUnchanged", "Quitter", "WINDOWS-1252", "Quitter"},
        DecodeCase{"NulByteKept", "a\0b"s, "WINDOWS-1252", "a\0b"s},
        DecodeCase{"WesternAccents", "Num\xE9ros s\xE9lectionn\xE9s", "WINDOWS-1252",
                   "Num\xC3\xA9ros s\xC3\xA9lectionn\xC3\xA9s"},
        DecodeCase{"EuroSign", "\x80", "WINDOWS-1252", "\xE2\x82\xAC"},
        DecodeCase{"UndefinedByteBecomesReplacement", "a\x81" "b", "WINDOWS-1252",
                   "a\xEF\xBF\xBD" "b"},
        DecodeCase{"EveryUndefinedByte", "\x81\x8D\x8F\x90\x9D", "WINDOWS-1252",
                   "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
        DecodeCase{"CroatianCAcute", "\xE6", "WINDOWS-1250", "\xC4\x87"},
        DecodeCase{"CroatianCCaron", "\xE8", "WINDOWS-1250", "\xC4\x8D"},
        DecodeCase{"SameByteInWestern", "\xE8", "WINDOWS-1252", "\xC3\xA8"},
        DecodeCase{"UnknownCodePageKeepsAscii", "a\xE9" "b", "NO-SUCH-CODE-PAGE",
                   "a\xEF\xBF\xBD" "b"}),
    caseName<DecodeCase>);

TEST(CodePageDecoding, EveryByteGivesValidUtf8)
{
    std::string bytes;
    for (int byte = 0; byte < 256; ++byte)
        bytes += static_cast<char>(byte);
    for (const char *codePage : {"WINDOWS-1252", "WINDOWS-1250"}) {
        const std::string text = decodeCodePage(bytes, codePage);
        EXPECT_TRUE(isValidUtf8(text)) << codePage;
        // 128 ASCII bytes, then 128 bytes of two or three bytes each.
        EXPECT_GE(text.size(), 128u + 2 * 128u) << codePage;
        EXPECT_EQ(text.substr(0, 128), bytes.substr(0, 128)) << codePage;
    }
}

TEST_P(DisplayText, KeepsUtf8AndReadsOtherBytesAsWindows1252)
{
    EXPECT_EQ(displayText(GetParam().bytes), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DisplayText,
    testing::Values(DisplayCase{"Empty", "", ""}, DisplayCase{"Ascii", "1;2;3", "1;2;3"},
                    DisplayCase{"Utf8Kept", "Fran\xC3\xA7" "ais", "Fran\xC3\xA7" "ais"},
                    DisplayCase{"Windows1252Decoded", "Fran\xE7" "ais",
                                "Fran\xC3\xA7" "ais"},
                    DisplayCase{"MixedTakenAsWindows1252", "\xC3\xA7\xE7",
                                "\xC3\x83\xC2\xA7\xC3\xA7"},
                    DisplayCase{"UndefinedByteVisible", "\x81", "\xEF\xBF\xBD"}),
    caseName<DisplayCase>);
