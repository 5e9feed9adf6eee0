// Cuts one line into every field, delimited or in fixed columns. The input gives the mode, the
// separator, the quote character and the column table, then the line.
//
// Input: byte 0 flags (bit 0 fixed columns, bit 1 column starts scaled to the whole 32-bit
// range), byte 1 separator, byte 2 quote character; in fixed-column mode 48 bytes of 24
// little-endian signed 16-bit column starts follow; the rest is the line.

#include "fuzz/fuzzcheck.h"
#include "storage/textfile.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// The fields of a line without quoting, cut in the plainest way, to compare with the reader.
std::vector<std::string> plainFields(std::string_view line, char separator)
{
    std::vector<std::string> fields;
    if (separator != 0) {
        std::size_t start = 0;
        for (;;) {
            const std::size_t stop = line.find(separator, start);
            fields.emplace_back(line.substr(start, stop - start));
            if (stop == std::string_view::npos)
                break;
            start = stop + 1;
        }
        // A line without any character has no field at all; the reader gives empty for it.
        if (line.empty())
            fields.clear();
        return fields;
    }
    std::size_t p = 0;
    while (p < line.size()) {
        while (p < line.size() && isBlank(line[p]))
            ++p;
        const std::size_t start = p;
        while (p < line.size() && !isBlank(line[p]))
            ++p;
        if (p > start)
            fields.emplace_back(line.substr(start, p - start));
    }
    return fields;
}

void checkFixedField(const TTextFile &reader, std::uint8_t index)
{
    std::string text = "x";
    const bool inTable = index >= 1 && index <= 23;
    try {
        reader.Field(index, text);
    } catch (const ETextFileError &) {
        fuzzCheck(inTable && reader.ColumnStart[index] >= reader.ColumnStart[index + 1u]);
        return;
    }
    if (!inTable) {
        fuzzCheck(text.empty());
        return;
    }
    fuzzCheck(reader.ColumnStart[index] < reader.ColumnStart[index + 1u]);
    const std::int64_t from = std::max<std::int64_t>(reader.ColumnStart[index], 1);
    const std::int64_t span = static_cast<std::int64_t>(reader.ColumnStart[index + 1u]) - from;
    fuzzCheck(static_cast<std::int64_t>(text.size()) <= std::max<std::int64_t>(span, 0));
    if (!text.empty())
        fuzzCheck(reader.Line.compare(static_cast<std::size_t>(from - 1), text.size(), text) == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 3)
        return 0;
    TTextFile reader;
    const std::uint8_t flags = data[0];
    reader.FixedColumns = (flags & 1) != 0;
    reader.Separator = static_cast<char>(data[1]);
    reader.Quote = static_cast<char>(data[2]);
    std::size_t offset = 3;
    if (reader.FixedColumns) {
        if (size < offset + 48)
            return 0;
        for (std::size_t i = 1; i <= 24; ++i, offset += 2) {
            const auto raw = static_cast<std::int16_t>(data[offset] | data[offset + 1] << 8);
            reader.ColumnStart[i] = (flags & 2) != 0 ? raw * 65536 : raw;
        }
    }
    reader.Line.assign(reinterpret_cast<const char *>(data) + offset, size - offset);

    if (reader.FixedColumns) {
        for (int index = 0; index <= 255; ++index)
            checkFixedField(reader, static_cast<std::uint8_t>(index));
        return 0;
    }
    const bool plain = reader.Quote == 0;
    const std::vector<std::string> expected =
        plain ? plainFields(reader.Line, reader.Separator) : std::vector<std::string>();
    std::string text;
    for (int index = 0; index <= 255; ++index) {
        reader.Field(static_cast<std::uint8_t>(index), text);
        fuzzCheck(text.size() <= reader.Line.size());
        fuzzCheck(reader.Line.find(text) != std::string::npos);
        if (index == 0) {
            fuzzCheck(text.empty());
        } else if (plain) {
            const auto i = static_cast<std::size_t>(index);
            fuzzCheck(text == (i <= expected.size() ? expected[i - 1] : std::string()));
        }
    }
    return 0;
}
