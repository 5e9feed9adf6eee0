#include "i18n/languagefile.h"

#include "i18n/messagecatalogue.h"
#include "testfolder.h"

#include <gtest/gtest.h>

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

constexpr int french = static_cast<int>(Language::French);
constexpr int spanish = static_cast<int>(Language::Spanish);
constexpr int croatian = static_cast<int>(Language::Croatian);

// The 10 header lines of a language file, line 3 holding `number`.
std::string header(const std::string &number = "1")
{
    std::string bytes = "name;Langue test\r\nauthor;Someone\r\nversion;" + number + "\r\n";
    for (int line = 4; line <= 10; ++line)
        bytes += "free line " + std::to_string(line) + "\r\n";
    return bytes;
}

// A language file whose entry N is "default N;text N" for N = 1 to count.
std::string numberedFile(int count)
{
    std::string bytes = header();
    for (int n = 1; n <= count; ++n)
        bytes += "default " + std::to_string(n) + ";text " + std::to_string(n) + "\r\n";
    return bytes;
}

// Loads bytes written as a language file in a fresh folder.
class LanguageFileTest : public testing::Test {
protected:
    bool load(const std::string &bytes, int language = french)
    {
        writeBytes(m_folder.file("mirazol.lg"), bytes);
        m_table.FileName = m_folder.file("mirazol.lg").string();
        return m_table.Load(language);
    }

    std::string text(int n) const
    {
        std::string result = "previous";
        m_table.GetText(n, result);
        return result;
    }

    TestFolder m_folder;
    Tgerelanguage m_table;
};

} // namespace

TEST_F(LanguageFileTest, HeaderOnlyLoadsWithEveryMessageEmpty)
{
    EXPECT_TRUE(load(header()));
    EXPECT_TRUE(m_table.Loaded);
    for (int n = 1; n <= languageFileEntryCount; ++n)
        EXPECT_EQ(text(n), "") << n;
    ASSERT_NE(m_table.messageTexts(), nullptr);
    EXPECT_EQ(pgloretlibmessage(32, french, m_table.messageTexts()), "");
}

TEST_F(LanguageFileTest, HeaderValuesAreRead)
{
    EXPECT_TRUE(load(header("7")));
    EXPECT_EQ(m_table.HeaderText1, "Langue test");
    EXPECT_EQ(m_table.HeaderText2, "Someone");
    EXPECT_EQ(m_table.HeaderNumber, 7);
}

TEST_F(LanguageFileTest, HundredEntriesReplaceTheFirstHundredMessagesOnly)
{
    EXPECT_TRUE(load(numberedFile(100)));
    EXPECT_EQ(text(1), "text 1");
    EXPECT_EQ(text(100), "text 100");
    EXPECT_EQ(text(101), "");
    EXPECT_EQ(pgloretlibmessage(32, spanish, m_table.messageTexts()), "text 32");
    EXPECT_EQ(pgloretlibmessage(152, spanish, m_table.messageTexts()), "");
}

TEST_F(LanguageFileTest, EntriesBeyondThreeHundredAreIgnored)
{
    EXPECT_TRUE(load(numberedFile(1000)));
    EXPECT_EQ(text(300), "text 300");
    EXPECT_EQ(text(301), "");
    EXPECT_EQ(m_table.Texts.size(), static_cast<std::size_t>(languageFileEntryCount + 1));
}

TEST_F(LanguageFileTest, BlankLinesDoNotShiftTheNumbering)
{
    std::string bytes = "\r\n  \r\n" + header();
    bytes.insert(bytes.find("version"), "\t\r\n");
    bytes += "\r\na;first\r\n \r\n\r\nb;second\r\n\t";
    EXPECT_TRUE(load(bytes));
    EXPECT_EQ(m_table.HeaderNumber, 1);
    EXPECT_EQ(text(1), "first");
    EXPECT_EQ(text(2), "second");
    EXPECT_EQ(text(3), "");
}

TEST_F(LanguageFileTest, MessageNumbersOutsideTheTableAreEmpty)
{
    EXPECT_TRUE(load(numberedFile(3)));
    EXPECT_EQ(text(0), "");
    EXPECT_EQ(text(-1), "");
    EXPECT_EQ(text(languageFileEntryCount + 1), "");
}

