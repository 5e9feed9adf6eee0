#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One reduction method of the catalogue: `nbnumeros` positions expanded into `nbgrilles` grids,
// with at least `garantie` hits in one grid whenever `condition` drawn numbers are among them.
struct Tmethode {
    std::string description;
    std::int32_t nbgrilles = 0;
    std::uint8_t nbnumeros = 0;
    std::uint8_t garantie = 0;
    std::uint8_t condition = 0;
};

constexpr int methodCount = 157;

// Indexed by method number 1..157; index 0 is unused.
using MethodTable = std::array<Tmethode, methodCount + 1>;

// The five words joined into a method's label, in the current language.
struct LabelWords {
    std::string numeros;  // message 64
    std::string si;       // message 65
    std::string parmi;    // message 66
    std::string en;       // message 67
    std::string grilles;  // message 68
};

// One entry of the method list: its text and the method it stands for.
struct MethodListItem {
    std::string text;
    int method = 0;
};

// Fills the 157 catalogue records. An offered method's grid count is the size of its table.
MethodTable catalogueRows();

// Grid count of a method as the catalogue states it, before any table was built; 0 out of range.
int catalogueGridCount(int method);

// n in decimal, blanks in front up to `width` characters; longer numbers are unchanged.
std::string pcadrenombre(std::int64_t n, int width);

// The label of a method; with `withNumber` set, 100 blanks and the method number follow.
std::string plibellemethode(const Tmethode &row, int method, bool withNumber,
                            const LabelWords &words);

// Labels (with number) of every offered method, sorted by text as the method list shows them.
std::vector<MethodListItem> methodListItems(const MethodTable &rows, const LabelWords &words);

// Method number read from the last three characters of a list item; -1 when they are no number.
int methodNumberFromItem(std::string_view itemText);
