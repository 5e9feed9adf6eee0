#pragma once

#include <cstdlib>

// Stops the process when a property fails, so that the fuzzing engine keeps the input.
inline void fuzzCheck(bool holds)
{
    if (!holds)
        std::abort();
}