namespace {

struct EntryCase {
    const char *name;
    std::string line;
    std::string text;
};

class LanguageFileEntry : public testing::TestWithParam<EntryCase> {};

struct HeaderNumberCase {
    const char *name;
    const char *field;
    std::int32_t number;
};

class LanguageFileHeaderNumber : public testing::TestWithParam<HeaderNumberCase> {};

} // namespace

TEST_P(LanguageFileEntry, TakesTheTextUnlessBlankThenTheDefault)
{
    TestFolder folder;
    writeBytes(folder.file("mirazol.lg"), header() + GetParam().line + "\n");
    Tgerelanguage table;
    table.FileName = folder.file("mirazol.lg").string();
    ASSERT_TRUE(table.Load(french));
    std::string text;
    table.GetText(1, text);
    EXPECT_EQ(text, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LanguageFileEntry,
    testing::Values(EntryCase{"Text", "Quitter;Quit", "Quit"},
                    EntryCase{"EmptyTextGivesDefault", "Quitter;", "Quitter"},
                    EntryCase{"SpacesGiveDefault", "Quitter;   ", "Quitter"},
                    EntryCase{"ControlCharactersGiveDefault", "Quitter;\t\x01\x7F", "Quitter"},
                    EntryCase{"NoSecondField", "Quitter", "Quitter"},
                    EntryCase{"TextUntrimmed", "Quitter; Quit ", " Quit "},
                    EntryCase{"DefaultUntrimmed", " Quitter ;", " Quitter "},
                    EntryCase{"ThirdFieldIgnored", "Quitter;Quit;Exit", "Quit"},
                    EntryCase{"BothEmpty", ";", ""},
                    EntryCase{"NulByteIsAControlCharacter", "Quitter;\0"s, "Quitter"}),
    caseName<EntryCase>);

TEST_P(LanguageFileHeaderNumber, IsTheDecimalIntegerOrOne)
{
    TestFolder folder;
    writeBytes(folder.file("mirazol.lg"), header(GetParam().field));
    Tgerelanguage table;
    table.FileName = folder.file("mirazol.lg").string();
    ASSERT_TRUE(table.Load(french));
    EXPECT_EQ(table.HeaderNumber, GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LanguageFileHeaderNumber,
    testing::Values(HeaderNumberCase{"Decimal", "42", 42},
                    HeaderNumberCase{"Negative", "-3", -3}, HeaderNumberCase{"Plus", "+5", 5},
                    HeaderNumberCase{"Empty", "", 1}, HeaderNumberCase{"Letters", "v2", 1},
                    HeaderNumberCase{"TrailingLetter", "2a", 1},
                    HeaderNumberCase{"LeadingBlank", " 2", 1},
                    HeaderNumberCase{"TwoSigns", "+-2", 1},
                    HeaderNumberCase{"BeyondThirtyTwoBits", "99999999999", 1}),
    caseName<HeaderNumberCase>);

TEST_F(LanguageFileTest, MissingFileDoesNotLoad)
{
    m_table.FileName = m_folder.file("mirazol.lg").string();
    EXPECT_FALSE(m_table.Load(french));
    EXPECT_FALSE(m_table.Loaded);
    EXPECT_EQ(m_table.messageTexts(), nullptr);
}

TEST_F(LanguageFileTest, EmptyFileNameDoesNotLoad)
{
    EXPECT_FALSE(m_table.Load(french));
    EXPECT_FALSE(m_table.Loaded);
}

TEST_F(LanguageFileTest, FifoDoesNotLoadAndDoesNotBlock)
{
    const std::string name = m_folder.file("mirazol.lg").string();
    ASSERT_EQ(::mkfifo(name.c_str(), 0600), 0);
    m_table.FileName = name;
    EXPECT_FALSE(m_table.Load(french));
    EXPECT_FALSE(m_table.Loaded);
}

TEST_F(LanguageFileTest, FolderDoesNotLoad)
{
    m_table.FileName = m_folder.path().string();
    EXPECT_FALSE(m_table.Load(french));
}

TEST_F(LanguageFileTest, ReadErrorDoesNotLoad)
{
    m_table.FileName = "/proc/self/mem";
    EXPECT_FALSE(m_table.Load(french));
    EXPECT_FALSE(m_table.Loaded);
}

TEST_F(LanguageFileTest, IncompleteHeaderDoesNotLoad)
{
    const std::string full = header();
    std::size_t nine = 0;
    for (int line = 1; line <= 9; ++line)
        nine = full.find('\n', nine) + 1;
    EXPECT_FALSE(load(full.substr(0, nine)));
    EXPECT_FALSE(load(""));
    EXPECT_FALSE(load("  \r\n\t\r\n"));
    EXPECT_EQ(m_table.messageTexts(), nullptr);
}

TEST_F(LanguageFileTest, FailedLoadAfterAGoodOneIsNotLoaded)
{
    EXPECT_TRUE(load(numberedFile(5)));
    EXPECT_FALSE(load("name;x\n"));
    EXPECT_FALSE(m_table.Loaded);
    EXPECT_EQ(m_table.messageTexts(), nullptr);
}

TEST_F(LanguageFileTest, ReloadingForgetsTheEntriesOfTheFormerFile)
{
    EXPECT_TRUE(load(numberedFile(5)));
    EXPECT_TRUE(load(numberedFile(2)));
    EXPECT_EQ(text(2), "text 2");
    EXPECT_EQ(text(3), "");
}

namespace {

struct EncodingCase {
    const char *name;
    std::string bytes;
    int language;
    std::string headerText1;
    std::string firstText;
};

class LanguageFileEncoding : public testing::TestWithParam<EncodingCase> {};

} // namespace

TEST_P(LanguageFileEncoding, TextsBecomeUtf8)
{
    TestFolder folder;
    writeBytes(folder.file("mirazol.lg"), GetParam().bytes);
    Tgerelanguage table;
    table.FileName = folder.file("mirazol.lg").string();
    ASSERT_TRUE(table.Load(GetParam().language));
    EXPECT_EQ(table.HeaderText1, GetParam().headerText1);
    std::string text;
    table.GetText(1, text);
    EXPECT_EQ(text, GetParam().firstText);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LanguageFileEncoding,
    testing::Values(
        EncodingCase{"Utf8Kept", header() + "x;Num\xC3\xA9ros\n", french, "Langue test",
                     "Num\xC3\xA9ros"},
        EncodingCase{"Utf8KeptForCroatian", header() + "x;Izla\xC4\x8D\n", croatian,
                     "Langue test", "Izla\xC4\x8D"},
        EncodingCase{"Windows1252", header() + "x;Num\xE9ros\n", french, "Langue test",
                     "Num\xC3\xA9ros"},
        EncodingCase{"Windows1250ForCroatian", header() + "x;Izla\xE8\n", croatian,
                     "Langue test", "Izla\xC4\x8D"},
        EncodingCase{"Windows1252ForSpanish", header() + "x;Espa\xF1ol\n", spanish,
                     "Langue test", "Espa\xC3\xB1ol"},
        EncodingCase{"InvalidByteInAnUnreadLineDecidesForTheWholeFile",
                     header().replace(header().find("free line 5"), 4, "\xE9t\xE9") +
                         "x;Num\xC3\xA9ros\n",
                     french, "Langue test", "Num\xC3\x83\xC2\xA9ros"},
        EncodingCase{"InvalidByteBeyondTheTableDecidesForTheWholeFile",
                     numberedFile(300) + "x;\xE9\n", french, "Langue test", "text 1"},
        EncodingCase{"HeaderDecodedToo",
                     "name;Fran\xE7" "ais\n" + header().substr(header().find("author")) +
                         "x;y\n",
                     french, "Fran\xC3\xA7" "ais", "y"},
        EncodingCase{"UndefinedByteVisible", header() + "x;a\x81\n", french, "Langue test",
                     "a\xEF\xBF\xBD"},
        EncodingCase{"ByteOrderMarkSkipped", "\xEF\xBB\xBF" + header() + "x;Num\xC3\xA9ros\n",
                     french, "Langue test", "Num\xC3\xA9ros"},
        EncodingCase{"ByteOrderMarkAloneIsNoHeaderLine",
                     "\xEF\xBB\xBF\r\n" + header() + "x;first\n", french, "Langue test",
                     "first"}),
    caseName<EncodingCase>);
