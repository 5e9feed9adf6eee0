#include "compare/externalgrids.h"

#include "storage/displaytext.h"
#include "storage/textfile.h"
#include "support/numerictext.h"

#include <algorithm>
#include <exception>

namespace {

// Trimming removes blanks and control characters at both ends of a field.
bool isTrimmed(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isTrimmed(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isTrimmed(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace

ReplacementMap identityReplacement()
{
    ReplacementMap map{};
    for (std::size_t n = 1; n < map.size(); ++n)
        map[n] = static_cast<std::int32_t>(n);
    return map;
}

ReplacementMap pconstruitremplacement(std::span<const ReplacementBox> boxes)
{
    ReplacementMap map = identityReplacement();
    for (const ReplacementBox &box : boxes) {
        if (box.tag < 1 || box.tag > 100)
            continue;
        if (const auto value = pestnumerique(box.text))
            map[static_cast<std::size_t>(box.tag)] = *value;
    }
    return map;
}

std::int32_t replacedNumber(const ReplacementMap &map, std::int32_t v)
{
    return v >= 1 && v <= 100 ? map[static_cast<std::size_t>(v)] : v;
}

std::int32_t skipLinesFromText(std::string_view text)
{
    return pestnumerique(text).value_or(0);
}

char separatorOf(std::string_view separator)
{
    return separator.empty() ? ' ' : separator.front();
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

void GridPreview::clear()
{
    m_fields.clear();
    m_ends.clear();
}

std::size_t GridPreview::lineCount() const
{
    return m_ends.size();
}

std::size_t GridPreview::rowCount() const
{
    return std::max<std::size_t>(m_ends.size(), 1) + 1;
}

void GridPreview::restart(char separator, bool replace, const ReplacementMap &map)
{
    clear();
    // Without a separator the reader splits on blanks and tabs, so then no field holds a blank.
    m_separator = separator == 0 ? ' ' : separator;
    m_replace = replace;
    m_map = map;
}

void GridPreview::addLine(const TTextFile &reader)
{
    m_line.clear();
    std::size_t kept = 0;
    for (int f = 1; f <= previewFieldCount; ++f) {
        reader.Field(static_cast<std::uint8_t>(f), m_field);
        if (f > 1)
            m_line += m_separator;
        m_line += m_field;
        if (!m_field.empty())
            kept = m_line.size();
    }
    m_fields.append(m_line, 0, kept);
    m_ends.push_back(m_fields.size());
}

std::string_view GridPreview::rawField(int field, std::size_t row) const
{
    const std::size_t begin = row == 1 ? 0 : m_ends[row - 2];
    std::string_view text = std::string_view(m_fields).substr(begin, m_ends[row - 1] - begin);
    for (int f = 1; f < field; ++f) {
        const std::size_t next = text.find(m_separator);
        if (next == std::string_view::npos)
            return {};
        text.remove_prefix(next + 1);
    }
    return text.substr(0, text.find(m_separator));
}

std::string GridPreview::cellText(int column, std::size_t row) const
{
    if (row < 1 || row > m_ends.size() || column < 0 || column > previewFieldCount)
        return {};
    if (column == 0)
        return std::to_string(row);
    std::string_view text = rawField(column, row);
    if (!m_replace)
        return displayText(text);
    text = trimmed(text);
    const auto value = pestnumerique(text);
    if (value && *value >= 1 && *value <= 100)
        return std::to_string(replacedNumber(m_map, *value));
    return displayText(text);
}

GridFileOutcome pchargegrille(GridPreview &preview, const GridFileSource &source,
                              std::int32_t maxLines, const ReplacementMap &map, bool replace)
{
    preview.restart(separatorOf(source.separator), replace, map);
    try {
        TTextFile reader;
        openGridFile(reader, source);
        while (!reader.AtEnd()) {
            preview.addLine(reader);
            reader.ReadLine();
            if (maxLines > 0 && preview.lineCount() >= static_cast<std::size_t>(maxLines))
                break;
        }
    } catch (const std::exception &e) {
        return {false, e.what()};
    }
    return {};
}
