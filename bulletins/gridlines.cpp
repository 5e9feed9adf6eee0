#include "bulletins/gridlines.h"

namespace {

std::vector<int> numbersIn(const GridFlags &tabgrille, int first, int last)
{
    std::vector<int> numbers;
    for (int n = first; n <= last; ++n) {
        if (tabgrille[static_cast<std::size_t>(n)] == 1)
            numbers.push_back(n);
    }
    return numbers;
}

// Consumer protocol: start on the method, then expand each grid in table order.
template <typename PerGrid> void walkGrids(Selection &s, int method, int nbgrilles, PerGrid perGrid)
{
    pcommenceparcours(s, method, nbgrilles);
    for (int i = 1; i <= s.nbgrillescourant; ++i) {
        pdeveloppegrille(s, i);
        perGrid(i);
    }
}

}  // namespace

std::string listLine(std::string_view label, int index, const GridFlags &tabgrille)
{
    std::string line(label);
    if (index < 10)
        line += ": 00";
    else if (index < 100)
        line += ": 0";
    else
        line += ": ";
    line += std::to_string(index) + " :";
    for (const int n : numbersIn(tabgrille, 1, 99)) {
        line += n < 10 ? "-0" : "-";
        line += std::to_string(n);
    }
    return line;
}

std::string exportLine(std::span<const int> numbers)
{
    std::string line;
    for (std::size_t c = 0; c < numbers.size(); ++c) {
        if (c > 0)
            line += ',';
        line += ' ' + std::to_string(numbers[c]);
    }
    return line;
}

std::string exportLine(const GridFlags &tabgrille)
{
    return exportLine(numbersIn(tabgrille, 1, 49));
}

std::vector<std::string> listLines(Selection &s, int method, int nbgrilles, std::string_view label)
{
    std::vector<std::string> lines;
    walkGrids(s, method, nbgrilles,
              [&](int i) { lines.push_back(listLine(label, i, s.tabgrille)); });
    return lines;
}

std::vector<std::string> exportLines(Selection &s, int method, int nbgrilles)
{
    std::vector<std::string> lines;
    walkGrids(s, method, nbgrilles, [&](int) { lines.push_back(exportLine(s.tabgrille)); });
    return lines;
}
