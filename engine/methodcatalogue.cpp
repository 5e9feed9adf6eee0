#include "engine/methodcatalogue.h"

#include "engine/gridtables.h"

#include <algorithm>
#include <charconv>

namespace {

struct CatalogueRow {
    int garantie;
    int condition;
    int nbnumeros;
    int nbgrilles;
};

// garantie / condition / nbnumeros / nbgrilles of methods 1..157, as the catalogue states them.
// clang-format off
constexpr std::array<CatalogueRow, methodCount> catalogue = {{
    {3, 3, 11, 11}, // 1
    {4, 5, 12, 20}, // 2
    {3, 3, 10, 10}, // 3
    {5, 6, 9, 8}, // 4
    {4, 6, 10, 3}, // 5
    {3, 4, 22, 58}, // 6
    {4, 4, 7, 5}, // 7
    {5, 5, 7, 6}, // 8
    {3, 3, 8, 4}, // 9
    {4, 6, 12, 10}, // 10
    {4, 6, 11, 5}, // 11
    {3, 3, 7, 4}, // 12
    {3, 6, 14, 5}, // 13
    {4, 4, 10, 21}, // 14
    {3, 6, 20, 10}, // 15
    {3, 6, 17, 6}, // 16
    {4, 6, 14, 17}, // 17
    {4, 6, 15, 24}, // 18
    {5, 6, 8, 4}, // 19
    {5, 6, 12, 48}, // 20
    {3, 3, 12, 16}, // 21
    {4, 4, 8, 7}, // 22
    {4, 4, 9, 12}, // 23
    {3, 4, 9, 3}, // 24
    {3, 4, 10, 4}, // 25
    {3, 4, 11, 5}, // 26
    {3, 5, 12, 6}, // 27
    {4, 6, 13, 10}, // 28
    {5, 5, 8, 12}, // 29
    {5, 5, 9, 30}, // 30
    {4, 4, 11, 32}, // 31
    {5, 5, 11, 100}, // 32
    {3, 3, 13, 24}, // 33
    {3, 3, 14, 26}, // 34
    {4, 4, 13, 66}, // 35
    {4, 4, 14, 80}, // 36
    {5, 5, 12, 132}, // 37
    {5, 5, 10, 50}, // 38
    {3, 3, 15, 31}, // 39
    {3, 3, 16, 38}, // 40
    {4, 4, 15, 118}, // 41
    {3, 4, 14, 11}, // 42
    {5, 6, 11, 22}, // 43
    {5, 6, 13, 61}, // 44
    {5, 6, 14, 98}, // 45
    {5, 5, 13, 245}, // 46
    {5, 5, 14, 371}, // 47
    {4, 4, 16, 152}, // 48
    {3, 3, 19, 63}, // 49
    {3, 3, 20, 72}, // 50
    {3, 6, 13, 4}, // 51
    {3, 6, 15, 5}, // 52
    {3, 6, 18, 14}, // 53
    {3, 6, 19, 17}, // 54
    {4, 6, 17, 61}, // 55
    {4, 6, 16, 45}, // 56
    {4, 6, 18, 78}, // 57
    {4, 6, 19, 100}, // 58
    {5, 6, 15, 151}, // 59
    {5, 6, 16, 232}, // 60
    {6, 6, 10, 210}, // 61
    {6, 6, 8, 28}, // 62
    {6, 6, 9, 84}, // 63
    {6, 6, 11, 462}, // 64
    {4, 6, 22, 114}, // 65
    {4, 6, 25, 206}, // 66
    {3, 4, 23, 61}, // 67
    {3, 4, 24, 70}, // 68
    {3, 4, 25, 77}, // 69
    {4, 5, 16, 55}, // 70
    {5, 5, 15, 580}, // 71
    {5, 5, 16, 808}, // 72
    {5, 5, 17, 1215}, // 73
    {3, 3, 22, 77}, // 74
    {3, 3, 23, 104}, // 75
    {4, 4, 18, 252}, // 76
    {4, 5, 17, 71}, // 77
    {4, 5, 19, 121}, // 78
    {4, 5, 20, 148}, // 79
    {5, 6, 17, 338}, // 80
    {5, 6, 10, 19}, // 81
    {3, 6, 21, 19}, // 82
    {3, 6, 22, 24}, // 83
    {3, 6, 23, 29}, // 84
    {3, 3, 24, 122}, // 85
    {4, 6, 20, 107}, // 86
    {3, 4, 13, 10}, // 87
    {3, 4, 26, 110}, // 88
    {3, 4, 15, 20}, // 89
    {3, 4, 16, 25}, // 90
    {3, 4, 17, 33}, // 91
    {3, 4, 18, 42}, // 92
    {3, 3, 9, 9}, // 93
    {3, 3, 17, 58}, // 94
    {3, 4, 20, 43}, // 95
    {3, 4, 21, 56}, // 96
    {4, 4, 12, 55}, // 97
    {4, 5, 13, 26}, // 98
    {4, 5, 14, 37}, // 99
    {4, 5, 15, 50}, // 100
    {6, 6, 13, 1716}, // 101
    {6, 6, 14, 3003}, // 102
    {6, 6, 15, 5005}, // 103
    {6, 6, 16, 8008}, // 104
    {6, 6, 17, 12376}, // 105
    {4, 5, 21, 221}, // 106
    {3, 6, 30, 40}, // 107
    {4, 6, 30, 500}, // 108
    {3, 6, 35, 68}, // 109
    {3, 6, 40, 98}, // 110
    {3, 6, 45, 133}, // 111
    {3, 6, 49, 164}, // 112
    {4, 6, 32, 765}, // 113
    {3, 3, 25, 167}, // 114
    {3, 3, 26, 193}, // 115
    {3, 3, 27, 219}, // 116
    {3, 3, 28, 239}, // 117
    {4, 4, 19, 391}, // 118
    {4, 4, 20, 490}, // 119
    {4, 4, 21, 595}, // 120
    {5, 5, 19, 2425}, // 121
    {5, 6, 18, 547}, // 122
    {5, 6, 19, 761}, // 123
    {5, 6, 20, 1032}, // 124
    {5, 6, 21, 1378}, // 125
    {5, 5, 24, 7084}, // 126
    {4, 4, 24, 1040}, // 127
    {4, 4, 25, 1253}, // 128
    {5, 5, 25, 9321}, // 129
    {6, 6, 7, 7}, // 130
    {3, 3, 18, 63}, // 131
    {3, 3, 21, 97}, // 132
    {3, 3, 29, 270}, // 133
    {3, 3, 30, 297}, // 134
    {3, 4, 12, 6}, // 135
    {3, 4, 19, 33}, // 136
    {3, 4, 27, 110}, // 137
    {3, 4, 28, 124}, // 138
    {3, 5, 13, 5}, // 139
    {3, 5, 14, 6}, // 140
    {3, 5, 15, 8}, // 141
    {3, 5, 16, 9}, // 142
    {3, 5, 17, 12}, // 143
    {3, 5, 18, 12}, // 144
    {3, 5, 19, 16}, // 145
    {3, 5, 20, 22}, // 146
    {3, 5, 21, 25}, // 147
    {3, 5, 22, 30}, // 148
    {3, 5, 23, 35}, // 149
    {3, 5, 24, 40}, // 150
    {3, 5, 25, 46}, // 151
    {3, 5, 26, 53}, // 152
    {3, 5, 27, 61}, // 153
    {3, 5, 28, 70}, // 154
    {4, 4, 17, 240}, // 155
    {4, 5, 18, 109}, // 156
    {5, 6, 25, 3824}, // 157
}};
// clang-format on

std::string describe(const CatalogueRow &r, int grids)
{
    return std::to_string(r.garantie) + " numéros si " + std::to_string(r.condition) +
           " numéros parmi les " + std::to_string(r.nbnumeros) + " en " + std::to_string(grids) +
           " grilles";
}

}  // namespace

