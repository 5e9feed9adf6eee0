#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class TTextFile;

// Entry n (1..100) is the number that stands for number n of an external grid file; index 0
// holds 0 and is never used for replacement.
using ReplacementMap = std::array<std::int32_t, 101>;

// The map that replaces nothing: entry n holds n.
ReplacementMap identityReplacement();

// The number that stands for v: map[v] when v lies in 1..100; 0, negative numbers and numbers
// above 100 are never replaced.
inline std::int32_t replacedNumber(const ReplacementMap &map, std::int32_t v)
{
    return v >= 1 && v <= 100 ? map[static_cast<std::size_t>(v)] : v;
}

// Where the external grids come from, as the wizard's first page chose it.
struct GridFileSource {
    std::string fileName;
    std::string separator;       // only its first character counts; empty stands for a blank
    std::int32_t skipLines = 0;  // non-blank lines skipped at the top; negative counts as 0
};

// The lines to skip given by the text of the wizard's list: its value when numeric, else 0.
std::int32_t skipLinesFromText(std::string_view text);

// The field separator that a separator text stands for: its first character, a blank when the
// text is empty or starts with a NUL (which would make the reader split on runs of blanks).
char separatorOf(std::string_view separator);

// Cuts `line` into its first fields.size() fields as the grid file reader does with a separator
// and no quote character: each field is the text between two separators, nothing trimmed, and
// two separators in a row enclose an empty field. Fields the line does not have are empty.
// The views point into `line`.
void splitFields(std::string_view line, char separator, std::span<std::string_view> fields);

// Opens the grid file of `source` in `reader` (its separator set) and skips the lines to skip;
// blank lines count neither as skipped lines nor as grids. Throws ETextFileError when no file
// name is given or when the file cannot be opened or read.
void openGridFile(TTextFile &reader, const GridFileSource &source);

// How a pass over a grid file ended: ok, or failed with the reader's message.
struct GridFileOutcome {
    bool ok = true;
    std::string message;
};

// A grid file as the print and list routines read it: where it is, and its replacement map.
struct ExternalGridFile : GridFileSource {
    ReplacementMap replacement = identityReplacement();
};

// The numbers of the reader's current line as the print and list routines take them: fields 1
// to 6 that hold an integer, in field order, those in 1..100 replaced through `replacement`;
// other fields are passed over and fields after the sixth are never read.
std::vector<std::int32_t> gridNumbers(const TTextFile &reader, const ReplacementMap &replacement);
