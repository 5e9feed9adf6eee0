#include "storage/textfile.h"

#include "testfolder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include <sys/stat.h>

namespace {

using namespace std::string_literals;

// Test names of a table: the name of each row.
template <class Case>
std::string caseName(const testing::TestParamInfo<Case> &row)
{
    return row.param.name;
}

// Every line the reader delivers, from opening to its end.
std::vector<std::string> readAllLines(const std::filesystem::path &file)
{
    TTextFile reader;
    reader.SetFileName(file.string());
    std::vector<std::string> lines;
    while (!reader.AtEnd()) {
        lines.push_back(reader.Line);
        reader.ReadLine();
    }
    return lines;
}

// The message of the ETextFileError that action raises, or "no error".
std::string errorOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const ETextFileError &error) {
        return error.what();
    }
    return "no error";
}

std::size_t openDescriptorCount()
{
    const std::filesystem::directory_iterator entries("/proc/self/fd");
    return static_cast<std::size_t>(std::distance(begin(entries), end(entries)));
}

struct LinesCase {
    const char *name;
    std::string bytes;
    std::vector<std::string> lines;
};

class TextFileLines : public testing::TestWithParam<LinesCase> {};

} // namespace

TEST_P(TextFileLines, DeliversEachNonBlankLineWithoutItsEnd)
{
    TestFolder folder;
    const auto file = folder.file("grids.txt");
    writeBytes(file, GetParam().bytes);
    EXPECT_EQ(readAllLines(file), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextFileLines,
    testing::Values(
        LinesCase{"Lf", "a\nb\n", {"a", "b"}}, LinesCase{"CrLf", "a\r\nb\r\n", {"a", "b"}},
        LinesCase{"LoneCr", "a\rb\r", {"a", "b"}},
        LinesCase{"MixedEnds", "a\r\n\rb\n\nc\rd", {"a", "b", "c", "d"}},
        LinesCase{"LastLineWithoutEnd", "1 2\n3 4", {"1 2", "3 4"}},
        LinesCase{"SingleLineWithoutEnd", "x", {"x"}},
        LinesCase{"BlankLinesSkipped", "\n  \t\n a \n\t\n\r\nb", {" a ", "b"}},
        LinesCase{"OnlyBlankLines", " \n\t\r\n  ", {}}, LinesCase{"EmptyFile", "", {}},
        LinesCase{"NulBytesKept", "a\0b\n\0\n"s, {"a\0b"s, "\0"s}},
        LinesCase{"HighBytesKept", "\xE9t\xE9\n\xC3\xA9", {"\xE9t\xE9", "\xC3\xA9"}},
        LinesCase{"CrLfAcrossBufferLoads",
                  std::string(65535, 'a') + "\r\nb",
                  {std::string(65535, 'a'), "b"}},
        LinesCase{"LinesLongerThanTheBuffer",
                  std::string(200000, 'x') + "\n" + std::string(70000, 'y'),
                  {std::string(200000, 'x'), std::string(70000, 'y')}}),
    caseName<LinesCase>);

TEST(TextFile, AtEndTurnsTrueOnlyAfterTheReadPastTheLastLine)
{
    TestFolder folder;
    writeBytes(folder.file("two.txt"), "a\nb");
    TTextFile reader;
    reader.SetFileName(folder.file("two.txt").string());
    EXPECT_EQ(reader.Line, "a");
    EXPECT_FALSE(reader.AtEnd());
    EXPECT_TRUE(reader.ReadLine());
    EXPECT_EQ(reader.Line, "b");
    EXPECT_FALSE(reader.AtEnd());
    EXPECT_FALSE(reader.ReadLine());
    EXPECT_EQ(reader.Line, "");
    EXPECT_TRUE(reader.AtEnd());
}

TEST(TextFile, ReadLineAfterTheEndStaysAtTheEnd)
{
    TestFolder folder;
    writeBytes(folder.file("one.txt"), "a\n");
    TTextFile reader;
    reader.SetFileName(folder.file("one.txt").string());
    EXPECT_FALSE(reader.ReadLine());
    EXPECT_FALSE(reader.ReadLine());
    EXPECT_TRUE(reader.IsEmptyLine());
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_TRUE(reader.IsOpen);
}

TEST(TextFile, BlankFileIsAtItsEndWithEmptyFields)
{
    TestFolder folder;
    writeBytes(folder.file("blank.txt"), "  \n\t\n");
    TTextFile reader;
    reader.Separator = ';';
    reader.SetFileName(folder.file("blank.txt").string());
    EXPECT_EQ(reader.Line, "");
    EXPECT_TRUE(reader.AtEnd());
    std::string text = "old";
    reader.Field(1, text);
    EXPECT_EQ(text, "");
}

TEST(TextFile, ReaderWithoutFileIsAtItsEndAndCannotRead)
{
    TTextFile reader;
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_FALSE(reader.IsOpen);
    EXPECT_EQ(errorOf([&] { reader.ReadLine(); }), "No valid file selected");
}

TEST(TextFile, MissingFileRaisesTheOpenErrorAndLeavesTheReaderClosed)
{
    TestFolder folder;
    const std::string name = folder.file("absent.txt").string();
    TTextFile reader;
    EXPECT_EQ(errorOf([&] { reader.SetFileName(name); }),
              "Could not open the file \"" + name + "\" for reading");
    EXPECT_FALSE(reader.IsOpen);
    EXPECT_EQ(reader.FileName, name);
    EXPECT_EQ(errorOf([&] { reader.ReadLine(); }), "No valid file selected");
}

namespace {

struct NotRegularCase {
    const char *name;
    std::function<std::string(const TestFolder &)> make;
};

class TextFileNotRegular : public testing::TestWithParam<NotRegularCase> {};

} // namespace

TEST_P(TextFileNotRegular, IsNotOpenedAndRaisesTheOpenError)
{
    TestFolder folder;
    const std::string name = GetParam().make(folder);
    const std::size_t descriptors = openDescriptorCount();
    TTextFile reader;
    EXPECT_EQ(errorOf([&] { reader.SetFileName(name); }),
              "Could not open the file \"" + name + "\" for reading");
    EXPECT_FALSE(reader.IsOpen);
    EXPECT_EQ(openDescriptorCount(), descriptors);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextFileNotRegular,
    testing::Values(
        NotRegularCase{"Fifo",
                       [](const TestFolder &folder) {
                           const std::string name = folder.file("pipe").string();
                           EXPECT_EQ(::mkfifo(name.c_str(), 0600), 0);
                           return name;
                       }},
        NotRegularCase{"Folder", [](const TestFolder &folder) { return folder.path().string(); }},
        NotRegularCase{"Device", [](const TestFolder &) { return "/dev/null"s; }}),
    caseName<NotRegularCase>);

TEST(TextFile, NameWithNulByteIsNotOpenedUnderItsShorterName)
{
    TestFolder folder;
    writeBytes(folder.file("a"), "x\n");
    TTextFile reader;
    EXPECT_THROW(reader.SetFileName(folder.file("a").string() + "\0b"s), ETextFileError);
    EXPECT_FALSE(reader.IsOpen);
    EXPECT_EQ(reader.Line, "");
}

TEST(TextFile, ReadFailureRaisesTheReadErrorAndClosesTheReader)
{
    // A regular file by its type whose reading fails: the process's memory at address 0.
    const std::string name = "/proc/self/mem";
    const std::size_t descriptors = openDescriptorCount();
    TTextFile reader;
    EXPECT_EQ(errorOf([&] { reader.SetFileName(name); }),
              "Read error while reading file \"" + name + "\": Unknown error");
    EXPECT_FALSE(reader.IsOpen);
    EXPECT_EQ(openDescriptorCount(), descriptors);
    EXPECT_EQ(errorOf([&] { reader.ReadLine(); }), "No valid file selected");
}

TEST(TextFile, SameNameDoesNotReopenButAnotherNameDoes)
{
    TestFolder folder;
    writeBytes(folder.file("a.txt"), "a1\na2\n");
    writeBytes(folder.file("b.txt"), "b1\n");
    TTextFile reader;
    reader.SetFileName(folder.file("a.txt").string());
    reader.ReadLine();
    reader.SetFileName(folder.file("a.txt").string());
    EXPECT_EQ(reader.Line, "a2");
    reader.SetFileName(folder.file("b.txt").string());
    EXPECT_EQ(reader.Line, "b1");
    EXPECT_EQ(reader.FileName, folder.file("b.txt").string());
}

TEST(TextFile, EmptyNameClosesTheReader)
{
    TestFolder folder;
    writeBytes(folder.file("a.txt"), "a1\n");
    TTextFile reader;
    reader.SetFileName(folder.file("a.txt").string());
    reader.SetFileName("");
    EXPECT_FALSE(reader.IsOpen);
    EXPECT_EQ(errorOf([&] { reader.ReadLine(); }), "No valid file selected");
}

TEST(TextFile, ResetStartsAgainAtTheFirstLine)
{
    TestFolder folder;
    writeBytes(folder.file("a.txt"), "\na1\na2\n");
    TTextFile reader;
    reader.SetFileName(folder.file("a.txt").string());
    reader.ReadLine();
    reader.ReadLine();
    reader.Reset();
    EXPECT_EQ(reader.Line, "a1");
    EXPECT_FALSE(reader.AtEnd());
}

TEST(TextFile, CloseReleasesTheFile)
{
    TestFolder folder;
    writeBytes(folder.file("a.txt"), "a1\na2\n");
    const std::size_t descriptors = openDescriptorCount();
    TTextFile reader;
    reader.SetFileName(folder.file("a.txt").string());
    EXPECT_EQ(openDescriptorCount(), descriptors + 1);
    reader.Close();
    EXPECT_FALSE(reader.IsOpen);
    EXPECT_EQ(openDescriptorCount(), descriptors);
    EXPECT_EQ(errorOf([&] { reader.ReadLine(); }), "No valid file selected");
}

TEST(TextFile, DestroyingTheReaderReleasesTheFile)
{
    TestFolder folder;
    writeBytes(folder.file("a.txt"), "a1\n");
    const std::size_t descriptors = openDescriptorCount();
    {
        TTextFile reader;
        reader.SetFileName(folder.file("a.txt").string());
        EXPECT_EQ(openDescriptorCount(), descriptors + 1);
    }
    EXPECT_EQ(openDescriptorCount(), descriptors);
}

TEST(TextFile, RaiseErrorThrowsItsMessage)
{
    const TTextFile reader;
    EXPECT_EQ(errorOf([&] { reader.RaiseError("custom"); }), "custom");
}

namespace {

struct FieldCase {
    const char *name;
    char separator;
    char quote;
    std::string line;
    std::uint8_t index;
    std::string text;
};

class TextFileField : public testing::TestWithParam<FieldCase> {};

} // namespace

TEST_P(TextFileField, CutsTheDelimitedField)
{
    TTextFile reader;
    reader.Separator = GetParam().separator;
    reader.Quote = GetParam().quote;
    reader.Line = GetParam().line;
    std::string text = "previous";
    reader.Field(GetParam().index, text);
    EXPECT_EQ(text, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextFileField,
    testing::Values(
        FieldCase{"AdjacentSeparatorsFirst", ';', 0, "a;;b", 1, "a"},
        FieldCase{"AdjacentSeparatorsEnclosedEmpty", ';', 0, "a;;b", 2, ""},
        FieldCase{"AdjacentSeparatorsThird", ';', 0, "a;;b", 3, "b"},
        FieldCase{"AdjacentSeparatorsBeyond", ';', 0, "a;;b", 4, ""},
        FieldCase{"LeadingSeparatorEmptyFirst", ';', 0, ";a", 1, ""},
        FieldCase{"LeadingSeparatorSecond", ';', 0, ";a", 2, "a"},
        FieldCase{"TrailingSeparator", ';', 0, "a;", 2, ""},
        FieldCase{"SpacesBelongToTheField", ';', 0, " a ; b", 1, " a "},
        FieldCase{"SpacesBelongToTheLastField", ';', 0, " a ; b", 2, " b"},
        FieldCase{"SpaceSeparatorKeepsEmptyFields", ' ', 0, "1  2", 3, "2"},
        FieldCase{"BlanksLeadingFirst", 0, 0, "  1 \t 2   3", 1, "1"},
        FieldCase{"BlanksRepeated", 0, 0, "  1 \t 2   3", 2, "2"},
        FieldCase{"BlanksLast", 0, 0, "  1 \t 2   3", 3, "3"},
        FieldCase{"BlanksBeyond", 0, 0, "1 2   ", 3, ""},
        FieldCase{"QuotedKeepsSeparators", ';', '"', "\"a;b\";c", 1, "a;b"},
        FieldCase{"AfterQuotedField", ';', '"', "\"a;b\";c", 2, "c"},
        FieldCase{"AfterClosingQuoteDropped", ';', '"', "\"a\"xyz;c", 1, "a"},
        FieldCase{"AfterDroppedTail", ';', '"', "\"a\"xyz;c", 2, "c"},
        FieldCase{"UnquotedTrailingQuoteDropped", ';', '"', "ab\";c", 1, "ab"},
        FieldCase{"UnterminatedQuoteRunsToTheEnd", ';', '"', "\"ab;c", 1, "ab;c"},
        FieldCase{"UnterminatedQuoteNoMoreFields", ';', '"', "\"ab;c", 2, ""},
        FieldCase{"EmptyQuotedField", ';', '"', "\"\";x", 1, ""},
        FieldCase{"AfterEmptyQuotedField", ';', '"', "\"\";x", 2, "x"},
        FieldCase{"QuotedBlankSeparated", 0, '\'', "'a b' c", 1, "a b"},
        FieldCase{"AfterQuotedBlankSeparated", 0, '\'', "'a b' c", 2, "c"},
        FieldCase{"QuoteNotHonouredWhenUnset", ';', 0, "\"a;b\"", 1, "\"a"},
        FieldCase{"NulByteInsideField", ';', 0, "a\0b;c"s, 1, "a\0b"s},
        FieldCase{"IndexZero", ';', 0, "a;b", 0, ""},
        FieldCase{"HighestIndex", ';', 0, "a;b", 255, ""},
        FieldCase{"EmptyLine", ';', 0, "", 1, ""}),
    caseName<FieldCase>);

TEST(TextFile, FieldBeyondTwoHundredFiftyFourFieldsIsReached)
{
    std::string line;
    for (int i = 1; i <= 300; ++i)
        line += std::to_string(i) + ";";
    TTextFile reader;
    reader.Separator = ';';
    reader.Line = line;
    std::string text;
    reader.Field(255, text);
    EXPECT_EQ(text, "255");
}

namespace {

struct FixedCase {
    const char *name;
    std::int32_t first;
    std::int32_t next;
    std::string line;
    std::string text;
};

class TextFileFixedColumns : public testing::TestWithParam<FixedCase> {};

} // namespace

TEST_P(TextFileFixedColumns, CutsTheSpanThatLiesOnTheLine)
{
    TTextFile reader;
    reader.FixedColumns = true;
    reader.ColumnStart[2] = GetParam().first;
    reader.ColumnStart[3] = GetParam().next;
    reader.Line = GetParam().line;
    std::string text = "previous";
    reader.Field(2, text);
    EXPECT_EQ(text, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextFileFixedColumns,
    testing::Values(FixedCase{"Inside", 4, 6, "abcdefgh", "de"},
                    FixedCase{"CutByTheLineEnd", 4, 10, "abcde", "de"},
                    FixedCase{"StartsAtTheLastCharacter", 5, 10, "abcde", "e"},
                    FixedCase{"StartsBeyondTheLine", 6, 10, "abcde", ""},
                    FixedCase{"StartsBeforePositionOne", -5, 3, "abcde", "ab"},
                    FixedCase{"EndsBeforePositionOne", -5, 0, "abcde", ""},
                    FixedCase{"WidestSpan", std::numeric_limits<std::int32_t>::min(),
                              std::numeric_limits<std::int32_t>::max(), "abcde", "abcde"},
                    FixedCase{"NulBytesKept", 1, 4, "a\0bc"s, "a\0b"s}),
    caseName<FixedCase>);

TEST(TextFile, FixedColumnsNotIncreasingRaiseTheColumnError)
{
    TTextFile reader;
    reader.FixedColumns = true;
    reader.Line = "abcdef";
    reader.ColumnStart[23] = 5;
    reader.ColumnStart[24] = 5;
    std::string text;
    EXPECT_EQ(errorOf([&] { reader.Field(23, text); }),
              "Invalid fixed column position in index 24");
    reader.ColumnStart[1] = 3;
    reader.ColumnStart[2] = 2;
    EXPECT_EQ(errorOf([&] { reader.Field(1, text); }), "Invalid fixed column position in index 2");
}

TEST(TextFile, FixedColumnsOutsideTheTableGiveEmpty)
{
    TTextFile reader;
    reader.FixedColumns = true;
    reader.Line = "abcdef";
    reader.ColumnStart.fill(1);
    std::string text = "previous";
    reader.Field(24, text);
    EXPECT_EQ(text, "");
    text = "previous";
    reader.Field(0, text);
    EXPECT_EQ(text, "");
}

TEST(TextFile, HundredMegabyteLineWithoutLineEndIsDelivered)
{
    constexpr std::size_t length = 100'000'000;
    TestFolder folder;
    {
        std::string bytes(length, 'x');
        bytes[length - 3] = ';';
        writeBytes(folder.file("long.txt"), bytes);
    }
    TTextFile reader;
    reader.Separator = ';';
    reader.SetFileName(folder.file("long.txt").string());
    EXPECT_EQ(reader.Line.size(), length);
    std::string text;
    reader.Field(2, text);
    EXPECT_EQ(text, "xx");
    EXPECT_FALSE(reader.ReadLine());
    EXPECT_TRUE(reader.AtEnd());
}

TEST(TextFile, MillionLinesAreAllDelivered)
{
    constexpr int count = 1'000'000;
    TestFolder folder;
    {
        std::string bytes;
        for (int i = 1; i <= count; ++i)
            bytes += "1 2 3 4 5 " + std::to_string(i) + "\r\n";
        writeBytes(folder.file("million.txt"), bytes);
    }
    TTextFile reader;
    reader.SetFileName(folder.file("million.txt").string());
    int lines = 0;
    std::string text;
    long long sum = 0;
    while (!reader.AtEnd()) {
        ++lines;
        reader.Field(6, text);
        sum += std::stoll(text);
        reader.ReadLine();
    }
    EXPECT_EQ(lines, count);
    EXPECT_EQ(sum, static_cast<long long>(count) * (count + 1) / 2);
}

TEST(TextFile, FieldCanBeCutIntoTheLineItself)
{
    TTextFile reader;
    reader.Separator = ';';
    reader.Line = "first;second";
    reader.Field(2, reader.Line);
    EXPECT_EQ(reader.Line, "second");
}