int catalogueGridCount(int method)
{
    if (method < 1 || method > methodCount)
        return 0;
    return catalogue[static_cast<std::size_t>(method - 1)].nbgrilles;
}

MethodTable catalogueRows()
{
    MethodTable rows{};
    for (int m = 1; m <= methodCount; ++m) {
        const CatalogueRow &r = catalogue[static_cast<std::size_t>(m - 1)];
        const int grids = hasGridTable(m) ? gridCount(m) : r.nbgrilles;
        Tmethode &row = rows[static_cast<std::size_t>(m)];
        row.description = describe(r, grids);
        row.nbgrilles = grids;
        row.nbnumeros = static_cast<std::uint8_t>(r.nbnumeros);
        row.garantie = static_cast<std::uint8_t>(r.garantie);
        row.condition = static_cast<std::uint8_t>(r.condition);
    }
    return rows;
}

std::string pcadrenombre(std::int64_t n, int width)
{
    std::string text = std::to_string(n);
    if (static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    return text;
}

std::string plibellemethode(const Tmethode &row, int method, bool withNumber,
                            const LabelWords &words)
{
    const std::string pieces[] = {
        "",
        pcadrenombre(row.garantie, 2),
        words.numeros,
        words.si,
        pcadrenombre(row.condition, 2),
        words.parmi,
        pcadrenombre(row.nbnumeros, 2),
        words.en,
        pcadrenombre(row.nbgrilles, 5),
        words.grilles,
    };
    std::string label;
    for (std::size_t i = 0; i < std::size(pieces); ++i) {
        if (i > 0)
            label += ' ';
        label += pieces[i];
    }
    if (withNumber)
        label += std::string(100, ' ') + std::to_string(method);
    return label;
}

std::vector<MethodListItem> methodListItems(const MethodTable &rows, const LabelWords &words)
{
    std::vector<MethodListItem> items;
    for (int m = 1; m <= methodCount; ++m) {
        if (hasGridTable(m))
            items.push_back(
                {plibellemethode(rows[static_cast<std::size_t>(m)], m, true, words), m});
    }
    std::stable_sort(
        items.begin(), items.end(),
        [](const MethodListItem &a, const MethodListItem &b) { return a.text < b.text; });
    return items;
}

int methodNumberFromItem(std::string_view itemText)
{
    std::string_view tail = itemText.size() >= 3 ? itemText.substr(itemText.size() - 3) : itemText;
    while (!tail.empty() && tail.front() == ' ')
        tail.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(tail.data(), tail.data() + tail.size(), value);
    if (tail.empty() || error != std::errc() || end != tail.data() + tail.size())
        return -1;
    return value;
}
