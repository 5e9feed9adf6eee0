#include "compare/externalgrids.h"

#include "storage/textfile.h"
#include "testfolder.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The cells of one preview row, columns 0..10.
std::vector<std::string> rowCells(const GridPreview &preview, std::size_t row)
{
    std::vector<std::string> cells;
    for (int column = 0; column <= previewFieldCount; ++column)
        cells.push_back(preview.cellText(column, row));
    return cells;
}

std::string numberedLines(int count)
{
    std::string content;
    for (int n = 1; n <= count; ++n)
        content += std::to_string(n) + ";" + std::to_string(n + 1) + "\n";
    return content;
}

// A grid file in a temporary folder, loaded into previews.
class PreviewFile : public ::testing::Test {
protected:
    GridFileSource source(const std::string &content, std::string separator = ";",
                          std::int32_t skipLines = 0)
    {
        writeBytes(m_folder.file("grids.txt"), content);
        return {m_folder.file("grids.txt").string(), std::move(separator), skipLines};
    }

    TestFolder m_folder;
    GridPreview m_preview;
};

// Names a table row after its `name` field.
template <typename Case> std::string caseName(const ::testing::TestParamInfo<Case> &info)
{
    return info.param.name;
}

}  // namespace

struct MapCase {
    const char *name;
    std::vector<ReplacementBox> boxes;
    int number;
    std::int32_t standsFor;
};

void PrintTo(const MapCase &mapCase, std::ostream *os)
{
    *os << mapCase.name;
}

class ReplacementBoxes : public ::testing::TestWithParam<MapCase> {};

