#include "compare/externalgrids.h"

#include "storage/displaytext.h"
#include "storage/numerictext.h"
#include "storage/textfile.h"

#include <algorithm>
#include <array>
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

}  // namespace

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
    m_separator = separator;
    m_replace = replace;
    m_map = map;
}

void GridPreview::addLine(std::string_view line)
{
    std::array<std::string_view, previewFieldCount> fields;
    splitFields(line, m_separator, fields);
    // The fields are consecutive parts of the line: keep it up to the last non-empty one.
    std::size_t kept = 0;
    for (const std::string_view field : fields) {
        if (!field.empty())
            kept = static_cast<std::size_t>(field.data() + field.size() - line.data());
    }
    m_fields.append(line.substr(0, kept));
    m_ends.push_back(m_fields.size());
}

std::string_view GridPreview::rawField(int field, std::size_t row) const
{
    const std::size_t begin = row == 1 ? 0 : m_ends[row - 2];
    std::array<std::string_view, previewFieldCount> fields;
    splitFields(std::string_view(m_fields).substr(begin, m_ends[row - 1] - begin), m_separator,
                fields);
    return fields[static_cast<std::size_t>(field - 1)];
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
            preview.addLine(reader.Line);
            reader.ReadLine();
            if (maxLines > 0 && preview.lineCount() >= static_cast<std::size_t>(maxLines))
                break;
        }
    } catch (const std::exception &e) {
        return {false, e.what()};
    }
    return {};
}
