#include "i18n/languagefile.h"

#include "i18n/messagecatalogue.h"
#include "storage/displaytext.h"
#include "storage/textfile.h"

#include <algorithm>
#include <charconv>
#include <string_view>

namespace {

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
// Lines 4 to 10 of the header hold nothing that is read.
constexpr int headerLineCount = 10;

// Whether text holds a character other than a space or a control character.
bool hasVisibleCharacter(std::string_view text)
{
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte > 0x20 && byte != 0x7F;
    });
}

// The value of a text that is a whole decimal integer with an optional sign, else fallback.
std::int32_t decimalOr(std::string_view text, std::int32_t fallback)
{
    if (text.size() > 1 && text.front() == '+' && text[1] != '-')
        text.remove_prefix(1);
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return fallback;
    return value;
}

} // namespace

bool Tgerelanguage::Load(int language)
{
    Texts.assign(languageFileEntryCount + 1, std::string());
    HeaderText1.clear();
    HeaderText2.clear();
    HeaderNumber = 0;
    m_utf8 = true;
    bool result = false;
    try {
        TTextFile reader;
        reader.Separator = ';';
        reader.SetFileName(FileName);
        if (reader.Line.starts_with(byteOrderMark)) {
            reader.Line.erase(0, byteOrderMark.size());
            // A mark alone on the first line must not count as a header line.
            if (reader.IsEmptyLine())
                reader.ReadLine();
        }
        noteLine(reader);
        result = ReadHeader(reader) && ReadEntries(reader);
    } catch (const ETextFileError &) {
        result = false;
    }
    if (result)
        decodeTexts(language);
    Loaded = result;
    return result;
}

void Tgerelanguage::GetText(int N, std::string &Text) const
{
    if (N >= 1 && N <= languageFileEntryCount)
        Text = Texts[static_cast<std::size_t>(N)];
    else
        Text.clear();
}

bool Tgerelanguage::ReadHeader(TTextFile &Reader)
{
    try {
        // A file without its 10 header lines is not a language file; the built-in table is
        // better than a table of empty texts.
        if (Reader.AtEnd())
            return false;
        Reader.Field(2, HeaderText1);
        if (!advance(Reader))
            return false;
        Reader.Field(2, HeaderText2);
        if (!advance(Reader))
            return false;
        std::string number;
        Reader.Field(2, number);
        HeaderNumber = decimalOr(number, 1);
        for (int line = 4; line <= headerLineCount; ++line) {
            if (!advance(Reader))
                return false;
        }
        // No line 11 is a file without entries, which still loads.
        advance(Reader);
        return true;
    } catch (const ETextFileError &) {
        return false;
    }
}

bool Tgerelanguage::ReadEntries(TTextFile &Reader)
{
    try {
        std::string first;
        std::string second;
        int count = 0;
        // Entries beyond the table are still read: a read error among them fails the load.
        while (!Reader.AtEnd()) {
            ++count;
            if (count <= languageFileEntryCount) {
                Reader.Field(1, first);
                Reader.Field(2, second);
                auto &text = Texts[static_cast<std::size_t>(count)];
                text = hasVisibleCharacter(second) ? second : first;
            }
            advance(Reader);
        }
        return true;
    } catch (const ETextFileError &) {
        return false;
    }
}

const std::vector<std::string> *Tgerelanguage::messageTexts() const
{
    return Loaded ? &Texts : nullptr;
}

bool Tgerelanguage::advance(TTextFile &reader)
{
    const bool moved = reader.ReadLine();
    noteLine(reader);
    return moved;
}

void Tgerelanguage::noteLine(const TTextFile &reader)
{
    // Line ends are ASCII and cannot split a valid sequence, so the file is valid UTF-8 exactly
    // when every line is.
    m_utf8 = m_utf8 && isValidUtf8(reader.Line);
}

void Tgerelanguage::decodeTexts(int language)
{
    if (m_utf8)
        return;
    const char *codePage =
        language == static_cast<int>(Language::Croatian) ? "WINDOWS-1250" : "WINDOWS-1252";
    for (std::string *text : {&HeaderText1, &HeaderText2})
        *text = decodeCodePage(*text, codePage);
    for (std::string &text : Texts)
        text = decodeCodePage(text, codePage);
}
