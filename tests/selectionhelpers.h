#pragma once

#include "engine/selection.h"

#include <vector>

// Numbers whose flag is set in a 0..99 flag table, ascending.
template <typename Flags> std::vector<int> flaggedNumbers(const Flags &flags)
{
    std::vector<int> numbers;
    for (int n = 0; n <= 99; ++n) {
        if (flags[static_cast<std::size_t>(n)] == 1)
            numbers.push_back(n);
    }
    return numbers;
}

inline std::vector<int> tickedNumbers(const Selection &s)
{
    return flaggedNumbers(s.tabcoche);
}

inline std::vector<int> gridNumbers(const Selection &s)
{
    return flaggedNumbers(s.tabgrille);
}

// The first `count` slots of the position list.
inline std::vector<int> positionSlots(const Selection &s, int count)
{
    return std::vector<int>(s.tabnumsel.begin() + 1, s.tabnumsel.begin() + 1 + count);
}
