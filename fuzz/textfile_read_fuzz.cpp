// Reads a whole file through the text reader and cuts every field of every line. The input is
// the file; its first byte also picks the separator and whether quotes are honoured. The lines
// delivered are compared with the file's non-blank lines split at LF, CR LF and lone CR.

#include "fuzz/fuzzcheck.h"
#include "fuzz/fuzztempfile.h"
#include "storage/textfile.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

bool isBlankLine(std::string_view line)
{
    return std::all_of(line.begin(), line.end(), [](char c) { return c == ' ' || c == '\t'; });
}

std::vector<std::string> expectedLines(std::string_view bytes)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t stop = bytes.find_first_of("\r\n", start);
        if (stop == std::string_view::npos)
            stop = bytes.size();
        const std::string_view line = bytes.substr(start, stop - start);
        if (!isBlankLine(line))
            lines.emplace_back(line);
        start = stop + 1;
        if (stop + 1 < bytes.size() && bytes[stop] == '\r' && bytes[stop + 1] == '\n')
            ++start;
    }
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const FuzzTempFile file;
    constexpr std::array<char, 4> separators{0, ';', ',', ' '};
    file.write(data, size);
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const std::vector<std::string> expected = expectedLines(bytes);

    TTextFile reader;
    if (size > 0) {
        reader.Separator = separators[data[0] & 3u];
        reader.Quote = (data[0] & 4u) != 0 ? '"' : '\0';
    }
    reader.SetFileName(file.name());
    std::size_t count = 0;
    std::string text;
    while (!reader.AtEnd()) {
        fuzzCheck(count < expected.size() && reader.Line == expected[count]);
        ++count;
        // A line of n characters has at most n + 1 fields.
        const std::size_t fields = std::min<std::size_t>(reader.Line.size() + 1, 255);
        for (std::size_t index = 1; index <= fields; ++index) {
            reader.Field(static_cast<std::uint8_t>(index), text);
            fuzzCheck(text.size() <= reader.Line.size());
        }
        reader.ReadLine();
    }
    fuzzCheck(count == expected.size());
    fuzzCheck(!reader.ReadLine() && reader.AtEnd() && reader.IsOpen);
    return 0;
}