TEST_P(ReplacementBoxes, BuildTheMap)
{
    const ReplacementMap map = pconstruitremplacement(GetParam().boxes);
    EXPECT_EQ(map[static_cast<std::size_t>(GetParam().number)], GetParam().standsFor);
    EXPECT_EQ(map[0], 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReplacementBoxes,
    ::testing::Values(
        MapCase{"NoBoxKeepsANumber", {}, 42, 42}, MapCase{"NumericBoxReplaces", {{7, "33"}}, 7, 33},
        MapCase{"OtherNumbersStay", {{7, "33"}}, 8, 8}, MapCase{"ZeroReplaces", {{7, "0"}}, 7, 0},
        MapCase{"EmptyBoxKeeps", {{7, ""}}, 7, 7}, MapCase{"WordKeeps", {{7, "sept"}}, 7, 7},
        MapCase{"LeadingBlankIsNumeric", {{7, " 12"}}, 7, 12},
        MapCase{"TrailingBlankKeeps", {{7, "12 "}}, 7, 7},
        MapCase{"HexadecimalIsNumeric", {{7, "$1F"}}, 7, 31},
        MapCase{"NegativeReplaces", {{7, "-3"}}, 7, -3},
        MapCase{"TagHundredCounts", {{100, "1"}}, 100, 1},
        MapCase{"TagZeroIsIgnored", {{0, "5"}}, 0, 0},
        MapCase{"TagAboveHundredIsIgnored", {{101, "5"}}, 100, 100},
        MapCase{"LaterBoxOfTheSameTagWins", {{7, "33"}, {7, "34"}}, 7, 34}),
    caseName<MapCase>);

TEST(WizardChoices, SkipTextAndSeparatorText)
{
    EXPECT_EQ(skipLinesFromText("2"), 2);
    EXPECT_EQ(skipLinesFromText(""), 0);
    EXPECT_EQ(skipLinesFromText("deux"), 0);
    EXPECT_EQ(separatorOf(""), ' ');
    EXPECT_EQ(separatorOf(";,"), ';');
}

struct SplitCase {
    const char *name;
    std::string line;
    char separator;
};

void PrintTo(const SplitCase &splitCase, std::ostream *os)
{
    *os << splitCase.name;
}

class SplitFields : public ::testing::TestWithParam<SplitCase> {};

// The comparison and the previews cut fields themselves; they must cut them as the reader does.
TEST_P(SplitFields, CutsAsTheReaderDoes)
{
    TestFolder folder;
    writeBytes(folder.file("line.txt"), GetParam().line + "\n");
    TTextFile reader;
    reader.Separator = GetParam().separator;
    reader.SetFileName(folder.file("line.txt").string());
    std::array<std::string_view, 12> fields;
    splitFields(reader.Line, reader.Separator, fields);
    for (std::uint8_t f = 1; f <= fields.size(); ++f) {
        std::string expected;
        reader.Field(f, expected);
        EXPECT_EQ(fields[f - 1], expected) << "field " << int{f};
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, SplitFields,
                         ::testing::Values(SplitCase{"Plain", "3;12;17;25;33;41", ';'},
                                           SplitCase{"EmptyBetween", "a;;b", ';'},
                                           SplitCase{"SeparatorFirst", ";7;8", ';'},
                                           SplitCase{"SeparatorLast", "7;8;", ';'},
                                           SplitCase{"BlanksKept", " 7 ; 8 ", ';'},
                                           SplitCase{"TwoBlanks", "3  17 20", ' '},

                                           SplitCase{"MoreThanTwelve",
                                                     "1;2;3;4;5;6;7;8;9;10;11;12;13;14", ';'},
                                           SplitCase{"OtherSeparatorInside", "1,2;3", ';'}),
                         caseName<SplitCase>);

TEST_F(PreviewFile, TwentyOfThirtyLinesThenAllOnRequest)
{
    const GridFileSource file = source(numberedLines(30));
    EXPECT_TRUE(pchargegrille(m_preview, file, 20, identityReplacement(), false).ok);
    EXPECT_EQ(m_preview.lineCount(), 20u);
    EXPECT_EQ(m_preview.rowCount(), 21u);
    EXPECT_TRUE(pchargegrille(m_preview, file, 20, identityReplacement(), true).ok);
    EXPECT_EQ(m_preview.lineCount(), 20u);
    EXPECT_TRUE(pchargegrille(m_preview, file, 0, identityReplacement(), true).ok);
    ASSERT_EQ(m_preview.lineCount(), 30u);
    EXPECT_EQ(rowCells(m_preview, 30),
              (std::vector<std::string>{"30", "30", "31", "", "", "", "", "", "", "", ""}));
}

TEST_F(PreviewFile, SkippedLinesIgnoreBlankLines)
{
    EXPECT_TRUE(pchargegrille(m_preview, source("\n a\n\t\nb\n\nc;d\n", ";", 2), 20,
                              identityReplacement(), false)
                    .ok);
    ASSERT_EQ(m_preview.lineCount(), 1u);
    EXPECT_EQ(m_preview.cellText(1, 1), "c");
    EXPECT_EQ(m_preview.cellText(2, 1), "d");
}

TEST_F(PreviewFile, TenFieldsShownOfTwelveAndEmptyCellsAfterFour)
{
    EXPECT_TRUE(pchargegrille(m_preview, source("1;2;3;4;5;6;7;8;9;10;11;12\n1;2;3;4\n"), 20,
                              identityReplacement(), false)
                    .ok);
    EXPECT_EQ(rowCells(m_preview, 1),
              (std::vector<std::string>{"1", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
    EXPECT_EQ(rowCells(m_preview, 2),
              (std::vector<std::string>{"2", "1", "2", "3", "4", "", "", "", "", "", ""}));
}

struct CellCase {
    const char *name;
    std::string field;
    std::string raw;
    std::string replaced;
};

void PrintTo(const CellCase &cellCase, std::ostream *os)
{
    *os << cellCase.name;
}

class PreviewCells : public ::testing::TestWithParam<CellCase> {};

// Box 7 holds "33" and box 100 holds "1"; the field stands alone between two others.
TEST_P(PreviewCells, RawOnPageTwoTrimmedAndReplacedOnPageFour)
{
    TestFolder folder;
    writeBytes(folder.file("grids.txt"), "x;" + GetParam().field + ";y\n");
    const GridFileSource file{folder.file("grids.txt").string(), ";", 0};
    const ReplacementMap map =
        pconstruitremplacement(std::vector<ReplacementBox>{{7, "33"}, {100, "1"}});
    GridPreview preview;
    ASSERT_TRUE(pchargegrille(preview, file, 20, map, false).ok);
    EXPECT_EQ(preview.cellText(2, 1), GetParam().raw);
    ASSERT_TRUE(pchargegrille(preview, file, 20, map, true).ok);
    EXPECT_EQ(preview.cellText(2, 1), GetParam().replaced);
    EXPECT_EQ(preview.cellText(3, 1), "y");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PreviewCells,
    ::testing::Values(CellCase{"Plain", "7", "7", "33"}, CellCase{"LeadingZero", "07", "07", "33"},
                      CellCase{"BlanksAround", " 7 ", " 7 ", "33"},
                      CellCase{"TabAndControlCharacters", "\t7\x01", "\t7\x01", "33"},
                      CellCase{"Hundred", "100", "100", "1"}, CellCase{"ZeroStays", "0", "0", "0"},
                      CellCase{"NegativeStays", "-7", "-7", "-7"},
                      CellCase{"AboveHundredStays", "107", "107", "107"},
                      CellCase{"WordIsOnlyTrimmed", " sept ", " sept ", "sept"},
                      CellCase{"EmptyField", "", "", ""}, CellCase{"Utf8Kept", "été", "été", "été"},
                      CellCase{"Windows1252Decoded", "\xE9t\xE9", "été", "été"}),
    caseName<CellCase>);

TEST_F(PreviewFile, HeaderAndCellsOutsideTheRowsAreEmpty)
{
    EXPECT_TRUE(pchargegrille(m_preview, source("5;6\n"), 20, identityReplacement(), false).ok);
    EXPECT_EQ(m_preview.cellText(0, 0), "");
    EXPECT_EQ(m_preview.cellText(1, 0), "");
    EXPECT_EQ(m_preview.cellText(1, 2), "");
    EXPECT_EQ(m_preview.cellText(11, 1), "");
    EXPECT_EQ(m_preview.cellText(-1, 1), "");
}

TEST_F(PreviewFile, MissingFileFailsAndLeavesTheEmptyGrid)
{
    EXPECT_TRUE(pchargegrille(m_preview, source("5;6\n"), 20, identityReplacement(), false).ok);
    const std::string missing = m_folder.file("none.txt").string();
    const GridFileOutcome outcome =
        pchargegrille(m_preview, {missing, ";", 0}, 20, identityReplacement(), false);
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.message, "Could not open the file \"" + missing + "\" for reading");
    EXPECT_EQ(m_preview.lineCount(), 0u);
    EXPECT_EQ(m_preview.rowCount(), 2u);
}

TEST_F(PreviewFile, HugeSkipCountEndsAtTheEndOfTheFile)
{
    EXPECT_TRUE(
        pchargegrille(m_preview, source("1\n2\n", ";", 2000000000), 0, identityReplacement(), false)
            .ok);
    EXPECT_EQ(m_preview.lineCount(), 0u);
}
