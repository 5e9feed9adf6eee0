#include "storage/gridfile.h"

#include "storage/numerictext.h"
#include "storage/textfile.h"

#include <optional>

ReplacementMap identityReplacement()
{
    ReplacementMap map{};
    for (std::size_t n = 1; n < map.size(); ++n)
        map[n] = static_cast<std::int32_t>(n);
    return map;
}

std::int32_t skipLinesFromText(std::string_view text)
{
    return pestnumerique(text).value_or(0);
}

char separatorOf(std::string_view separator)
{
    return separator.empty() || separator.front() == '\0' ? ' ' : separator.front();
}

void splitFields(std::string_view line, char separator, std::span<std::string_view> fields)
{
    // One pass over the line: the fields are short, so a plain loop beats searching for each
    // separator in turn.
    const char *const end = line.data() + line.size();
    const char *start = line.data();
    std::size_t f = 0;
    for (const char *at = start; at != end && f < fields.size(); ++at) {
        if (*at == separator) {
            fields[f++] = std::string_view(start, static_cast<std::size_t>(at - start));
            start = at + 1;
        }
    }
    if (f < fields.size())
        fields[f++] = std::string_view(start, static_cast<std::size_t>(end - start));
    for (; f < fields.size(); ++f)
        fields[f] = {};
}

void openGridFile(TTextFile &reader, const GridFileSource &source)
{
    // A reader given no name stays closed and would pass for an empty file; no file chosen is
    // a failure, like a file that cannot be opened.
    if (source.fileName.empty())
        reader.RaiseError("No valid file selected");
    reader.Separator = separatorOf(source.separator);
    reader.SetFileName(source.fileName);
    // Skipping stops at the end of the file, so that a huge count costs nothing.
    for (std::int32_t i = 0; i < source.skipLines && !reader.AtEnd(); ++i)
        reader.ReadLine();
}

std::vector<std::int32_t> gridNumbers(const TTextFile &reader, const ReplacementMap &replacement)
{
    std::vector<std::int32_t> numbers;
    std::string text;
    for (std::uint8_t field = 1; field <= 6; ++field) {
        reader.Field(field, text);
        const std::optional<std::int32_t> n = pestnumerique(text);
        if (!n)
            continue;
        numbers.push_back(*n >= 1 && *n <= 100 ? replacement[static_cast<std::size_t>(*n)] : *n);
    }
    return numbers;
}
