#pragma once

#include "storage/textfile.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Entry n (1..100) is the number that stands for number n of an external grid file; index 0 is
// never read.
using ReplacementMap = std::array<std::int32_t, 101>;

// The map that changes no number: entry n holds n.
ReplacementMap identityReplacement();

// A text file of grids made by other software, one grid per line, as the wizard describes it.
struct ExternalGridFile {
    std::string fileName;
    std::string separator;  // only its first character counts; empty stands for a blank
    int skip = 0;           // lines to skip at the top; a negative count skips none
    ReplacementMap replacement = identityReplacement();
};

// Opens the file in `reader` with the file's separator and moves past the lines to skip, so
// that the first grid's line is current. Throws ETextFileError when the file cannot be opened
// or read.
void openExternalGrids(TTextFile &reader, const ExternalGridFile &file);

// The numbers of the reader's current line: fields 1 to 6 that hold an integer, in field
// order, those in 1..100 replaced through `replacement`; other fields are passed over and
// fields after the sixth are never read.
std::vector<int> externalGridNumbers(const TTextFile &reader, const ReplacementMap &replacement);
