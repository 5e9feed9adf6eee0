#include "bulletins/externalgrids.h"

#include "storage/numerictext.h"

#include <cstddef>
#include <optional>

ReplacementMap identityReplacement()
{
    ReplacementMap map{};
    for (std::size_t n = 0; n < map.size(); ++n)
        map[n] = static_cast<std::int32_t>(n);
    return map;
}

void openExternalGrids(TTextFile &reader, const ExternalGridFile &file)
{
    reader.Separator = file.separator.empty() ? ' ' : file.separator.front();
    reader.SetFileName(file.fileName);
    // Skipping stops at the end of the file: every further read there would find nothing.
    int skipped = 0;
    while (skipped < file.skip && reader.ReadLine())
        ++skipped;
}

std::vector<int> externalGridNumbers(const TTextFile &reader, const ReplacementMap &replacement)
{
    std::vector<int> numbers;
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
